// The Help command, CWinHelp's requests to the help engine (a recording one),
// and our engine, the viewer over the HTML guide.
#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "help/LaunchHelp.h"
#include "help/WindowHandles.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <functional>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

const char* const kGuide = R"(<html><head><title>Small Guide</title></head><body>
<h2><a name="topic10"></a>Opening <i>an</i> archive</h2>
<!-- keywords: open; Archive; drag and drop -->
<p>Open text.</p>
<h2><a name="topic20"></a>Passwords &amp; keys</h2>
<!-- keywords: password;  wrong password ; -->
<p>Password text.</p>
</body></html>)";

// The number the call raised, or 0.
std::int32_t RaisedBy(const std::function<void()>& body)
{
    try {
        body();
    } catch (const ComponentError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir, m_empty;
    QStringList m_boxes;
    QString guide() const { return m_dir.filePath("marrowick-help.html"); }
    void launch(const QString& folder)
    {
        LaunchHelp(nullptr, folder, [this](QWidget*, const QString& text, const QString&) { m_boxes << text; });
    }

private slots:
    void initTestCase()
    {
        QFile file(guide());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kGuide) > 0);
        // Another spelling of the name must not stand in for ours.
        QFile other(m_empty.filePath("Marrowick-Help.HTML"));
        QVERIFY(other.open(QIODevice::WriteOnly));
    }
    void init()
    {
        RecordingWinHelp::Install();
        m_boxes.clear();
    }
    void cleanup()
    {
        ReleaseProgramHelp();
        RecordingWinHelp::Remove();
    }

    // The contents, then a quit when launched again or released; a box when
    // there is no guide.
    void launch()
    {
        launch(m_dir.path() + '/');
        launch(m_dir.path());
        ReleaseProgramHelp();
        launch(m_empty.path());
        QStringList calls;
        for (const auto& call : RecordingWinHelp::calls)
            calls << QStringLiteral("%1 %2").arg(call.command).arg(QDir::cleanPath(call.file));
        QCOMPARE(calls, QStringList({"3 " + guide(), "2 " + guide(), "3 " + guide(), "2 " + guide()}));
        QCOMPARE(m_boxes, QStringList{"Marrowick Documentation is not available."});
        RecordingWinHelp::answer = 0;
        QCOMPARE(RaisedBy([&] { launch(m_dir.path()); }), WinHelpError::CallFailed);
    }

    void requests_data()
    {
        QTest::addColumn<std::function<void(CWinHelp&)>>("request");
        QTest::addColumn<QString>("sent");
        using H = CWinHelp&;
        QTest::newRow("RunMacro") << std::function([](H h) { h.RunMacro("JumpId(`x')"); }) << "258 JumpId(`x')";
        QTest::newRow("Search") << std::function([](H h) { h.Search("key"); }) << "261 key";
        QTest::newRow("ShowContents") << std::function([](H h) { h.ShowContents(); }) << "3 0";
        QTest::newRow("ShowContext") << std::function([](H h) { h.ShowContext(30); }) << "1 30";
        QTest::newRow("ShowFinder") << std::function([](H h) { h.ShowFinder(); }) << "11 0";
        QTest::newRow("ShowHelpOnHelp") << std::function([](H h) { h.ShowHelpOnHelp(); }) << "4 0";
        QTest::newRow("ShowSearch") << std::function([](H h) { h.ShowSearch(); }) << "261 ";
    }
    void requests()
    {
        QFETCH(std::function<void(CWinHelp&)>, request);
        QFETCH(QString, sent);
        QWidget owner;
        const int hWnd = WindowHandle(&owner);
        {
            // Before a file is set every request is refused without asking the engine.
            CWinHelp help;
            QCOMPARE(RaisedBy([&] { request(help); }), WinHelpError::NotInitialized);
            QVERIFY(RecordingWinHelp::calls.empty());
            help.Init(guide(), hWnd);
            request(help);
            const auto& call = RecordingWinHelp::calls.at(0);
            QCOMPARE(call.owner, hWnd);
            QCOMPARE(QStringLiteral("%1 %2").arg(call.command).arg(std::holds_alternative<QString>(call.data)
                                    ? std::get<QString>(call.data) : QString::number(std::get<std::int32_t>(call.data))),
                     sent);
            // The engine says no, or breaks.
            RecordingWinHelp::answer = 0;
            QCOMPARE(RaisedBy([&] { request(help); }), WinHelpError::CallFailed);
            RecordingWinHelp::throwInstead = true;
            QCOMPARE(RaisedBy([&] { request(help); }), WinHelpError::ComponentFailure);
            RecordingWinHelp::calls.clear();
        }
        // Release sends its quit for the file, and swallows the failure.
        QCOMPARE(RecordingWinHelp::calls.at(0).command, 2u);
    }

    // Our engine: the page each request shows, in one window per file.
    void viewer_data()
    {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<QString>("shows"); // "": no window
        QTest::newRow("contents") << unsigned(HELP_CONTENTS) << QVariant(0) << "Open text.";
        QTest::newRow("known topic") << unsigned(HELP_CONTEXT) << QVariant(20) << "Password text.";
        QTest::newRow("no such topic") << unsigned(HELP_CONTEXT) << QVariant(30) << "";
        // The index by prefix, without case, then by what the keyword contains.
        QTest::newRow("keyword prefix") << unsigned(HELP_PARTIALKEY) << QVariant("ARCH") << "Archive";
        QTest::newRow("keyword inside") << unsigned(HELP_PARTIALKEY) << QVariant("word") << "wrong password";
    }
    void viewer()
    {
        QFETCH(unsigned, command);
        QFETCH(QVariant, data);
        QFETCH(QString, shows);
        RecordingWinHelp::Remove();
        const HelpData request = data.typeId() == QMetaType::Int ? HelpData(std::int32_t(data.toInt()))
                                                                 : HelpData(data.toString());
        QCOMPARE(WinHelpA(0, guide(), command, request), shows.isEmpty() ? 0 : 1);
        HelpViewer* viewer = HelpViewer::find(guide());
        QCOMPARE(viewer != nullptr, !shows.isEmpty());
        if (viewer) {
            QCOMPARE(viewer->windowTitle(), QStringLiteral("Small Guide"));
            const QString text = viewer->browser()->toPlainText();
            QVERIFY2(text.contains(shows) && (command != HELP_PARTIALKEY || !text.contains("drag")), qPrintable(text));
            QCOMPARE(WinHelpA(0, guide(), HELP_FINDER, std::int32_t(0)), 1);
            QCOMPARE(HelpViewer::find(guide()), viewer);
        }
        QCOMPARE(WinHelpA(0, guide(), HELP_QUIT, std::int32_t(0)), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(HelpViewer::find(guide()), nullptr);
    }

    // Every topic of the guide we ship has keywords and a link to it.
    void shippedGuide()
    {
        QFile file(MARROWICK_HELP_FILE);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QList<int> numbers;
        for (const auto& topic : ParseHelpTopics(html)) {
            numbers << topic.context;
            QVERIFY2(!topic.keywords.isEmpty(), qPrintable(topic.title));
            QVERIFY(html.contains(QStringLiteral("href=\"#%1\"").arg(TopicAnchor(topic.context))));
        }
        QCOMPARE(numbers, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
