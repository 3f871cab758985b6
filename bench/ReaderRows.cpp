// The rows of the reader's own work: one named entry, and test and
// extraction of many.rar with one reader and with two.
#include "bench/Bench.h"

#include <cstdlib>

namespace marrowick::bench {

namespace {

// marrowick-cli with this many readers (0: as it decides).
class Readers final
{
  public:
    explicit Readers(int count) { setenv("MARROWICK_READERS", std::to_string(count).c_str(), 1); }
    ~Readers() { unsetenv("MARROWICK_READERS"); }
    Readers(const Readers&) = delete;
    Readers& operator=(const Readers&) = delete;
};

} // namespace

void ReaderWorkRows(const Setup& setup)
{
    const std::string& cli = setup.cli;
    const std::string& unrar = setup.unrar;
    const std::string many = setup.many.toStdString();
    const auto intoEmptyFolder =
        [&](const std::function<std::vector<std::string>(const std::string&)>& command) {
            return IntoEmptyFolder(setup.scratch, command);
        };

    // The reader passes over every entry but one by itself.
    const std::string name = "dir060/file0503.txt";
    SideBySide(
        "extract 1 named entry", setup.runs, 1.2, "marrowick-cli",
        [&] {
            return intoEmptyFolder([&](const std::string& dest) {
                return std::vector<std::string>{cli, "x", many, dest, name};
            });
        },
        "unrar x NAME",
        [&] {
            return intoEmptyFolder([&](const std::string& dest) {
                return std::vector<std::string>{unrar, "x", "-idq", many, name, dest + "/"};
            });
        });

    const auto test = [&](int readers) {
        const Readers chosen(readers);
        return Spawn({cli, "t", many}).seconds;
    };
    const auto unrarTest = [&] { return Spawn({unrar, "t", "-idq", many}).seconds; };
    SideBySide("test many.rar, 1 reader", setup.runs, 1.1, "marrowick-cli",
               [&] { return test(1); }, "unrar t", unrarTest);
    SideBySide("test many.rar, 2 readers", setup.runs, 0.7, "marrowick-cli",
               [&] { return test(2); }, "unrar t", unrarTest);

    const auto extract = [&](int readers) {
        const Readers chosen(readers);
        return intoEmptyFolder(
            [&](const std::string& dest) { return std::vector<std::string>{cli, "x", many, dest}; });
    };
    const auto unrarExtract = [&] {
        return intoEmptyFolder([&](const std::string& dest) {
            return std::vector<std::string>{unrar, "x", "-idq", many, dest + "/"};
        });
    };
    SideBySide("extract many.rar, 1 reader", setup.runs, 1.0, "marrowick-cli",
               [&] { return extract(1); }, "unrar x", unrarExtract);
    SideBySide("extract many.rar, 2 readers", setup.runs, 1.0, "marrowick-cli",
               [&] { return extract(2); }, "unrar x", unrarExtract);
}

} // namespace marrowick::bench
