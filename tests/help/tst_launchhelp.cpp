#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/LaunchHelp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

struct Box
{
    QString text;
    QString title;
};

} // namespace

class TestLaunchHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_withFile;
    QTemporaryDir m_withoutFile;
    std::vector<Box> m_boxes;
    QString m_guide;

    CriticalMessageBox recorder()
    {
        return [this](QWidget*, const QString& text, const QString& title) {
            m_boxes.push_back({text, title});
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_withFile.isValid() && m_withoutFile.isValid());
        m_guide = QDir(m_withFile.path()).filePath(QStringLiteral("marrowick-help.html"));
        QFile file(m_guide);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><title>t</title></html>");
        // Another spelling of the name must not stand in for ours.
        QFile other(QDir(m_withoutFile.path()).filePath(QStringLiteral("Marrowick-Help.HTML")));
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
        LaunchHelp(nullptr, m_withoutFile.path(), recorder());
        QCOMPARE(m_boxes.size(), size_t(1));
        QCOMPARE(m_boxes.front().text, QStringLiteral("Marrowick Documentation is not available."));
        QCOMPARE(m_boxes.front().title, QStringLiteral("Marrowick"));
        QVERIFY(RecordingWinHelp::calls.empty());
        QVERIFY(ProgramHelp());
        QCOMPARE(ProgramHelp()->FileName(), QString());
    }

    void fileShowsContentsAndReleaseQuits_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("folder") << "";
        QTest::newRow("folder with trailing slash") << "/";
    }
    void fileShowsContentsAndReleaseQuits()
    {
        QFETCH(QString, suffix);
        LaunchHelp(nullptr, m_withFile.path() + suffix, recorder());
        QVERIFY(m_boxes.empty());
        QCOMPARE(RecordingWinHelp::calls.size(), size_t(1));
        const auto& call = RecordingWinHelp::calls.front();
        QCOMPARE(call.command, unsigned(HELP_CONTENTS));
        QCOMPARE(call.owner, 0);
        QCOMPARE(suffix.isEmpty() ? call.file : QDir::cleanPath(call.file), m_guide);
        QCOMPARE(std::get<std::int32_t>(call.data), 0);

        ReleaseProgramHelp();
        QCOMPARE(ProgramHelp(), nullptr);
        QCOMPARE(RecordingWinHelp::calls.size(), size_t(2));
        QCOMPARE(RecordingWinHelp::calls.back().command, unsigned(HELP_QUIT));
    }

    void secondLaunchClosesTheFirst_data()
    {
        QTest::addColumn<bool>("secondHasFile");
        QTest::newRow("file both times") << true;
        QTest::newRow("file gone the second time") << false;
    }
    void secondLaunchClosesTheFirst()
    {
        QFETCH(bool, secondHasFile);
        LaunchHelp(nullptr, m_withFile.path(), recorder());
        LaunchHelp(nullptr, secondHasFile ? m_withFile.path() : m_withoutFile.path(), recorder());

        const auto& calls = RecordingWinHelp::calls;
        QCOMPARE(calls.size(), size_t(secondHasFile ? 3 : 2));
        QCOMPARE(calls[0].command, unsigned(HELP_CONTENTS));
        QCOMPARE(calls[1].command, unsigned(HELP_QUIT));
        QCOMPARE(calls[1].owner, 0);
        QCOMPARE(calls[1].file, m_guide);
        QCOMPARE(std::get<std::int32_t>(calls[1].data), 0);
        if (secondHasFile)
            QCOMPARE(calls[2].command, unsigned(HELP_CONTENTS));
        else
            QCOMPARE(m_boxes.size(), size_t(1));
    }

    void engineFailurePassesToCaller()
    {
        RecordingWinHelp::answer = 0;
        try {
            LaunchHelp(nullptr, m_withFile.path(), recorder());
            QFAIL("LaunchHelp swallowed the failure");
        } catch (const ComponentError& e) {
            QCOMPARE(e.number(), WinHelpError::CallFailed);
            QCOMPARE(e.description(), QStringLiteral("Call to WinHelp failed"));
        }
        QVERIFY(m_boxes.empty());
    }
};

QTEST_MAIN(TestLaunchHelp)
#include "tst_launchhelp.moc"
