// CWinHelp: what it checks before it asks the help engine, and the request
// each method sends.
#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/WindowHandles.h"

#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

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

const std::function<void(CWinHelp&)> Requests[] = {
    [](CWinHelp& h) { h.RunMacro("JumpId(`x')"); }, [](CWinHelp& h) { h.Search("password"); },
    [](CWinHelp& h) { h.ShowContents(); },          [](CWinHelp& h) { h.ShowContext(30); },
    [](CWinHelp& h) { h.ShowFinder(); },            [](CWinHelp& h) { h.ShowHelpOnHelp(); },
    [](CWinHelp& h) { h.ShowSearch(); }};

} // namespace

class TestCWinHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        for (const char* name : {"guide.html", "notes[1].txt"}) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(m_dir.path()).mkdir("folder"));
        QVERIFY(QFile::link(m_dir.filePath("gone"), m_dir.filePath("dangling")));
    }
    void init() { RecordingWinHelp::Install(); }
    void cleanup() { RecordingWinHelp::Remove(); }

    void fileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::int32_t>("error");
        QTest::newRow("empty") << "" << WinHelpError::InvalidFileName;
        QTest::newRow("spaces only") << "    " << WinHelpError::InvalidFileName;
        QTest::newRow("missing") << "@/missing.html" << WinHelpError::FileNotFound;
        QTest::newRow("inside a missing folder") << "@/nowhere/guide.html" << WinHelpError::FileNotFound;
        QTest::newRow("star matches") << "@/*.html" << 0;
        QTest::newRow("pattern without match") << "@/*.pdf" << WinHelpError::FileNotFound;
        QTest::newRow("brackets taken literally") << "@/notes[1].txt" << 0;
        QTest::newRow("folder") << "@/folder" << 0;
        QTest::newRow("link to nothing is an entry") << "@/dangling" << 0;
    }
    void fileNames()
    {
        QFETCH(QString, name);
        QFETCH(std::int32_t, error);
        name.replace("@", m_dir.path());
        CWinHelp help;
        help.setFileName(m_dir.filePath("guide.html"));
        QCOMPARE(RaisedBy([&] { help.setFileName(name); }), error);
        QCOMPARE(RaisedBy([&] { CWinHelp().Init(name); }), error);
        // A refused name leaves the previous one in place.
        QCOMPARE(help.FileName(), error ? m_dir.filePath("guide.html") : name);
    }

    // Init lets zero and negative owners through untested; the setter takes
    // live windows only.
    void owners()
    {
        QWidget live;
        int dead = 0;
        {
            QWidget closed;
            dead = WindowHandle(&closed);
        }
        const QString guide = m_dir.filePath("guide.html");
        for (const int owner : {0, -42, WindowHandle(&live)})
            QCOMPARE(RaisedBy([&] { CWinHelp().Init(guide, owner); }), 0);
        QCOMPARE(RaisedBy([&] { CWinHelp().Init(guide, dead); }), WinHelpError::InvalidWindowHandle);
        CWinHelp help;
        QCOMPARE(RaisedBy([&] { help.setHWndOwner(0); }), WinHelpError::InvalidWindowHandle);
        QCOMPARE(RaisedBy([&] { help.setHWndOwner(WindowHandle(&live)); }), 0);
        QCOMPARE(RaisedBy([&] { help.setHWndOwner(dead); }), WinHelpError::InvalidWindowHandle);
        QCOMPARE(help.HWndOwner(), WindowHandle(&live));
    }

    void requests_data()
    {
        QTest::addColumn<int>("request");
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QVariant>("data");
        QTest::newRow("RunMacro") << 0 << 0x102u << QVariant("JumpId(`x')");
        QTest::newRow("Search") << 1 << 0x105u << QVariant("password");
        QTest::newRow("ShowContents") << 2 << 3u << QVariant(0);
        QTest::newRow("ShowContext") << 3 << 1u << QVariant(30);
        QTest::newRow("ShowFinder") << 4 << 11u << QVariant(0);
        QTest::newRow("ShowHelpOnHelp") << 5 << 4u << QVariant(0);
        QTest::newRow("ShowSearch") << 6 << 0x105u << QVariant(QString());
    }
    void requests()
    {
        QFETCH(int, request);
        QFETCH(unsigned, command);
        QFETCH(QVariant, data);
        QWidget owner;
        const int hWnd = WindowHandle(&owner);
        {
            // Before a file is set every request is refused without asking the engine.
            CWinHelp help;
            QCOMPARE(RaisedBy([&] { Requests[request](help); }), WinHelpError::NotInitialized);
            QVERIFY(RecordingWinHelp::calls.empty());

            help.Init(m_dir.filePath("guide.html"), hWnd);
            Requests[request](help);
            QCOMPARE(RecordingWinHelp::calls.size(), size_t(1));
            const auto& call = RecordingWinHelp::calls.front();
            QCOMPARE(call.owner, hWnd);
            QCOMPARE(call.command, command);
            if (data.typeId() == QMetaType::Int)
                QCOMPARE(std::get<std::int32_t>(call.data), data.toInt());
            else
                QCOMPARE(std::get<QString>(call.data), data.toString());

            // The engine says no, or breaks.
            RecordingWinHelp::answer = 0;
            QCOMPARE(RaisedBy([&] { Requests[request](help); }), WinHelpError::CallFailed);
            RecordingWinHelp::throwInstead = true;
            QCOMPARE(RaisedBy([&] { Requests[request](help); }), WinHelpError::ComponentFailure);
            RecordingWinHelp::calls.clear();
        }
        // Release sends its quit for the file, and swallows the failure.
        QCOMPARE(RecordingWinHelp::calls.size(), size_t(1));
        QCOMPARE(RecordingWinHelp::calls.front().command, 2u);
        QCOMPARE(RecordingWinHelp::calls.front().file, m_dir.filePath("guide.html"));
    }
};

QTEST_MAIN(TestCWinHelp)
#include "tst_cwinhelp.moc"
