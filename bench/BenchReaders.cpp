#include "bench/BenchReaders.h"

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

void BenchReaderRows(const BenchTools& tools, const std::string& cli, const std::string& unrar,
                     const std::string& many)
{
    // The reader passes over every entry but one by itself.
    const std::string name = "dir060/file0503.txt";
    tools.sideBySide(
        "extract 1 named entry", 1.2, "marrowick-cli",
        [&] {
            return tools.intoEmptyFolder([&](const std::string& dest) {
                return std::vector<std::string>{cli, "x", many, dest, name};
            });
        },
        "unrar x NAME",
        [&] {
            return tools.intoEmptyFolder([&](const std::string& dest) {
                return std::vector<std::string>{unrar, "x", "-idq", many, name, dest + "/"};
            });
        });

    const auto test = [&](int readers) {
        const Readers chosen(readers);
        return tools.run({cli, "t", many});
    };
    const auto unrarTest = [&] { return tools.run({unrar, "t", "-idq", many}); };
    tools.sideBySide("test many.rar, 1 reader", 1.1, "marrowick-cli", [&] { return test(1); },
                     "unrar t", unrarTest);
    tools.sideBySide("test many.rar, 2 readers", 0.7, "marrowick-cli", [&] { return test(2); },
                     "unrar t", unrarTest);

    const auto extract = [&](int readers) {
        const Readers chosen(readers);
        return tools.intoEmptyFolder(
            [&](const std::string& dest) { return std::vector<std::string>{cli, "x", many, dest}; });
    };
    const auto unrarExtract = [&] {
        return tools.intoEmptyFolder([&](const std::string& dest) {
            return std::vector<std::string>{unrar, "x", "-idq", many, dest + "/"};
        });
    };
    tools.sideBySide("extract many.rar, 1 reader", 1.0, "marrowick-cli", [&] { return extract(1); },
                     "unrar x", unrarExtract);
    tools.sideBySide("extract many.rar, 2 readers", 1.0, "marrowick-cli", [&] { return extract(2); },
                     "unrar x", unrarExtract);
}

} // namespace marrowick::bench
