// Measures Marrowick against the UnRAR library and unrar on the same archives,
// side by side in one run: each pair alternates, and the median of the runs
// is compared. One line per figure, the ratio last.
//
//   marrowick-bench [--data DIR] [--runs N] [--skip-big] [--only 1,2,...]
//   marrowick-bench --child-list ARCHIVE   (internal: one window listing)
#include "bench/BenchReaders.h"
#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/fMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace marrowick;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Nobody answers: every question gets its quiet default.
class SilentPrompts final : public IUserPrompts
{
  public:
    void showErrorBox(const QString& text) override
    {
        std::fprintf(stderr, "bench: error box: %s\n", qUtf8Printable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return true; }
    void showInformation(const QString&, const QString&) override {}
    std::optional<QString> askPassword(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void showComment(const QString&) override {}
};

struct ChildResult
{
    double seconds = 0;
    double maxRssMb = 0;
    int status = -1;
    std::string firstLine; // with readFirstLine: what the child printed first
    double firstLineSeconds = 0;
};

// Runs a program to its end; stdout goes to /dev/null, or is read up to its
// first line. wait4 gives this child's own peak memory.
ChildResult Spawn(const std::vector<std::string>& arguments, bool readFirstLine = false,
                  const char* stdoutPath = "/dev/null")
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (readFirstLine && pipe(pipeFds) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath,
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // Qt's platform notes and unrar's messages would bury the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    ChildResult result;
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "bench: cannot start %s: %s\n", argv[0], std::strerror(spawned));
        return result;
    }
    if (pipeFds[0] >= 0) {
        close(pipeFds[1]);
        char c = 0;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n')
            result.firstLine.push_back(c);
        result.firstLineSeconds = SecondsSince(start);
        char sink[4096];
        while (read(pipeFds[0], sink, sizeof sink) > 0) {
        }
        close(pipeFds[0]);
    }
    int status = 0;
    struct rusage usage = {};
    wait4(pid, &status, 0, &usage);
    result.seconds = SecondsSince(start);
    result.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

// The engine and the whole window: rows into the model, totals, title, icons.
double ListThroughWindow(const QString& archive)
{
    SilentPrompts prompts;
    fMain window(&prompts);
    window.Form_Load(QString());
    QString password;
    RunContext context{window, prompts, nullptr, QString()};
    const Clock::time_point start = Clock::now();
    ProcessArchive(OP_LIST, archive, password, context);
    QCoreApplication::processEvents();
    const double seconds = SecondsSince(start);
    if (window.rowCount() == 0)
        std::fprintf(stderr, "bench: the window listed nothing\n");
    return seconds;
}

// The least any lister must do: read every header and skip its data, with the
// library loaded right here (the program itself never does that: it runs the
// library in its reader process).
double ListThroughLibrary(const QString& archive)
{
    static const UnrarApi api = LoadUnrar("libunrar.so.5");
    const Clock::time_point start = Clock::now();
    const std::wstring name = archive.toStdWString();
    RAROpenArchiveDataEx open = {};
    open.ArcNameW = const_cast<wchar_t*>(name.c_str());
    open.OpenMode = RAR_OM_LIST;
    RarHandle handle = api.RAROpenArchiveEx(&open);
    if (!handle || open.OpenResult != ERAR_SUCCESS) {
        std::fprintf(stderr, "bench: cannot open %s\n", qUtf8Printable(archive));
        return 0;
    }
    static RARHeaderDataEx header;
    long entries = 0;
    while (api.RARReadHeaderEx(handle, &header) == ERAR_SUCCESS) {
        ++entries;
        if (api.RARProcessFileW(handle, RAR_SKIP, nullptr, nullptr) != ERAR_SUCCESS)
            break;
    }
    api.RARCloseArchive(handle);
    return SecondsSince(start);
}

void PrintPair(const char* what, const char* ours, double oursSeconds, const char* theirs,
               double theirsSeconds, double target)
{
    std::printf("%-28s %-13s %8.3f s   %-12s %8.3f s   target <= %.2f   ratio %.3f\n", what, ours,
                oursSeconds, theirs, theirsSeconds, target,
                theirsSeconds > 0 ? oursSeconds / theirsSeconds : 0.0);
    std::fflush(stdout);
}

// Runs both sides in turn, runs times, and prints the medians.
void SideBySide(const char* what, int runs, double target, const char* ours,
                const std::function<double()>& runOurs, const char* theirs,
                const std::function<double()>& runTheirs)
{
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(runOurs());
        b.push_back(runTheirs());
    }
    PrintPair(what, ours, Median(a), theirs, Median(b), target);
}

bool HasFiles(const QString& folder)
{
    return !QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}

// A process that writes into a new empty folder, timed. The folder is removed
// afterwards, untimed, unless it holds many files: those wait for the end of
// the bench, because ext4 without a journal passes over inodes freed in the
// last minutes when it allocates new ones, and removing 100,000 files would
// make the next run (the other side's) pay for them.
double IntoEmptyFolder(const QString& scratch,
                       const std::function<std::vector<std::string>(const std::string&)>& command,
                       bool* wroteNothing = nullptr)
{
    static int next = 0;
    const QString dest = scratch + QStringLiteral("/out-%1").arg(++next);
    QDir().mkpath(dest);
    const ChildResult run = Spawn(command(dest.toStdString()));
    if (wroteNothing && !HasFiles(dest))
        *wroteNothing = true;
    if (run.status != 0)
        std::fprintf(stderr, "bench: %s exited %d\n", command(dest.toStdString())[0].c_str(),
                     run.status);
    QDirIterator files(dest, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext() && count < 1000) {
        files.next();
        ++count;
    }
    if (count < 1000)
        QDir(dest).removeRecursively();
    return run.seconds;
}

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

// Prints the peak memory of this process and of its largest reader, added.
int ChildList(const QString& archive)
{
    ListThroughWindow(archive);
    rusage self{};
    rusage readers{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &readers);
    std::printf("%ld\n", self.ru_maxrss + readers.ru_maxrss);
    return 0;
}

// One reader started, sandboxed, given the archive to open, and ended.
double ReaderStart(const QString& archive)
{
    const UnrarApi& api = InstalledUnrar();
    const std::wstring name = archive.toStdWString();
    const Clock::time_point start = Clock::now();
    RAROpenArchiveDataEx open = {};
    open.ArcNameW = const_cast<wchar_t*>(name.c_str());
    open.OpenMode = RAR_OM_LIST;
    RarHandle handle = api.RAROpenArchiveEx(&open);
    if (handle)
        api.RARCloseArchive(handle);
    return SecondsSince(start);
}

// The window's list sorted by a column after a listing of the archive; the
// listing is not timed, each sort is.
std::vector<double> SortTimes(const QString& archive, int column, int runs)
{
    SilentPrompts prompts;
    fMain window(&prompts);
    window.Form_Load(QString());
    QString password;
    RunContext context{window, prompts, nullptr, QString()};
    ProcessArchive(OP_LIST, archive, password, context);
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        window.fileModel()->sort(column, i % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCoreApplication::processEvents();
        seconds.push_back(SecondsSince(start));
    }
    return seconds;
}

// Browsing the window's list of an archive after its listing (not timed):
// the folder tree built again from the rows, entering a folder, and a
// filter keystroke over all folders (until the filter has finished).
struct BrowseTimes
{
    std::vector<double> tree, enter, filter;
};

BrowseTimes BrowseTimesOf(const QString& archive, const QString& folder, int runs)
{
    SilentPrompts prompts;
    fMain window(&prompts);
    window.Form_Load(QString());
    QString password;
    RunContext context{window, prompts, nullptr, QString()};
    ProcessArchive(OP_LIST, archive, password, context);
    BrowseTimes times;
    FolderBrowser& browser = *window.browser();
    const FileRowList& rows = window.fileModel()->rows();
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        FolderTree tree;
        for (const FileRow& row : rows)
            tree.add(row);
        (void)tree.folder(FolderTree::Top).filesBelow;
        times.tree.push_back(SecondsSince(start));
    }
    const std::uint32_t inside = window.fileModel()->folders().find(folder);
    for (int i = 0; i < runs; ++i) {
        browser.goTo(FolderTree::Top);
        QCoreApplication::processEvents();
        const Clock::time_point start = Clock::now();
        browser.goTo(inside);
        QCoreApplication::processEvents();
        times.enter.push_back(SecondsSince(start));
    }
    browser.goTo(FolderTree::Top);
    browser.allFolders()->setChecked(true);
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        browser.filter()->setText(i % 2 ? QStringLiteral("0502") : QStringLiteral("0503"));
        while (browser.filtering())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        times.filter.push_back(SecondsSince(start));
    }
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler(&QuietPlatformNotes);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--child-list"))
        return ChildList(args[2]);

    QString data = qEnvironmentVariable("MARROWICK_BENCH_DATA", QStringLiteral("build-bench/data"));
    int runs = 5;
    bool skipBig = false;
    QList<int> only{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            data = args[++i];
        else if (args[i] == QLatin1String("--runs") && i + 1 < args.size())
            runs = std::max(5, args[++i].toInt());
        else if (args[i] == QLatin1String("--skip-big"))
            skipBig = true;
        else if (args[i] == QLatin1String("--only") && i + 1 < args.size()) {
            only.clear();
            for (const QString& figure : args[++i].split(QLatin1Char(',')))
                only << figure.toInt();
        }
    }
    const QString many = QFileInfo(data + QStringLiteral("/many.rar")).absoluteFilePath();
    const QString big = QFileInfo(data + QStringLiteral("/big.rar")).absoluteFilePath();
    if (!QFileInfo::exists(many) || (!skipBig && !QFileInfo::exists(big))) {
        std::fprintf(stderr, "bench: no archives in %s (make them with bench/make-archives.sh)\n",
                     qUtf8Printable(data));
        return 2;
    }
    const std::string cli = MARROWICK_CLI_PATH;
    const std::string window = MARROWICK_WINDOW_PATH;
    const std::string unrar = "/usr/bin/unrar";
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    QTemporaryDir scratch(data + QStringLiteral("/scratch-XXXXXX"));

    std::printf("Marrowick benchmark: median of %d runs each, side by side\n", runs);

    // 1. The window's listing against the library's bare header loop.
    if (only.contains(1))
        SideBySide(
            "list many.rar (window)", runs, 1.3, "marrowick",
            [&] { return ListThroughWindow(many); }, "bare library",
            [&] { return ListThroughLibrary(many); });

    // 2. marrowick-cli list against unrar lb.
    if (only.contains(2))
        SideBySide(
            "list many.rar (cli)", runs, 1.0, "marrowick-cli",
            [&] {
                return Spawn({cli, "list", many.toStdString()}).seconds;
            },
            "unrar lb",
            [&] {
                return Spawn({unrar, "lb", many.toStdString()}).seconds;
            });

    // 3 and 4. Extraction and test, each archive.
    QStringList archives;
    if (only.contains(3) || only.contains(4))
        archives << many;
    if (!skipBig && !archives.isEmpty())
        archives << big;
    for (const QString& archive : archives) {
        const std::string path = archive.toStdString();
        const std::string label = QFileInfo(archive).fileName().toStdString();
        bool wroteNothing = false;
        if (only.contains(3))
            SideBySide(("extract " + label).c_str(), runs, 1.1, "marrowick-cli",
                       [&] {
                           return IntoEmptyFolder(
                               scratch.path(),
                               [&](const std::string& dest) {
                                   return std::vector<std::string>{cli,      "x",  "--overwrite",
                                                                   "always", path, dest};
                               },
                               &wroteNothing);
                       },
                       "unrar x",
                       [&] {
                           return IntoEmptyFolder(scratch.path(), [&](const std::string& dest) {
                               return std::vector<std::string>{unrar,  "x",  "-o+",
                                                               "-idq", path, dest + "/"};
                           });
                       });
        if (only.contains(3) && wroteNothing)
            std::printf(
                "  (marrowick-cli wrote nothing: this build's engine does not extract yet)\n");
        if (!only.contains(4))
            continue;
        SideBySide(("test " + label).c_str(), runs, 1.1, "marrowick-cli",
                   [&] {
                       return Spawn({cli, "t", path}).seconds;
                   },
                   "unrar t",
                   [&] {
                       return Spawn({unrar, "t", "-idq", path}).seconds;
                   });
        // A test that reports no entry did not test anything.
        const QString report = scratch.filePath(QStringLiteral("test-report.txt"));
        Spawn({cli, "t", path}, false, report.toUtf8().constData());
        if (QFileInfo(report).size() == 0)
            std::printf(
                "  (marrowick-cli tested nothing: this build's engine does not test yet)\n");
    }

    // 5. Peak memory of a process that lists many.rar through the window, and
    // of its reader, added.
    if (only.contains(5)) {
        std::vector<double> peaks;
        for (int i = 0; i < runs; ++i)
            peaks.push_back(
                std::atof(Spawn({self, "--child-list", many.toStdString()}, true).firstLine.c_str()) /
                1024.0);
        const double peak = Median(peaks);
        std::printf("%-28s %-13s %8.1f MB   target <= 90 MB    ratio %.3f\n",
                    "peak memory, list many.rar", "marrowick", peak, peak / 90.0);
    }

    // 7. What a reader costs each run: started, sandboxed, archive opened, ended.
    if (only.contains(7)) {
        std::vector<double> starts;
        for (int i = 0; i < std::max(runs, 21); ++i)
            starts.push_back(ReaderStart(many) * 1000.0);
        const double start = Median(starts);
        std::printf("%-28s %-13s %8.1f ms   target <= 25 ms    ratio %.3f\n", "reader start-up",
                    "marrowick", start, start / 25.0);
    }

    // 8. The list of many.rar sorted by name (natural order) and by size,
    // ascending and descending in turn.
    if (only.contains(8)) {
        for (const auto& [column, label] :
             {std::pair{int(FileListModel::Name), "sort 100,100 rows by name"},
              std::pair{int(FileListModel::Size), "sort 100,100 rows by size"}}) {
            const double ms = Median(SortTimes(many, column, std::max(runs, 6))) * 1000.0;
            std::printf("%-28s %-13s %8.1f ms   target <= 200 ms   ratio %.3f\n", label,
                        "marrowick", ms, ms / 200.0);
        }
        std::fflush(stdout);
    }

    // 10. Browsing many.rar: the folder tree, entering a folder of 1,000
    // entries, a filter keystroke over every folder.
    if (only.contains(10)) {
        const BrowseTimes times = BrowseTimesOf(many, QStringLiteral("dir060"), std::max(runs, 7));
        const double tree = Median(times.tree) * 1000.0, enter = Median(times.enter) * 1000.0,
                     filter = Median(times.filter) * 1000.0;
        std::printf("%-28s %-13s %8.1f ms   target <= 60 ms    ratio %.3f\n",
                    "folder tree, 100,100 rows", "marrowick", tree, tree / 60.0);
        std::printf("%-28s %-13s %8.1f ms   target <= 10 ms    ratio %.3f\n",
                    "enter a folder of 1,000", "marrowick", enter, enter / 10.0);
        std::printf("%-28s %-13s %8.1f ms   target <= 50 ms    ratio %.3f\n",
                    "filter keystroke, 100,100", "marrowick", filter, filter / 50.0);
        std::fflush(stdout);
    }

    // 9. One named entry of many.rar, the last one, against the whole archive:
    // every header is still read, but only one entry is unpacked and written.
    if (only.contains(9)) {
        const std::string path = many.toStdString();
        const std::string last =
            qEnvironmentVariable("MARROWICK_BENCH_ENTRY", QStringLiteral("dir099/file0999.txt"))
                .toStdString();
        bool wroteNothing = false;
        SideBySide(
            "extract 1 entry of many.rar", runs, 1.0, "x ARC DEST NAME",
            [&] {
                return IntoEmptyFolder(
                    scratch.path(),
                    [&](const std::string& dest) {
                        return std::vector<std::string>{cli, "x", path, dest, last};
                    },
                    &wroteNothing);
            },
            "x ARC DEST",
            [&] {
                return IntoEmptyFolder(scratch.path(), [&](const std::string& dest) {
                    return std::vector<std::string>{cli, "x", path, dest};
                });
            });
        if (wroteNothing)
            std::printf("  (the named entry %s was not written)\n", last.c_str());
    }

    // 10. many.rar over an existing copy of itself: every file is replaced,
    // which marrowick-cli does only once the new files are on disk (a flush
    // of the file system per batch) and unrar does without a flush.
    if (only.contains(10)) {
        const std::string path = many.toStdString();
        const QString ours = scratch.path() + QStringLiteral("/over-ours");
        const QString theirs = scratch.path() + QStringLiteral("/over-theirs");
        for (const QString& dest : {ours, theirs}) {
            QDir().mkpath(dest);
            Spawn({unrar, "x", "-o+", "-idq", path, dest.toStdString() + "/"});
        }
        SideBySide(
            "extract many.rar over a copy", runs, 1.1, "marrowick-cli",
            [&] {
                return Spawn({cli, "x", "--overwrite", "always", path, ours.toStdString()}).seconds;
            },
            "unrar x -o+",
            [&] {
                return Spawn({unrar, "x", "-o+", "-idq", path, theirs.toStdString() + "/"}).seconds;
            });
    }

    // 11. The reader's own work: a named entry, test and extraction with one
    // reader and with two.
    if (only.contains(11))
        bench::BenchReaderRows(
            {[](const std::vector<std::string>& command) { return Spawn(command).seconds; },
             [&](const auto& command) { return IntoEmptyFolder(scratch.path(), command); },
             [&](const char* what, double target, const char* ours, const auto& runOurs,
                 const char* theirs, const auto& runTheirs) {
                 SideBySide(what, runs, target, ours, runOurs, theirs, runTheirs);
             }},
            cli, unrar, many.toStdString());

    // 6. Start-up to the first painted window.
    if (!only.contains(6))
        return 0;
    qputenv("MARROWICK_EXIT_ON_FIRST_PAINT", "1");
    std::vector<double> starts;
    for (int i = 0; i < std::max(runs, 9); ++i) {
        const ChildResult run = Spawn({window}, true);
        if (run.firstLine != "painted")
            std::fprintf(stderr, "bench: marrowick did not report its first paint\n");
        starts.push_back(run.firstLineSeconds * 1000.0);
    }
    qunsetenv("MARROWICK_EXIT_ON_FIRST_PAINT");
    const double start = Median(starts);
    std::printf("%-28s %-13s %8.1f ms   target <= 300 ms   ratio %.3f\n", "start-up to first paint",
                "marrowick", start, start / 300.0);
    return 0;
}
