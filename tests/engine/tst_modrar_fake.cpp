// ProcessArchive in list mode against a scripted library: result codes and
// record contents that real archives cannot give on demand.
#include "engine/modRAR.h"

#include "engine/Formats.h"
#include "FakeUnrar.h"
#include "RecordingView.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

const QString kArchive = QStringLiteral("/fake/archive.rar");

FakeUnrar::Entry File(const wchar_t* name, std::uint64_t size, unsigned int crc,
                      int processResult = 0)
{
    FakeUnrar::Entry entry;
    entry.name = name;
    entry.unpSize = size;
    entry.packSize = size / 2;
    entry.crc = crc;
    entry.processResult = processResult;
    return entry;
}

struct Run : EngineRun
{
    FakeUnrar fake;

    void list(std::int32_t mode = OP_LIST)
    {
        process(mode, kArchive, QString(), OverwritePolicy::Ask, &fake.api());
    }
};

} // namespace

class TestModRarFake : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryEntryInStoredOrder()
    {
        Run run;
        FakeUnrar::Entry folder;
        folder.name = L"docs";
        folder.flags = RHDF_DIRECTORY;
        folder.writesCrc = false;   // the library hands over the previous CRC here
        FakeUnrar::Entry huge = File(L"zeros.bin", 5368709120ULL, 0xABCDEF);
        huge.packSize = 0x1'0000'0005ULL;
        run.fake.entries = {File(L"a.txt", 1200, 0xDEADBEEF), folder, File(L"a.txt", 5, 1),
                            File(L"docs/\u00fc\u65e5.txt", 3, 2), huge};
        run.list();

        QCOMPARE(run.view.names(), (QStringList{"a.txt", "docs", "a.txt",
                                                QString::fromUtf8("docs/\xc3\xbc\xe6\x97\xa5.txt"),
                                                "zeros.bin"}));
        const FileRow& dir = run.view.rows[1];
        QVERIFY(dir.isFolder);
        QCOMPARE(dir.crc, 0u);
        QCOMPARE(FormatSize(run.view.rows[4].unpSize), QStringLiteral("5,368,709,120"));
        QCOMPARE(run.view.rows[4].packSize, 0x1'0000'0005ULL);
        QCOMPARE(run.view.rows[0].crc, 0xDEADBEEFu);

        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  5 Files "));
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QVERIFY(!run.view.panelVisible.contains(1));
        QCOMPARE(run.view.title, kArchive + QStringLiteral(" - Marrowick"));
        QCOMPARE(run.view.log, (QStringList{"show", "clear", "title", "icons"}));
        QVERIFY(run.prompts.errors.isEmpty());

        QCOMPARE(run.fake.openMode, unsigned(RAR_OM_LIST));
        QCOMPARE(run.fake.operations, std::vector<int>(5, RAR_SKIP));
        QCOMPARE(run.fake.closes, 1);
        QCOMPARE(run.fake.callsAfterClose, 0);
        QVERIFY(run.fake.callbackAtOpen);
        QVERIFY(run.fake.callbackSet);
        QCOMPARE(run.view.started, 1);
        QCOMPARE(run.view.finished, 1);
    }

    void nameFillingTheWholeFieldIsReadWhole()
    {
        Run run;
        FakeUnrar::Entry entry = File(L"abcdefgh/", 1, 1);
        entry.nameFillsField = true;
        run.fake.entries = {entry, File(L"next", 1, 1)};
        run.list();
        QCOMPARE(run.view.rows.size(), std::size_t(2));
        QCOMPARE(run.view.rows[0].name.size(), 1024);
        QVERIFY(run.view.rows[0].name.startsWith(QStringLiteral("abcdefgh/abcdefgh/")));
        QCOMPARE(run.view.rows[1].name, QStringLiteral("next"));
    }

    void emptyArchive()
    {
        Run run;
        run.view.rows = {FileRow{QStringLiteral("old"), 1, 1, 1, false, false}};
        run.view.panels[3] = QStringLiteral("Total  7 Files ");
        run.list();

        QVERIFY(run.view.rows.empty());
        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  7 Files "));
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(run.view.title, QStringLiteral(" - Marrowick"));
        QVERIFY(!run.view.log.contains(QStringLiteral("icons")));
        QVERIFY(run.prompts.errors.isEmpty());
        QCOMPARE(run.fake.closes, 1);
    }

    void processErrorMidListing_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("11 no text") << 11 << QStringList();
        QTest::newRow("12") << 12 << QStringList{"CRC failed in encrypted file (wrong password?)"};
        QTest::newRow("15 volume") << 15 << QStringList{"Volume open error"};
        QTest::newRow("16") << 16 << QStringList{"File create error"};
        QTest::newRow("17") << 17 << QStringList{"File close error"};
        QTest::newRow("18") << 18 << QStringList{"Read error"};
        QTest::newRow("19") << 19 << QStringList{"Write error"};
        QTest::newRow("20 no text") << 20 << QStringList();
        QTest::newRow("23 no text") << 23 << QStringList();
        QTest::newRow("negative no text") << -1 << QStringList();
    }
    void processErrorMidListing()
    {
        QFETCH(int, code);
        QFETCH(QStringList, errors);
        Run run;
        run.fake.cmtState = 1;
        run.fake.comment = L"a comment";
        run.fake.entries = {File(L"one", 1, 1), File(L"two", 2, 2, code), File(L"three", 3, 3)};
        run.list();

        QCOMPARE(run.view.names(), (QStringList{"one", "two"}));
        QCOMPARE(run.prompts.errors, errors);
        QVERIFY(run.prompts.comments.isEmpty());
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  2 Files "));
        QCOMPARE(run.view.title, QStringLiteral("(untouched)"));
        QVERIFY(!run.view.log.contains(QStringLiteral("icons")));
        QCOMPARE(run.fake.headerReads, 2);
        QCOMPARE(run.fake.closes, 1);
        QCOMPARE(run.view.finished, 1);
    }

    void headerReadEndings_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("10 end of archive") << 10 << QStringList();
        QTest::newRow("12 broken") << 12 << QStringList{"File header broken"};
        QTest::newRow("11 reported with code")
            << 11 << QStringList{"Reading the archive's file headers failed (error code 11)"};
        QTest::newRow("21 reported with code")
            << 21 << QStringList{"Reading the archive's file headers failed (error code 21)"};
        QTest::newRow("negative reported with code")
            << -2 << QStringList{"Reading the archive's file headers failed (error code -2)"};
    }
    void headerReadEndings()
    {
        QFETCH(int, code);
        QFETCH(QStringList, errors);
        Run run;
        run.fake.cmtState = 1;
        run.fake.comment = L"c";
        run.fake.entries = {File(L"one", 1, 1), File(L"two", 2, 2)};
        run.fake.endResult = code;
        run.list();

        QCOMPARE(run.view.names(), (QStringList{"one", "two"}));
        QCOMPARE(run.prompts.errors, errors);
        // The comment first, then the header box, then the title and icons.
        QStringList order{"show", "clear", "comment"};
        if (!errors.isEmpty())
            order << "error";
        order << "title" << "icons";
        QCOMPARE(run.view.log, order);
        QCOMPARE(run.fake.closes, 1);
    }

    void openFailure_data()
    {
        QTest::addColumn<unsigned>("code");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("12") << 12u << QStringList{kArchive + ": archive header broken"};
        QTest::newRow("13") << 13u << QStringList{kArchive + " is not RAR archive"};
        QTest::newRow("14 silent") << 14u << QStringList();
        QTest::newRow("15") << 15u << QStringList{"Cannot open " + kArchive};
        QTest::newRow("24") << 24u << QStringList{kArchive + ": wrong password"};
    }
    void openFailure()
    {
        QFETCH(unsigned, code);
        QFETCH(QStringList, errors);
        Run run;
        run.fake.openResult = code;
        run.fake.entries = {File(L"one", 1, 1)};
        run.view.rows = {FileRow{QStringLiteral("old"), 1, 1, 1, false, false}};
        run.list();

        QCOMPARE(run.prompts.errors, errors);
        QVERIFY(run.view.log.filter(QRegularExpression("show|clear|title|icons")).isEmpty());
        QCOMPARE(run.view.names(), QStringList{"old"});
        QCOMPARE(run.fake.headerReads, 0);
        QCOMPARE(run.fake.closes, 0);
        QCOMPARE(run.view.started, 1);
        QCOMPARE(run.view.finished, 1);
    }

    void comment_data()
    {
        QTest::addColumn<unsigned>("state");
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<QStringList>("shown");
        const QChar nul(0);
        QTest::newRow("read whole") << 1u << QString("Hello\r\nworld") + nul
                                    << QStringList{"Hello\r\nworld"};
        QTest::newRow("cut at first NUL") << 1u << QString("first") + nul + "second" + nul
                                          << QStringList{"first"};
        QTest::newRow("non-ASCII") << 1u << QString::fromUtf8("caf\xc3\xa9 \xe6\x97\xa5") + nul
                                   << QStringList{QString::fromUtf8("caf\xc3\xa9 \xe6\x97\xa5")};
        QTest::newRow("no comment") << 0u << QString() << QStringList();
        QTest::newRow("too large for the buffer") << 20u << QString(16384, 'x') << QStringList();
        QTest::newRow("fills the buffer without NUL")
            << 1u << QString(16384, 'y') << QStringList{QString(16384, 'y')};
    }
    void comment()
    {
        QFETCH(unsigned, state);
        QFETCH(QString, buffer);
        QFETCH(QStringList, shown);
        Run run;
        run.fake.cmtState = state;
        run.fake.comment = buffer.toStdWString();
        run.fake.entries = {File(L"one", 1, 1)};
        run.list();
        QCOMPARE(run.prompts.comments, shown);
        QVERIFY(run.fake.commentBufferBlank);
        QCOMPARE(run.fake.commentBufferSize, 16384u);
    }

    void encryptedIndicator_data()
    {
        QTest::addColumn<unsigned>("openFlags");
        QTest::addColumn<unsigned>("secondFlags");
        QTest::addColumn<bool>("shown");
        QTest::newRow("plain") << 0u << 0u << false;
        QTest::newRow("later entry encrypted") << 0u << unsigned(RHDF_ENCRYPTED) << true;
        QTest::newRow("encrypted headers") << unsigned(ROADF_ENCHEADERS) << 0u << true;
    }
    void encryptedIndicator()
    {
        QFETCH(unsigned, openFlags);
        QFETCH(unsigned, secondFlags);
        QFETCH(bool, shown);
        Run run;
        run.fake.openFlags = openFlags;
        FakeUnrar::Entry second = File(L"two", 1, 1);
        second.flags = secondFlags;
        run.fake.entries = {File(L"one", 1, 1), second};
        run.list();
        QCOMPARE(run.view.panelVisible.value(1, false), shown);
        QCOMPARE(run.view.panels.value(1), shown ? QStringLiteral("ENCRYPTED") : QString());
        QCOMPARE(run.view.rows.size(), std::size_t(2));
        QCOMPARE(run.view.rows[1].isEncrypted, secondFlags != 0);
    }

    void passwordAskedThroughCallback_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<QString>("received");
        QTest::addColumn<int>("rows");
        QTest::newRow("given by caller") << "secret" << std::optional<QString>() << 0 << "secret" << 1;
        QTest::newRow("typed") << "" << std::optional<QString>("p\u00e4ss") << 1 << "p\u00e4ss" << 1;
        QTest::newRow("cancelled") << "" << std::optional<QString>() << 1 << "" << 0;
    }
    void passwordAskedThroughCallback()
    {
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, prompts);
        QFETCH(QString, received);
        QFETCH(int, rows);
        Run run;
        run.fake.needsPassword = true;
        run.fake.entries = {File(L"one", 1, 1)};
        run.password = given;
        run.prompts.password = typed;
        run.list();
        QCOMPARE(run.prompts.passwordPrompts.size(), prompts);
        QCOMPARE(QString::fromStdWString(run.fake.passwordReceived), received);
        QCOMPARE(int(run.view.rows.size()), rows);
        // A cancelled prompt ends the run without an error box.
        QVERIFY(run.prompts.errors.isEmpty());
        if (typed)
            QCOMPARE(run.password, *typed);
    }

    void eventsRunAtBoundedRate()
    {
        Run run;
        run.fake.readDelayMicroseconds = 1000;
        for (int i = 0; i < 300; ++i)
            run.fake.entries.push_back(File(L"f", 1, 1));
        QElapsedTimer timer;
        timer.start();
        run.list();
        const qint64 elapsed = timer.elapsed();

        QCOMPARE(run.view.rows.size(), std::size_t(300));
        // Responsive: events ran during a run of 300+ ms ...
        QVERIFY2(run.view.eventPumps >= 3, qPrintable(QString::number(run.view.eventPumps)));
        // ... but not per entry: at most one pump per 25 ms.
        QVERIFY2(run.view.eventPumps <= elapsed / 25 + 1,
                 qPrintable(QStringLiteral("%1 pumps in %2 ms").arg(run.view.eventPumps).arg(elapsed)));
        QVERIFY(run.view.repaints <= run.view.eventPumps);
        QVERIFY(run.view.batches < 300 / 4);
        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  300 Files "));
    }
};

QTEST_GUILESS_MAIN(TestModRarFake)
#include "tst_modrar_fake.moc"
