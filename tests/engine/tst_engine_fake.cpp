// ProcessArchive against a scripted library: result codes, record contents
// and timings that real archives cannot give on demand.
#include "FakeUnrar.h"
#include "RecordingView.h"
#include "engine/FreeSpace.h"

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
    entry.unpSize = entry.packSize = entry.dataSize = size;
    entry.processResult = processResult;
    return entry;
}

struct Run : EngineRun
{
    FakeUnrar fake;
    QTemporaryDir dest;

    void run(std::int32_t mode, OverwritePolicy overwrite = OverwritePolicy::Ask)
    {
        process(mode, "/fake/archive.rar", dest.path(), overwrite, &fake.api());
    }
    QStringList written() const { return QDir(dest.path()).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

class TestEngineFake : public QObject
{
    Q_OBJECT

private slots:
    void listedFields()
    {
        Run run;
        FakeUnrar::Entry folder = File(L"docs");
        folder.flags = RHDF_DIRECTORY;
        folder.writesCrc = false; // the library hands over the previous CRC here
        FakeUnrar::Entry huge = File(L"docs/\u00fc\u65e5.bin", 0, 5368709123ULL);
        huge.packSize = 7; // the sizes' high halves differ
        huge.crc = 0xDEADBEEF;
        FakeUnrar::Entry full = File(L"abcdefgh/");
        full.nameFillsField = true;
        run.fake.entries = {huge, folder, full, File(L"next")};
        run.run(OP_LIST);

        QCOMPARE(run.view.rows.size(), std::size_t(4));
        QCOMPARE(run.view.rows[0].name, QString::fromUtf8("docs/\xc3\xbc\xe6\x97\xa5.bin"));
        QCOMPARE(run.view.rows[0].unpSize, 5368709123ULL);
        QCOMPARE(run.view.rows[0].packSize, 7ULL);
        QCOMPARE(run.view.rows[0].crc, 0xDEADBEEFu);
        QVERIFY(run.view.rows[1].isFolder);
        QCOMPARE(run.view.rows[1].crc, 0u);
        QCOMPARE(run.view.rows[2].name.size(), 1024);
        QCOMPARE(run.view.rows[3].name, QStringLiteral("next"));
        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  4 Files "));
        QCOMPARE(run.fake.operations, std::vector<int>(4, RAR_SKIP));
        QCOMPARE(run.fake.closes, 1);
        QCOMPARE(run.fake.callsAfterClose, 0);
    }

    // An entry of more than 4 GiB needs all of its size on the disk, and the
    // writer takes more data than the low half of that size.
    void extractBeyond32Bits()
    {
        for (const std::uint64_t space : {std::uint64_t(1) << 40, std::uint64_t(1) << 32}) {
            ScopedFreeSpaceProvider disk([space](const QString&) { return std::optional<std::uint64_t>(space); });
            Run run;
            run.fake.entries = {File(L"big", 0, 0x100000003ULL)};
            run.fake.entries[0].packSize = 7;
            run.fake.entries[0].dataSize = 20;
            run.run(OP_EXTRACT);
            const bool room = space > 0x100000003ULL;
            QCOMPARE(QFileInfo(run.dest.filePath("big")).size(), room ? 20 : 0);
            QCOMPARE(run.prompts.errors.size(), room ? 0 : 1);
        }
    }

    // Whatever the library answers, a run ends once and says what went wrong,
    // with the library's number where there is no better word. A listing stops at a failed entry,
    // names no archive and gives no icons; extraction and test go on with
    // the next entry, the first failure speaking for the run.
    void libraryResults_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<unsigned>("open");
        QTest::addColumn<int>("code"); // of the second entry
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("result"); // names listed, or files written
        QTest::addColumn<QStringList>("errors");
        const QStringList all{"a", "b", "c"}, none;
        const QString header = "Reading the archive's file headers failed (error code %1)";
        const int l = OP_LIST, x = OP_EXTRACT, t = OP_TEST;
        // clang-format off
        QTest::newRow("list") << l << 0u << 0 << 10 << all << none;
        QTest::newRow("list, entry 12") << l << 0u << 12 << 10 << QStringList{"a", "b"} << QStringList{"CRC failed in b"};
        QTest::newRow("list, entry 11") << l << 0u << 11 << 10 << QStringList{"a", "b"} << QStringList{"Not enough memory"};
        QTest::newRow("list, entry 21") << l << 0u << 21 << 10 << QStringList{"a", "b"} << QStringList{"Listing stopped at b (error code 21)"};
        QTest::newRow("list, header 12") << l << 0u << 0 << 12 << all << QStringList{"File header broken"};
        QTest::newRow("list, header 21") << l << 0u << 0 << 21 << all << QStringList{header.arg(21)};
        QTest::newRow("list, open 13") << l << 13u << 0 << 10 << QStringList{"old"} << QStringList{"/fake/archive.rar is not RAR archive"};
        QTest::newRow("list, open 14") << l << 14u << 0 << 10 << QStringList{"old"} << QStringList{"/fake/archive.rar: unknown archive format"};
        QTest::newRow("test, open 21") << t << 21u << 0 << 10 << none << QStringList{"Cannot open /fake/archive.rar (error code 21)"};
        QTest::newRow("extract") << x << 0u << 0 << 10 << all << none;
        QTest::newRow("extract, entry 16") << x << 0u << 16 << 10 << QStringList{"a", "c"} << QStringList{"File create error"};
        QTest::newRow("extract, header 12") << x << 0u << 0 << 12 << all << QStringList{"File header broken"};
        QTest::newRow("test") << t << 0u << 0 << 10 << none << none;
        QTest::newRow("test, entry 23") << t << 0u << 23 << 10 << none << QStringList{"Test failed (error code 23)"};
        QTest::newRow("test, header 18") << t << 0u << 0 << 18 << none << QStringList{header.arg(18)};
        // clang-format on
    }
    void libraryResults()
    {
        QFETCH(int, mode);
        QFETCH(unsigned, open);
        QFETCH(int, code);
        QFETCH(int, end);
        QFETCH(QStringList, result);
        QFETCH(QStringList, errors);
        Run run;
        run.view.rows = {FileRow{"old", 1, 1, 1, false, false}};
        run.fake.openResult = open;
        run.fake.endResult = end;
        run.fake.entries = {File(L"a"), File(L"b", code), File(L"c")};
        run.run(mode);
        QCOMPARE(mode == OP_LIST ? run.view.names() : run.written(), result);
        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.view.finished, 1);
        QCOMPARE(run.fake.callsAfterClose, 0);
        if (mode == OP_LIST) {
            QCOMPARE(run.view.log.contains("icons"), code == 0 && open == 0);
        } else if (open != 0) {
            QVERIFY(run.view.outcomes.isEmpty() && !run.passed());
        } else {
            QCOMPARE(run.view.outcomes, QStringList({"a=0", QStringLiteral("b=%1").arg(code), "c=0"}));
            QCOMPARE(run.passed(), errors.isEmpty());
        }
    }

    // Bad data blames a password only for an encrypted entry, in the error
    // box and in the entry's result; a test of nothing says so.
    void badDataAndNothing_data()
    {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("information");
        QTest::newRow("plain") << 0u << 1 << QStringList{"CRC failed in b"} << QStringList();
        QTest::newRow("encrypted") << unsigned(RHDF_ENCRYPTED) << 1
                                   << QStringList{"CRC failed in encrypted file (wrong password?)"} << QStringList();
        QTest::newRow("no entries") << 0u << 0 << QStringList() << QStringList{"No files to test"};
    }
    void badDataAndNothing()
    {
        QFETCH(unsigned, flags);
        QFETCH(int, entries);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, information);
        Run run;
        run.password = "x";
        run.fake.entries.assign(entries, File(L"b", ERAR_BAD_DATA));
        for (auto& entry : run.fake.entries)
            entry.flags = flags;
        run.run(OP_TEST);
        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.view.messages, errors);
        QCOMPARE(run.prompts.information, information);
    }

    // Only the second entry is encrypted: the prompt comes before it.
    void laterEncryptedEntry_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("processed");
        QTest::newRow("extract, typed") << int(OP_EXTRACT) << std::optional<QString>("secret") << 3;
        QTest::newRow("test, cancelled") << int(OP_TEST) << std::optional<QString>() << 1;
    }
    void laterEncryptedEntry()
    {
        QFETCH(int, mode);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, processed);
        Run run;
        run.fake.entries = {File(L"plain"), File(L"locked1"), File(L"locked2")};
        run.fake.entries[1].flags = run.fake.entries[2].flags = RHDF_ENCRYPTED;
        run.prompts.password = typed;
        run.run(mode);
        QCOMPARE(run.prompts.passwordPrompts, QStringList{"Enter password for the encrypted file:"});
        QCOMPARE(int(run.fake.operations.size()), processed);
        QCOMPARE(run.view.panels.value(1), QStringLiteral("ENCRYPTED"));
        QCOMPARE(run.passed(), typed.has_value());
        QCOMPARE(run.prompts.errors, QStringList());
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
        run.fake.entries.assign(60, File(L"f"));
        run.fake.entries.back().name = L"last";
        run.fake.readDelayMicroseconds = 1000;
        if (existing)
            QVERIFY(QFile(run.dest.filePath("last")).open(QIODevice::WriteOnly));
        run.prompts.yes = false;
        run.run(OP_EXTRACT);
        QCOMPARE(run.prompts.questions, existing ? QStringList{"File(s) Exist, Replace ?"} : QStringList());
        QCOMPARE(int(run.fake.operations.size()), existing ? 0 : 60);
        if (!existing)
            QCOMPARE(run.view.progressTotal, std::uint64_t(0));
    }
};

QTEST_GUILESS_MAIN(TestEngineFake)
#include "tst_engine_fake.moc"
