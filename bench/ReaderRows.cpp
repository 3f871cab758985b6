// The rows of the reader's own work: one named entry, test and extraction
// of many.rar with one reader and with two, and one entry into memory.
#include "bench/Bench.h"

#include "engine/EntryPreview.h"
#include "engine/UnrarLibrary.h"

#include <QProcess>

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

// 13. What the window's preview does for a row: one entry into memory,
// from a reader of its own (cold: none is left from the run before). The
// entry is the middle one of many.rar as listed (the order its folders were
// read in when it was made), a small text file: many.rar has no 10 KB entry,
// and its 100,100 entries are the other rows' to keep; a 10 KB one would add
// microseconds of decoding to a walk over 50,050 headers. Beside it,
// `unrar p` prints the same entry.
void PreviewRow(const Setup& setup)
{
    QProcess listing;
    listing.start(QString::fromStdString(setup.unrar), {QStringLiteral("lb"), setup.many});
    listing.waitForFinished(-1);
    const QList<QByteArray> names = listing.readAllStandardOutput().split('\n');
    const QString name = QString::fromUtf8(names.value((names.size() - 1) / 2));
    const std::atomic<bool> cancel{false};
    QByteArray data;
    const auto preview = [&] {
        const Clock::time_point start = Clock::now();
        const EntryDataResult result =
            ReadEntryIntoMemory({setup.many, name, QString()}, 4 << 20, data, cancel);
        const double seconds = SecondsSince(start);
        if (result.status != EntryDataResult::Status::Complete)
            std::fprintf(stderr, "bench: preview of %s: status %d %s\n", qUtf8Printable(name),
                         int(result.status), qUtf8Printable(result.message));
        return seconds;
    };
    (void)InstalledUnrar();
    preview(); // takes the reader started to check the library
    std::vector<double> ours, theirs;
    for (int i = 0; i < std::max(setup.runs, 11); ++i) {
        ours.push_back(preview() * 1000.0);
        theirs.push_back(Spawn({setup.unrar, "p", "-inul", setup.many.toStdString(),
                                name.toStdString()}).seconds * 1000.0);
    }
    const double ms = Median(ours);
    std::printf("%-28s %-13s %8.1f ms   %-12s %8.1f ms   target <= 100 ms   ratio %.3f\n",
                "preview, middle of many.rar", "marrowick", ms, "unrar p", Median(theirs),
                ms / 100.0);
    std::printf("  (entry %lld of %lld, %s, %lld bytes)\n", qlonglong((names.size() - 1) / 2 + 1),
                qlonglong(names.size() - 1), qUtf8Printable(name), qlonglong(data.size()));
    std::fflush(stdout);
}

} // namespace marrowick::bench
