// The figures taken inside this process, through the real window and the
// library loaded right here: listing, memory, the reader's start, sorting
// and browsing.
#include "bench/Bench.h"

#include "engine/UnrarLibrary.h"
#include "engine/modRAR.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/fMain.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <cstdlib>

#include <sys/resource.h>

namespace marrowick::bench {

namespace {

double CpuSeconds(const rusage& usage)
{
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

WindowListing ListIntoWindow(const QString& archive)
{
    SilentPrompts prompts;
    fMain window(&prompts);
    window.Form_Load(QString());
    QString password;
    RunContext context{window, prompts, nullptr, QString()};
    WindowListing listing;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const Clock::time_point start = Clock::now();
    ProcessArchive(OP_LIST, archive, password, context);
    QCoreApplication::processEvents();
    listing.seconds = SecondsSince(start);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    listing.cpuSeconds = CpuSeconds(after) - CpuSeconds(before);
    listing.rows = window.rowCount();
    if (listing.rows == 0)
        std::fprintf(stderr, "bench: the window listed nothing\n");
    return listing;
}

namespace {

// The engine and the whole window: rows into the model, totals, title, icons.
double ListThroughWindow(const QString& archive)
{
    return ListIntoWindow(archive).seconds;
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

// 1. The window's listing against the library's bare header loop.
void ListWindowRow(const Setup& setup)
{
    SideBySide(
        "list many.rar (window)", setup.runs, 1.3, "marrowick",
        [&] { return ListThroughWindow(setup.many); }, "bare library",
        [&] { return ListThroughLibrary(setup.many); });
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

// 5. Peak memory of a process that lists many.rar through the window, and
// of its reader, added.
void PeakMemoryRow(const Setup& setup)
{
    std::vector<double> peaks;
    for (int i = 0; i < setup.runs; ++i)
        peaks.push_back(
            std::atof(Spawn({setup.self, "--child-list", setup.many.toStdString()}, true)
                          .firstLine.c_str()) /
            1024.0);
    const double peak = Median(peaks);
    std::printf("%-28s %-13s %8.1f MB   target <= 90 MB    ratio %.3f\n",
                "peak memory, list many.rar", "marrowick", peak, peak / 90.0);
}

// 7. What a reader costs each run: started, sandboxed, archive opened, ended.
void ReaderStartRow(const Setup& setup)
{
    std::vector<double> starts;
    for (int i = 0; i < std::max(setup.runs, 21); ++i)
        starts.push_back(ReaderStart(setup.many) * 1000.0);
    const double start = Median(starts);
    std::printf("%-28s %-13s %8.1f ms   target <= 25 ms    ratio %.3f\n", "reader start-up",
                "marrowick", start, start / 25.0);
}

// 8. The list of many.rar sorted by name (natural order) and by size,
// ascending and descending in turn.
void SortRows(const Setup& setup)
{
    for (const auto& [column, label] :
         {std::pair{int(FileListModel::Name), "sort 100,100 rows by name"},
          std::pair{int(FileListModel::Size), "sort 100,100 rows by size"}}) {
        const double ms = Median(SortTimes(setup.many, column, std::max(setup.runs, 6))) * 1000.0;
        std::printf("%-28s %-13s %8.1f ms   target <= 200 ms   ratio %.3f\n", label,
                    "marrowick", ms, ms / 200.0);
    }
    std::fflush(stdout);
}

// 10. Browsing many.rar: the folder tree, entering a folder of 1,000
// entries, a filter keystroke over every folder.
void BrowseRows(const Setup& setup)
{
    const BrowseTimes times =
        BrowseTimesOf(setup.many, QStringLiteral("dir060"), std::max(setup.runs, 7));
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

} // namespace marrowick::bench
