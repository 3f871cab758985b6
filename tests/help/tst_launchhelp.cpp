// The Help command: the guide beside the program, or a box saying there is none.
#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/LaunchHelp.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

class TestLaunchHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_withFile, m_withoutFile;
    QStringList m_boxes;

    void launch(const QString& folder)
    {
        LaunchHelp(nullptr, folder, [this](QWidget*, const QString& text, const QString& title) {
            m_boxes << text + '|' + title;
        });
    }

private slots:
    void initTestCase()
    {
        QFile file(m_withFile.filePath("marrowick-help.html"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Another spelling of the name must not stand in for ours.
        QFile other(m_withoutFile.filePath("Marrowick-Help.HTML"));
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

    void missingFile()
    {
        launch(m_withoutFile.path());
        QCOMPARE(m_boxes, QStringList{"Marrowick Documentation is not available.|Marrowick"});
        QVERIFY(RecordingWinHelp::calls.empty());
    }

    // The contents, then a quit when released or launched again.
    void contentsThenQuit()
    {
        launch(m_withFile.path() + '/');
        launch(m_withFile.path());
        ReleaseProgramHelp();
        QCOMPARE(ProgramHelp(), nullptr);
        QVERIFY(m_boxes.isEmpty());
        QStringList calls;
        for (const auto& call : RecordingWinHelp::calls)
            calls << QStringLiteral("%1 %2").arg(call.command).arg(QDir::cleanPath(call.file));
        const QString guide = m_withFile.filePath("marrowick-help.html");
        QCOMPARE(calls, QStringList({"3 " + guide, "2 " + guide, "3 " + guide, "2 " + guide}));
    }

    void engineFailurePassesToCaller()
    {
        RecordingWinHelp::answer = 0;
        QVERIFY_THROWS_EXCEPTION(ComponentError, launch(m_withFile.path()));
        QVERIFY(m_boxes.isEmpty());
    }
};

QTEST_MAIN(TestLaunchHelp)
#include "tst_launchhelp.moc"
