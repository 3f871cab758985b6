#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/WindowHandles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <optional>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

enum Operation { OpRunMacro, OpSearch, OpShowContents, OpShowContext, OpShowFinder,
                 OpShowHelpOnHelp, OpShowSearch, OpCloseFile };

void Run(CWinHelp& help, int op)
{
    switch (op) {
    case OpRunMacro: help.RunMacro(QStringLiteral("JumpId(`x')")); break;
    case OpSearch: help.Search(QStringLiteral("password")); break;
    case OpShowContents: help.ShowContents(); break;
    case OpShowContext: help.ShowContext(30); break;
    case OpShowFinder: help.ShowFinder(); break;
    case OpShowHelpOnHelp: help.ShowHelpOnHelp(); break;
    case OpShowSearch: help.ShowSearch(); break;
    case OpCloseFile: help.CloseFile(); break;
    }
}

// The number an operation raised, or nothing.
template <typename Body>
std::optional<std::int32_t> RaisedBy(Body&& body, ComponentError* copy = nullptr)
{
    try {
        body();
    } catch (const ComponentError& e) {
        if (copy)
            *copy = e;
        return e.number();
    }
    return std::nullopt;
}

} // namespace

class TestCWinHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_guide;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_guide = path(QStringLiteral("guide.html"));
        for (const QString& name : {QStringLiteral("guide.html"), QStringLiteral("notes[1].txt"),
                                    QStringLiteral("other guide.html")}) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html></html>");
        }
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(path(QStringLiteral("gone")), path(QStringLiteral("dangling"))));
    }

    void init() { RecordingWinHelp::Install(); }
    void cleanup() { RecordingWinHelp::Remove(); }

    void errorTable_data()
    {
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("not initialised") << 0x8004481Du << "Object not properly initialized";
        QTest::newRow("file name") << 0x8004481Eu << "Invalid file name";
        QTest::newRow("not found") << 0x8004481Fu << "File not found";
        QTest::newRow("window") << 0x80044820u << "Invalid window handle";
        QTest::newRow("call") << 0x80044821u << "Call to WinHelp failed";
        QTest::newRow("component") << 0x80044822u << "CWinHelp component failure";
    }
    void errorTable()
    {
        QFETCH(quint32, number);
        QFETCH(QString, description);
        const auto signedNumber = static_cast<std::int32_t>(number);
        QVERIFY(signedNumber < 0);
        QCOMPARE(WinHelpErrorDescription(signedNumber), description);
    }

    void fileNameChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("relative");
        QTest::addColumn<std::int32_t>("error");
        const std::int32_t none = 0;
        QTest::newRow("empty") << "" << false << WinHelpError::InvalidFileName;
        QTest::newRow("spaces only") << "    " << false << WinHelpError::InvalidFileName;
        QTest::newRow("tab is a name, not a file") << "\t" << false << WinHelpError::FileNotFound;
        QTest::newRow("missing") << "missing.html" << true << WinHelpError::FileNotFound;
        QTest::newRow("plain file") << "guide.html" << true << none;
        QTest::newRow("blank in name") << "other guide.html" << true << none;
        QTest::newRow("star matches") << "*.html" << true << none;
        QTest::newRow("pattern without match") << "*.pdf" << true << WinHelpError::FileNotFound;
        QTest::newRow("folder") << "folder" << true << none;
        QTest::newRow("brackets taken literally") << "notes[1].txt" << true << none;
        QTest::newRow("link to nothing is an entry") << "dangling" << true << none;
        QTest::newRow("inside a missing folder") << "nowhere/guide.html" << true
                                                 << WinHelpError::FileNotFound;
    }
    void fileNameChecks()
    {
        QFETCH(QString, name);
        QFETCH(bool, relative);
        QFETCH(std::int32_t, error);
        const QString value = relative ? path(name) : name;

        CWinHelp viaSetter;
        viaSetter.setFileName(m_guide);
        const auto raised = RaisedBy([&] { viaSetter.setFileName(value); });
        CWinHelp viaInit;
        viaInit.Init(m_guide);
        const auto raisedByInit = RaisedBy([&] { viaInit.Init(value, 0); });

        if (error == 0) {
            QCOMPARE(raised, std::nullopt);
            QCOMPARE(raisedByInit, std::nullopt);
            QCOMPARE(viaSetter.FileName(), value);
            QCOMPARE(viaInit.FileName(), value);
        } else {
            QCOMPARE(raised, error);
            QCOMPARE(raisedByInit, error);
            // A refused name leaves the previous one in place.
            QCOMPARE(viaSetter.FileName(), m_guide);
            QCOMPARE(viaInit.FileName(), m_guide);
        }
        // The checks never ask the engine anything.
        RecordingWinHelp::calls.clear();
    }

    // Init lets zero and negative owners through untested; the setter takes
    // live windows only.
    void owner_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("refusedByInit");
        QTest::addColumn<bool>("refusedBySetter");
        QTest::newRow("zero") << "zero" << false << true;
        QTest::newRow("negative") << "negative" << false << true;
        QTest::newRow("live window") << "live" << false << false;
        QTest::newRow("positive, no window") << "unknown" << true << true;
        QTest::newRow("window that was closed") << "dead" << true << true;
    }
    void owner()
    {
        QFETCH(QString, owner);
        QFETCH(bool, refusedByInit);
        QFETCH(bool, refusedBySetter);
        QWidget live;
        const int liveHandle = WindowHandle(&live);
        int deadHandle = 0;
        {
            QWidget dead;
            deadHandle = WindowHandle(&dead);
        }
        const QHash<QString, int> handles{{QStringLiteral("zero"), 0},
                                          {QStringLiteral("negative"), -42},
                                          {QStringLiteral("live"), liveHandle},
                                          {QStringLiteral("unknown"), 999999},
                                          {QStringLiteral("dead"), deadHandle}};
        const int hWnd = handles.value(owner);
        const auto refused = std::optional(WinHelpError::InvalidWindowHandle);

        CWinHelp help;
        help.Init(m_guide, liveHandle);
        const QString other = path(QStringLiteral("other guide.html"));
        const auto raised = RaisedBy([&] { help.Init(other, hWnd); });
        // The file is accepted before the owner is looked at.
        QCOMPARE(help.FileName(), other);
        QCOMPARE(raised, refusedByInit ? refused : std::nullopt);
        QCOMPARE(help.HWndOwner(), refusedByInit ? liveHandle : hWnd);

        CWinHelp viaSetter;
        QCOMPARE(RaisedBy([&] { viaSetter.setHWndOwner(hWnd); }),
                 refusedBySetter ? refused : std::nullopt);
        QCOMPARE(viaSetter.HWndOwner(), refusedBySetter ? 0 : hWnd);
    }

    void requests_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QVariant>("data");
        QTest::newRow("RunMacro") << int(OpRunMacro) << 0x102u << QVariant(QStringLiteral("JumpId(`x')"));
        QTest::newRow("Search") << int(OpSearch) << 0x105u << QVariant(QStringLiteral("password"));
        QTest::newRow("ShowContents") << int(OpShowContents) << 3u << QVariant(0);
        QTest::newRow("ShowContext") << int(OpShowContext) << 1u << QVariant(30);
        QTest::newRow("ShowFinder") << int(OpShowFinder) << 11u << QVariant(0);
        QTest::newRow("ShowHelpOnHelp") << int(OpShowHelpOnHelp) << 4u << QVariant(0);
        QTest::newRow("ShowSearch, empty text") << int(OpShowSearch) << 0x105u << QVariant(QString());
        QTest::newRow("CloseFile, empty text") << int(OpCloseFile) << 2u << QVariant(QString());
    }
    void requests()
    {
        QFETCH(int, op);
        QFETCH(unsigned, command);
        QFETCH(QVariant, data);
        QWidget owner;
        const int hWnd = WindowHandle(&owner);
        {
            CWinHelp neverInitialised; // nothing to quit on release
        }
        QVERIFY(RecordingWinHelp::calls.empty());
        {
            // Before a file is set every request is refused without asking the
            // engine; closing nothing is no error.
            CWinHelp help;
            QCOMPARE(help.FileName(), QString());
            QCOMPARE(help.HWndOwner(), 0);
            ComponentError refused(0, {}, {});
            if (op == OpCloseFile) {
                QCOMPARE(RaisedBy([&] { Run(help, op); }), std::nullopt);
            } else {
                QCOMPARE(RaisedBy([&] { Run(help, op); }, &refused),
                         WinHelpError::NotInitialized);
                QCOMPARE(refused.description(), QStringLiteral("Object not properly initialized"));
                QCOMPARE(refused.source(), ErrorSource(QStringLiteral("CWinHelp")));
            }
            QVERIFY(RecordingWinHelp::calls.empty());

            help.Init(m_guide, hWnd);
            Run(help, op);
            QCOMPARE(RecordingWinHelp::calls.size(), size_t(1));
            const auto& call = RecordingWinHelp::calls.front();
            QCOMPARE(call.owner, hWnd);
            QCOMPARE(call.file, m_guide);
            QCOMPARE(call.command, command);
            if (data.typeId() == QMetaType::QString) {
                QVERIFY(std::holds_alternative<QString>(call.data));
                QCOMPARE(std::get<QString>(call.data), data.toString());
            } else {
                QVERIFY(std::holds_alternative<std::int32_t>(call.data));
                QCOMPARE(std::get<std::int32_t>(call.data), data.toInt());
            }

            // The engine says no: every request raises the same error.
            RecordingWinHelp::answer = 0;
            ComponentError error(0, {}, {});
            QCOMPARE(RaisedBy([&] { Run(help, op); }, &error), WinHelpError::CallFailed);
            QCOMPARE(error.description(), QStringLiteral("Call to WinHelp failed"));
            QVERIFY(error.source().endsWith(QLatin1String(".CWinHelp")));
            QVERIFY(error.number() < 0);

            // Anything else going wrong in the engine is a component failure.
            RecordingWinHelp::throwInstead = true;
            QCOMPARE(RaisedBy([&] { Run(help, op); }), WinHelpError::ComponentFailure);
            RecordingWinHelp::calls.clear();
        }
        // Release still sends its quit for the file, and swallows the failure.
        QCOMPARE(RecordingWinHelp::calls.size(), size_t(1));
        const auto& quit = RecordingWinHelp::calls.front();
        QCOMPARE(quit.command, 2u);
        QCOMPARE(quit.owner, hWnd);
        QCOMPARE(quit.file, m_guide);
        QCOMPARE(std::get<std::int32_t>(quit.data), 0);
    }

    void runMacroFailsWithOurViewer()
    {
        RecordingWinHelp::Remove();
        CWinHelp help;
        help.setFileName(m_guide);
        QCOMPARE(RaisedBy([&] { help.RunMacro(QStringLiteral("CloseWindow(`main')")); }),
                 WinHelpError::CallFailed);
    }

    void windowHandles()
    {
        QCOMPARE(WindowHandle(nullptr), 0);
        QVERIFY(!IsWindow(0));
        auto first = std::make_unique<QWidget>();
        const int handle = WindowHandle(first.get());
        QVERIFY(handle > 0);
        QCOMPARE(WindowHandle(first.get()), handle);
        QVERIFY(IsWindow(handle));
        first.reset();
        QVERIFY(!IsWindow(handle));
        // A new window never inherits a number that named an old one.
        QWidget second;
        QVERIFY(WindowHandle(&second) != handle);
        QVERIFY(!IsWindow(handle));
    }
};

QTEST_MAIN(TestCWinHelp)
#include "tst_cwinhelp.moc"
