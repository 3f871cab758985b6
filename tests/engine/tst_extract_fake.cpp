// ProcessArchive in extract and test mode against a scripted library: the
// results, header endings and timings that real archives cannot give.
#include "engine/modRAR.h"

#include "FakeUnrar.h"
#include "RecordingView.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

FakeUnrar::Entry File(const wchar_t* name, int processResult = 0, std::uint64_t size = 10)
{
    FakeUnrar::Entry entry;
    entry.name = name;
    entry.unpSize = size;
    entry.packSize = size;
    entry.dataSize = processResult == 0 ? size : 0;
    entry.processResult = processResult;
    return entry;
}

struct Run : EngineRun
{
    FakeUnrar fake;
    QTemporaryDir dest;

    void run(std::int32_t mode, OverwritePolicy overwrite = OverwritePolicy::Ask)
    {
        process(mode, QStringLiteral("/fake/archive.rar"), dest.path(), overwrite, &fake.api());
    }
    QStringList written() const
    {
        return QDir(dest.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

const QString kPassed = QStringLiteral("No errors found during test operation|Marrowick");

} // namespace

class TestExtractFake final : public QObject
{
    Q_OBJECT

private slots:
    void failedEntriesDoNotStopTheOthers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("extract, code with a text") << int(OP_EXTRACT) << 16 << "File create error";
        QTest::newRow("test, code with a text") << int(OP_TEST) << 19 << "Write error";
        QTest::newRow("extract, code without one") << int(OP_EXTRACT) << 21 << "Extraction failed (error code 21)";
        QTest::newRow("test, code without one") << int(OP_TEST) << 23 << "Test failed (error code 23)";
        // clang-format on
    }
    void failedEntriesDoNotStopTheOthers()
    {
        QFETCH(int, mode);
        QFETCH(int, code);
        QFETCH(QString, text);
        Run run;
        run.fake.entries = {File(L"a"), File(L"b", code), File(L"c"), File(L"d", ERAR_BAD_DATA)};
        run.run(mode);
        QCOMPARE(run.fake.operations, std::vector<int>(4, RAR_TEST));
        QCOMPARE(run.view.outcomes,
                 QStringList({"a=0", QStringLiteral("b=%1").arg(code), "c=0", "d=12"}));
        // The first failure speaks for the run.
        QCOMPARE(run.prompts.errors, QStringList{text});
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(run.prompts.information, QStringList());
        QCOMPARE(run.written(), mode == OP_EXTRACT ? QStringList({"a", "c"}) : QStringList());
        QCOMPARE(run.fake.closes, 2); // the size survey's handle and the walk's
        QCOMPARE(run.fake.callsAfterClose, 0);
    }

    void headerReadEndings_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<bool>("passed");
        const QStringList none;
        // clang-format off
        QTest::newRow("extract, end of archive") << int(OP_EXTRACT) << 10 << none << true;
        QTest::newRow("test, end of archive") << int(OP_TEST) << 10 << none << true;
        QTest::newRow("extract, broken header") << int(OP_EXTRACT) << 12 << QStringList{"File header broken"} << false;
        QTest::newRow("test, broken header") << int(OP_TEST) << 12 << QStringList{"File header broken"} << false;
        QTest::newRow("extract, read error") << int(OP_EXTRACT) << 18
            << QStringList{"Reading the archive's file headers failed (error code 18)"} << false;
        QTest::newRow("test, unknown") << int(OP_TEST) << 21
            << QStringList{"Reading the archive's file headers failed (error code 21)"} << false;
        // clang-format on
    }
    void headerReadEndings()
    {
        QFETCH(int, mode);
        QFETCH(int, end);
        QFETCH(QStringList, errors);
        QFETCH(bool, passed);
        Run run;
        run.fake.entries = {File(L"a"), File(L"b")};
        run.fake.endResult = end;
        run.run(mode);
        QCOMPARE(run.prompts.errors, errors);
        if (mode == OP_EXTRACT) {
            QCOMPARE(run.view.panels.value(2), passed ? QStringLiteral("Success") : QStringLiteral("Ready"));
            QCOMPARE(run.written(), QStringList({"a", "b"}));
        } else {
            QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
            QCOMPARE(run.prompts.information, passed ? QStringList{kPassed} : QStringList());
        }
    }

    // Only the second entry is encrypted: the prompt comes before it.
    void laterEncryptedEntry_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("processed");
        QTest::addColumn<QString>("status");
        const std::optional<QString> secret(QStringLiteral("secret"));
        const std::optional<QString> cancelled;
        QTest::newRow("extract, typed") << int(OP_EXTRACT) << secret << 3 << "Success";
        QTest::newRow("test, typed") << int(OP_TEST) << secret << 3 << "Ready";
        QTest::newRow("extract, cancelled") << int(OP_EXTRACT) << cancelled << 1 << "Ready";
        QTest::newRow("test, cancelled") << int(OP_TEST) << cancelled << 1 << "Ready";
    }
    void laterEncryptedEntry()
    {
        QFETCH(int, mode);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, processed);
        QFETCH(QString, status);
        Run run;
        run.fake.entries = {File(L"plain"), File(L"locked1"), File(L"locked2")};
        run.fake.entries[1].flags = RHDF_ENCRYPTED;
        run.fake.entries[2].flags = RHDF_ENCRYPTED;
        run.prompts.password = typed;
        run.run(mode);
        QCOMPARE(run.prompts.passwordPrompts, QStringList{"Enter password for the encrypted file:"});
        QCOMPARE(run.password, typed.value_or(QString()));
        QCOMPARE(int(run.fake.operations.size()), processed);
        QCOMPARE(run.view.panels.value(1), QStringLiteral("ENCRYPTED"));
        QCOMPARE(run.view.panels.value(2), status);
        QCOMPARE(run.prompts.errors, QStringList());
        QCOMPARE(run.prompts.information,
                 mode == OP_TEST && typed ? QStringList{kPassed} : QStringList());
    }

    // A single long entry: the window hears of it while it runs, at a
    // bounded rate, with the archive's whole size as the total.
    void progressDuringOneLongEntry()
    {
        Run run;
        run.fake.entries = {File(L"big", 0, 16 << 20), File(L"small")};
        run.fake.entries[0].chunkSize = 64 << 10;
        run.fake.chunkDelayMicroseconds = 1000; // 256 chunks, about a quarter second
        QElapsedTimer timer;
        timer.start();
        run.run(OP_TEST);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(run.view.progressTotal, std::uint64_t(16 << 20) + 10);
        QCOMPARE(run.view.progressEntry, QStringLiteral("big"));
        QVERIFY(run.view.progressDone <= run.view.progressTotal);
        QVERIFY2(run.view.progressReports >= 3, qPrintable(QString::number(run.view.progressReports)));
        QVERIFY2(run.view.progressReports <= elapsed / 20 + 1,
                 qPrintable(QStringLiteral("%1 in %2 ms").arg(run.view.progressReports).arg(elapsed)));
        QVERIFY(run.view.eventPumps >= run.view.progressReports);
        QCOMPARE(run.prompts.information, QStringList{kPassed});
    }

    void cancelFromProgress()
    {
        Run run;
        run.fake.entries = {File(L"big", 0, 16 << 20), File(L"after")};
        run.fake.entries[0].chunkSize = 64 << 10;
        run.fake.chunkDelayMicroseconds = 500;
        run.view.cancelAtBytes = 1;
        run.run(OP_EXTRACT, OverwritePolicy::Always);
        QVERIFY(run.view.cancel);
        QCOMPARE(run.fake.operations, std::vector<int>{RAR_TEST});
        QCOMPARE(run.written(), QStringList());
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(run.prompts.errors, QStringList());
        QCOMPARE(run.fake.callsAfterClose, 0);
    }

    // Reading every header ahead costs too much on an archive of many
    // entries: progress then runs without a total. The overwrite question
    // still looks at every entry, however long that takes.
    void slowHeaderReads_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("empty destination") << false;
        QTest::newRow("last entry in the way") << true;
    }
    void slowHeaderReads()
    {
        QFETCH(bool, existing);
        Run run;
        for (int i = 0; i < 60; ++i)
            run.fake.entries.push_back(File(L"f"));
        run.fake.entries.back().name = L"last";
        run.fake.readDelayMicroseconds = 1000;
        if (existing)
            QVERIFY(QFile(run.dest.filePath("last")).open(QIODevice::WriteOnly));
        run.prompts.yes = false;
        run.run(OP_EXTRACT);
        QCOMPARE(run.prompts.questions,
                 existing ? QStringList{"File(s) Exist, Replace ?|Marrowick"} : QStringList());
        if (!existing) {
            QVERIFY(run.view.progressReports > 0);
            QCOMPARE(run.view.progressTotal, std::uint64_t(0));
            QCOMPARE(run.view.panels.value(2), QStringLiteral("Success"));
        } else {
            QCOMPARE(run.fake.operations, std::vector<int>());
        }
    }
};

QTEST_GUILESS_MAIN(TestExtractFake)
#include "tst_extract_fake.moc"
