// Lists one archive into the real main window and reports how it went: time,
// peak memory, and how long the window went without handling events (the
// longest gap between two event pumps of the run, and between the end of the
// walk and the icons). Usage: bench_million_list ARCHIVE
#include "engine/modRAR.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/fMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

using namespace marrowick;

namespace {

// Passes everything to the window, timing the calls that matter.
class TimedView final : public IArchiveView
{
public:
    explicit TimedView(fMain& window) : m_window(window) { m_clock.start(); }

    void showWindow() override { m_window.showWindow(); }
    void processEvents() override
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (now - m_last > maxGapNs) {
            maxGapNs = now - m_last;
            maxGapRows = m_window.rowCount();
        }
        m_last = now;
        ++pumps;
        timed(maxEventsNs, [this] { m_window.processEvents(); });
    }
    void repaint() override
    {
        timed(maxRepaintNs, [this] { m_window.repaint(); });
    }
    void setTitle(const QString& title) override { m_window.setTitle(title); }
    void clearRows() override { m_window.clearRows(); }
    int rowCount() const override { return m_window.rowCount(); }
    void appendRows(std::vector<FileRow>&& rows) override
    {
        timed(maxAppendNs, [&] { m_window.appendRows(std::move(rows)); });
    }
    void setPanelText(int panel, const QString& text) override { m_window.setPanelText(panel, text); }
    void setPanelVisible(int panel, bool visible) override { m_window.setPanelVisible(panel, visible); }
    void showIconsForFiles() override
    {
        QElapsedTimer icons;
        icons.start();
        m_window.showIconsForFiles();
        iconsNs = icons.nsecsElapsed();
        walkEndGapNs = m_clock.nsecsElapsed() - m_last - iconsNs;
    }
    void runStarted() override
    {
        m_last = m_clock.nsecsElapsed();
        m_window.runStarted();
    }
    void runFinished() override { m_window.runFinished(); }
    bool cancelRequested() const override { return m_window.cancelRequested(); }

    // The longest single call of each kind: what a long gap was made of.
    template <typename Call>
    void timed(qint64& longest, Call call)
    {
        const qint64 start = m_clock.nsecsElapsed();
        call();
        longest = std::max(longest, m_clock.nsecsElapsed() - start);
    }

    qint64 maxGapNs = 0;
    int maxGapRows = 0; // rows listed when the longest gap ended
    qint64 maxEventsNs = 0;
    qint64 maxRepaintNs = 0;
    qint64 maxAppendNs = 0;
    qint64 walkEndGapNs = 0;
    qint64 iconsNs = 0;
    int pumps = 0;

private:
    fMain& m_window;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};

long PeakKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    // As the window itself runs: the library reads the zone file once.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_million_list ARCHIVE\n");
        return 2;
    }
    fMain window;
    window.Form_Load(QString());
    window.show();
    QApplication::processEvents();
    const long before = PeakKiB();

    TimedView view(window);
    QString password;
    RunContext context{view, window.prompts(), nullptr, QString()};
    QElapsedTimer total;
    total.start();
    ProcessArchive(OP_LIST, QString::fromLocal8Bit(argv[1]), password, context);
    const qint64 ms = total.elapsed();

    std::printf("rows %d\ntime %lld ms\npeak RSS %ld MiB (window alone %ld MiB)\n"
                "event pumps %d, longest gap between pumps %.1f ms (ended at row %d)\n"
                "longest event handling %.1f ms, repaint %.1f ms, batch of rows %.1f ms\n"
                "end of walk to icons %.1f ms, icons %.1f ms\n",
                window.rowCount(), static_cast<long long>(ms), PeakKiB() / 1024, before / 1024,
                view.pumps, view.maxGapNs / 1e6, view.maxGapRows, view.maxEventsNs / 1e6,
                view.maxRepaintNs / 1e6, view.maxAppendNs / 1e6, view.walkEndGapNs / 1e6, view.iconsNs / 1e6);

    // The folder tree built again from the rows, and a filter keystroke over
    // every folder, with the longest time the window's events waited meanwhile.
    QElapsedTimer tree;
    tree.start();
    FolderTree again;
    for (const FileRow& row : window.fileModel()->rows())
        again.add(row);
    (void)again.folder(FolderTree::Top).filesBelow;
    const qint64 treeNs = tree.nsecsElapsed();
    FolderBrowser& browser = *window.browser();
    browser.allFolders()->setChecked(true);
    qint64 longestWait = 0, lastTick = 0;
    QElapsedTimer filter;
    QTimer ticks;
    ticks.setInterval(0);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, filter.nsecsElapsed() - lastTick);
        lastTick = filter.nsecsElapsed();
    });
    filter.start();
    ticks.start();
    browser.filter()->setText(QStringLiteral("0503"));
    while (browser.filtering())
        QApplication::processEvents();
    const qint64 filterNs = filter.nsecsElapsed();
    std::printf("folder tree %.1f ms\nfilter keystroke (all folders) %.1f ms, %s, longest wait of the "
                "window's events %.1f ms\n",
                treeNs / 1e6, filterNs / 1e6, qPrintable(browser.countText()), longestWait / 1e6);
    return 0;
}
