// Measures Marrowick against the UnRAR library and unrar on the same archives,
// side by side in one run: each pair alternates, and the median of the runs
// is compared. One line per figure, the ratio last.
//
//   marrowick-bench [--data DIR] [--runs N] [--skip-big] [--only 1,2,...]
//   marrowick-bench --child-list ARCHIVE   (internal: one window listing)
#include "bench/Bench.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace marrowick;
using namespace marrowick::bench;

namespace {

// 2. marrowick-cli list against unrar lb.
void ListCliRow(const Setup& setup)
{
    SideBySide(
        "list many.rar (cli)", setup.runs, 1.0, "marrowick-cli",
        [&] {
            return Spawn({setup.cli, "list", setup.many.toStdString()}).seconds;
        },
        "unrar lb",
        [&] {
            return Spawn({setup.unrar, "lb", setup.many.toStdString()}).seconds;
        });
}

// 3 and 4. Extraction and test, each archive.
void ExtractAndTestRows(const Setup& setup)
{
    const bool extract = setup.only.contains(3);
    const bool test = setup.only.contains(4);
    QStringList archives{setup.many};
    if (!setup.skipBig)
        archives << setup.big;
    const std::string& cli = setup.cli;
    const std::string& unrar = setup.unrar;
    for (const QString& archive : archives) {
        const std::string path = archive.toStdString();
        const std::string label = QFileInfo(archive).fileName().toStdString();
        bool wroteNothing = false;
        if (extract)
            SideBySide(("extract " + label).c_str(), setup.runs, 1.1, "marrowick-cli",
                       [&] {
                           return IntoEmptyFolder(
                               setup.scratch,
                               [&](const std::string& dest) {
                                   return std::vector<std::string>{cli,      "x",  "--overwrite",
                                                                   "always", path, dest};
                               },
                               &wroteNothing);
                       },
                       "unrar x",
                       [&] {
                           return IntoEmptyFolder(setup.scratch, [&](const std::string& dest) {
                               return std::vector<std::string>{unrar,  "x",  "-o+",
                                                               "-idq", path, dest + "/"};
                           });
                       });
        if (extract && wroteNothing)
            std::printf(
                "  (marrowick-cli wrote nothing: this build's engine does not extract yet)\n");
        if (!test)
            continue;
        SideBySide(("test " + label).c_str(), setup.runs, 1.1, "marrowick-cli",
                   [&] {
                       return Spawn({cli, "t", path}).seconds;
                   },
                   "unrar t",
                   [&] {
                       return Spawn({unrar, "t", "-idq", path}).seconds;
                   });
        // A test that reports no entry did not test anything.
        const QString report = setup.scratch + QStringLiteral("/test-report.txt");
        Spawn({cli, "t", path}, false, report.toUtf8().constData());
        if (QFileInfo(report).size() == 0)
            std::printf(
                "  (marrowick-cli tested nothing: this build's engine does not test yet)\n");
    }
}

// 9. One named entry of many.rar, the last one, against the whole archive:
// every header is still read, but only one entry is unpacked and written.
void ExtractOneRow(const Setup& setup)
{
    const std::string path = setup.many.toStdString();
    const std::string last =
        qEnvironmentVariable("MARROWICK_BENCH_ENTRY", QStringLiteral("dir099/file0999.txt"))
            .toStdString();
    bool wroteNothing = false;
    SideBySide(
        "extract 1 entry of many.rar", setup.runs, 1.0, "x ARC DEST NAME",
        [&] {
            return IntoEmptyFolder(
                setup.scratch,
                [&](const std::string& dest) {
                    return std::vector<std::string>{setup.cli, "x", path, dest, last};
                },
                &wroteNothing);
        },
        "x ARC DEST",
        [&] {
            return IntoEmptyFolder(setup.scratch, [&](const std::string& dest) {
                return std::vector<std::string>{setup.cli, "x", path, dest};
            });
        });
    if (wroteNothing)
        std::printf("  (the named entry %s was not written)\n", last.c_str());
}

// 10. many.rar over an existing copy of itself: every file is replaced,
// which marrowick-cli does only once the new files are on disk (a flush
// of the file system per batch) and unrar does without a flush.
void OverCopyRow(const Setup& setup)
{
    const std::string path = setup.many.toStdString();
    const QString ours = setup.scratch + QStringLiteral("/over-ours");
    const QString theirs = setup.scratch + QStringLiteral("/over-theirs");
    for (const QString& dest : {ours, theirs}) {
        QDir().mkpath(dest);
        Spawn({setup.unrar, "x", "-o+", "-idq", path, dest.toStdString() + "/"});
    }
    SideBySide(
        "extract many.rar over a copy", setup.runs, 1.1, "marrowick-cli",
        [&] {
            return Spawn({setup.cli, "x", "--overwrite", "always", path, ours.toStdString()})
                .seconds;
        },
        "unrar x -o+",
        [&] {
            return Spawn({setup.unrar, "x", "-o+", "-idq", path, theirs.toStdString() + "/"})
                .seconds;
        });
}

// 6. Start-up to the first painted window.
void StartUpRow(const Setup& setup)
{
    qputenv("MARROWICK_EXIT_ON_FIRST_PAINT", "1");
    std::vector<double> starts;
    for (int i = 0; i < std::max(setup.runs, 9); ++i) {
        const ChildResult run = Spawn({setup.window}, true);
        if (run.firstLine != "painted")
            std::fprintf(stderr, "bench: marrowick did not report its first paint\n");
        starts.push_back(run.firstLineSeconds * 1000.0);
    }
    qunsetenv("MARROWICK_EXIT_ON_FIRST_PAINT");
    const double start = Median(starts);
    std::printf("%-28s %-13s %8.1f ms   target <= 300 ms   ratio %.3f\n", "start-up to first paint",
                "marrowick", start, start / 300.0);
}

// The figures in the order they run; --only picks them by number.
struct Row
{
    QList<int> numbers;
    void (*run)(const Setup& setup);
};

const Row kRows[] = {
    {{1}, &ListWindowRow},
    {{2}, &ListCliRow},
    {{11}, &ProgramCpuRow},
    {{3, 4}, &ExtractAndTestRows},
    {{5}, &PeakMemoryRow},
    {{7}, &ReaderStartRow},
    {{8}, &SortRows},
    {{10}, &BrowseRows},
    {{9}, &ExtractOneRow},
    {{10}, &OverCopyRow},
    {{12}, &ReaderWorkRows},
    {{13}, &PreviewRow},
    {{6}, &StartUpRow},
};

// The offscreen platform warns about window hints it cannot honour, once per
// window; that says nothing about the figures.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    (void)context;
    if (type == QtWarningMsg && (text.contains(QLatin1String("propagateSizeHints")) ||
                                 text.contains(QLatin1String("XDG_RUNTIME_DIR"))))
        return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler(&QuietPlatformNotes);
    // The zone the programs name for the library (one read of the zone file,
    // not a stat per entry): the bare walk and the window run here with it.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--child-list"))
        return ChildList(args[2]);

    QString data = qEnvironmentVariable("MARROWICK_BENCH_DATA", QStringLiteral("build-bench/data"));
    Setup setup;
    QList<int>& only = setup.only;
    only = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data = args[++i];
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            setup.runs = std::max(5, args[++i].toInt());
        else if (args[i] == QLatin1String("--skip-big"))
            setup.skipBig = true;
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size()) {
            only.clear();
            for (const QString& figure : args[++i].split(QLatin1Char(',')))
                only << figure.toInt();
        }
    }
    setup.many = QFileInfo(data + QStringLiteral("/many.rar")).absoluteFilePath();
    setup.big = QFileInfo(data + QStringLiteral("/big.rar")).absoluteFilePath();
    if (!QFileInfo::exists(setup.many) || (!setup.skipBig && !QFileInfo::exists(setup.big))) {
        std::fprintf(stderr, "bench: no archives in %s (make them with bench/make-archives.sh)\n",
                     qUtf8Printable(data));
        return 2;
    }
    setup.cli = MARROWICK_CLI_PATH;
    setup.window = MARROWICK_WINDOW_PATH;
    setup.unrar = "/usr/bin/unrar";
    setup.self = QCoreApplication::applicationFilePath().toStdString();
    QTemporaryDir scratch(data + QStringLiteral("/scratch-XXXXXX"));
    setup.scratch = scratch.path();

    std::printf("Marrowick benchmark: median of %d runs each, side by side\n", setup.runs);
    for (const Row& row : kRows)
        if (std::any_of(row.numbers.begin(), row.numbers.end(),
                        [&](int number) { return only.contains(number); }))
            row.run(setup);
    return 0;
}
