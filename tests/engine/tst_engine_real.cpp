// ProcessArchive against the installed UnRAR library and the archives of
// tests/data (made by make-fixtures.sh; password "secret").
#include "engine/Formats.h"
#include "engine/FreeSpace.h"
#include "engine/UnrarLibrary.h"
#include "HostileRar.h"
#include "Rar4Archive.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

const QStringList kBasic{"docs/",     "docs/a1200.txt#1200",      "docs/empty.txt=",
                         "docs/sub/", "docs/sub/deep.txt=deep\n", "empty-folder/",
                         "readme.txt=hello\n"};

} // namespace

class TestEngineReal : public QObject
{
    Q_OBJECT

private slots:
    void listings_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("comment");
        // Encrypted data is padded to the cipher's block, and RAR 5 stores a
        // keyed checksum instead of the plain CRC of an encrypted file.
        // clang-format off
        QTest::newRow("files and folders") << "basic.rar" << QStringList{
            "readme.txt|6|6|363A3020", "docs/a1200.txt|1,200|13|FB3D3A2B", "docs/empty.txt|||0",
            "docs/sub/deep.txt|5|5|279EB882", "docs/sub/|||0", "docs/|||0", "empty-folder/|||0"} << "";
        QTest::newRow("encrypted files") << "encrypted-files.rar" << QStringList{
            "readme.txt|6|32|keyed", "docs/a1200.txt|1,200|16|keyed", "docs/empty.txt||16|keyed",
            "docs/sub/deep.txt|5|16|keyed", "docs/sub/|||0", "docs/|||0", "empty-folder/|||0"} << "";
        QTest::newRow("comment") << "commented.rar" << QStringList{"readme.txt|6|6|363A3020"}
            << "Archive comment line 1\nline 2 é\n";
        // clang-format on
    }
    void listings()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, cells);
        QFETCH(QString, comment);
        EngineRun run;
        run.process(OP_LIST, Fixture(archive));
        QStringList lines;
        const SizeFormat sizes;
        for (const FileRow& row : run.view.rows)
            lines << QStringList{row.name + (row.isFolder ? "/" : ""), sizes.text(row.unpSize), sizes.text(row.packSize),
                                 row.isEncrypted ? "keyed" : FormatCrc(row.crc)}.join('|');
        QCOMPARE(lines, cells);
        QCOMPARE(run.prompts.comments, comment.isEmpty() ? QStringList() : QStringList{comment});
        QCOMPARE(run.prompts.errors, QStringList());
        QCOMPARE(run.view.panels.value(1), archive.startsWith("encrypted") ? "ENCRYPTED" : QString());
        QCOMPARE(run.view.panels.value(3), QStringLiteral("Total  %1 Files ").arg(cells.size()));
        QCOMPARE(run.view.title, Fixture(archive) + " - Marrowick");
    }

    // What a run gives: the rows' names (list), what was written (extract) or
    // each entry's result (test). Encrypted headers need the password at the
    // open, encrypted files at their first data; a cancelled prompt is no error.
    void runs_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("prompts");
        const std::optional<QString> none, secret("secret");
        const QString headers = "encrypted-headers.rar", files = "encrypted-files.rar";
        const QString crc = "CRC failed in encrypted file (wrong password?)";
        const int l = OP_LIST, x = OP_EXTRACT, t = OP_TEST;
        const QStringList names{"readme.txt", "docs/a1200.txt", "docs/empty.txt", "docs/sub/deep.txt",
                                "docs/sub", "docs", "empty-folder"}, none0;
        QStringList passed = names;
        passed.replaceInStrings(QRegularExpression("$"), "=0");
        // clang-format off
        QTest::newRow("basic, extract") << "basic.rar" << x << "" << none << kBasic << none0 << 0;
        QTest::newRow("unicode, extract") << "unicode.rar" << x << "" << none
            << QStringList{"Ünïcödé.txt=x", "Ελληνικά.txt=z", "日本語.txt=y"} << none0 << 0;
        QTest::newRow("solid, extract") << "solid.rar" << x << "" << none << QStringList{"docs/", "docs/a1200.txt#1200",
            "docs/empty.txt=", "docs/sub/", "docs/sub/deep.txt=deep\n", "readme.txt=hello\n"} << none0 << 0;
        QTest::newRow("volumes, extract") << "multivolume.part1.rar" << x << "" << none
            << QStringList{"random.bin#300000", "readme.txt=hello\n"} << none0 << 0;
        QTest::newRow("basic, test") << "basic.rar" << t << "" << none << passed << none0 << 0;
        // Bad data in a plain entry names the entry, not a password.
        QTest::newRow("flipped data byte, test") << "flipped-data.rar" << t << "" << none
            << QStringList{"readme.txt=12"} << QStringList{"CRC failed in readme.txt"} << 0;
        QTest::newRow("flipped header byte, test") << "flipped-header.rar" << t << "" << none
            << QStringList{"readme.txt=12"} << QStringList{"File header broken", "CRC failed in readme.txt"} << 0;
        QTest::newRow("headers, list, given") << headers << l << "secret" << none << names << none0 << 0;
        QTest::newRow("headers, list, typed") << headers << l << "" << secret << names << none0 << 1;
        QTest::newRow("headers, list, cancelled") << headers << l << "" << none << none0 << none0 << 1;
        QTest::newRow("headers, list, wrong") << headers << l << "wrong" << none << none0
            << QStringList{Fixture(headers) + ": wrong password"} << 0;
        QTest::newRow("headers, extract, typed") << headers << x << "" << secret << kBasic << none0 << 1;
        QTest::newRow("files, extract, typed") << files << x << "" << secret << kBasic << none0 << 1;
        // Folders carry no data, so they need no password.
        QTest::newRow("files, extract, wrong") << files << x << "wrong" << none
            << QStringList{"docs/", "docs/sub/", "empty-folder/"} << QStringList{"Wrong password"} << 0;
        QTest::newRow("files, extract, cancelled") << files << x << "" << none << none0 << none0 << 1;
        QTest::newRow("files, test, given") << files << t << "secret" << none << passed << none0 << 0;
        // clang-format on
    }
    void runs()
    {
        QFETCH(QString, archive);
        QFETCH(int, mode);
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, typed);
        QFETCH(QStringList, result);
        QFETCH(QStringList, errors);
        QFETCH(int, prompts);
        QTemporaryDir dir;
        EngineRun run;
        run.view.title = "before";
        run.password = given;
        run.prompts.password = typed;
        run.process(mode, Fixture(archive), dir.filePath("out"));
        QCOMPARE(mode == OP_LIST ? run.view.names() : mode == OP_TEST ? run.view.outcomes : Contents(dir.filePath("out")),
                 result);
        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.prompts.passwordPrompts.size(), prompts);
        QCOMPARE(run.passed(), mode != OP_LIST && errors.isEmpty() && (prompts == 0 || typed));
        // A test writes nothing and leaves the title as it was.
        if (mode == OP_TEST)
            QVERIFY(!QFileInfo::exists(dir.filePath("out")) && run.view.title == "before");
    }

    // Links through the reader and the library, in both formats (RAR 4 keeps
    // a link's target as its data): the listing's targets, a test that passes
    // them, and the tree `unrar x` makes.
    void links_data()
    {
        QTest::addColumn<QString>("archive"); // empty: the RAR 4 one made here
        QTest::addColumn<QString>("targets");
        QTest::addColumn<QString>("tree");
        QTest::newRow("RAR 5") << "links.rar"
            << "src/sub/up.txt->../a.txt src/link.txt->a.txt src/a.txt->src/hard.txt src/big2.bin->src/big1.bin"
            << "src/ src/a.txt=2 src/big1.bin src/big2.bin src/hard.txt=2 src/link.txt->a.txt src/sub/ src/sub/up.txt->../a.txt";
        QTest::newRow("RAR 4") << "" << "src/link.txt->a.txt src/sub/up.txt->../a.txt"
            << "src/ src/a.txt src/link.txt->a.txt src/sub/ src/sub/up.txt->../a.txt";
    }
    void links()
    {
        QFETCH(QString, archive);
        QFETCH(QString, targets);
        QFETCH(QString, tree);
        QTemporaryDir dir;
        QString path = Fixture(archive);
        if (archive.isEmpty()) {
            Rar4 rar4;
            rar4.block(0x73, 0, QByteArray(6, 0)).entry("src/a.txt", "hello\n");
            rar4.entry("src/link.txt", "a.txt", 0, 0x74, 0120777).entry("src/sub/up.txt", "../a.txt", 0, 0x74, 0120777);
            QVERIFY(WriteFile(path = dir.filePath("links4.rar"), rar4.block(0x7B, 0x4000, {}).bytes));
        }
        for (const int mode : {OP_LIST, OP_TEST, OP_EXTRACT}) {
            EngineRun run;
            run.process(mode, path, dir.filePath("out"));
            QVERIFY2(mode == OP_LIST || run.passed(), qPrintable(run.prompts.errors.join('\n')));
            QStringList listed;
            for (const FileRow& row : run.view.rows)
                if (!row.linkTarget.isEmpty())
                    listed << row.name + "->" + row.linkTarget;
            if (mode == OP_LIST)
                QCOMPARE(listed.join(' '), targets);
        }
        QCOMPARE(TreeOf(dir.filePath("out")), tree);
    }

    // Only a later entry's file exists (the first one's in the solid
    // archive: the entry after it needs its data decoded all the same; in the
    // encrypted one: passed over while the library asks for the password).
    void overwrite_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<OverwritePolicy>("policy");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("status");
        const QString basic = "basic.rar", deep = "docs/sub/deep.txt", mine = "docs/sub/deep.txt=mine";
        QStringList kept = kBasic, unrelated = kBasic;
        kept.replaceInStrings("deep.txt=deep\n", "deep.txt=mine");
        QStringList encryptedKept = kBasic;
        encryptedKept.replaceInStrings("readme.txt=hello\n", "readme.txt=mine");
        unrelated << "other.txt=mine";
        unrelated.sort();
        // clang-format off
        QTest::newRow("ask, yes") << basic << OverwritePolicy::Ask << deep << true << 1 << kBasic << "Success";
        QTest::newRow("ask, no") << basic << OverwritePolicy::Ask << deep << false << 1 << QStringList{"docs/", "docs/sub/", mine} << "";
        QTest::newRow("ask, nothing in the way") << basic << OverwritePolicy::Ask << "other.txt" << false << 0 << unrelated << "Success";
        QTest::newRow("always") << basic << OverwritePolicy::Always << deep << false << 0 << kBasic << "Success";
        QTest::newRow("never") << basic << OverwritePolicy::Never << deep << true << 0 << kept << "Ready";
        QTest::newRow("never, encrypted") << "encrypted-files.rar" << OverwritePolicy::Never << "readme.txt" << true << 0
            << encryptedKept << "Ready";
        QTest::newRow("never, solid") << "solid-skip.rar" << OverwritePolicy::Never << "first.txt" << true << 0
            << QStringList{"first.txt=mine", "second.txt=second\n"} << "Ready";
        // clang-format on
    }
    void overwrite()
    {
        QFETCH(QString, archive);
        QFETCH(OverwritePolicy, policy);
        QFETCH(QString, existing);
        QFETCH(bool, yes);
        QFETCH(int, questions);
        QFETCH(QStringList, files);
        QFETCH(QString, status);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(existing)).path()));
        QVERIFY(WriteFile(dir.filePath(existing), "mine"));
        EngineRun run;
        run.prompts.yes = yes;
        run.password = "secret";
        run.process(OP_EXTRACT, Fixture(archive), dir.path(), policy);
        QCOMPARE(run.prompts.questions.size(), questions);
        QCOMPARE(Contents(dir.path()), files);
        QCOMPARE(run.view.refused, policy == OverwritePolicy::Never ? QStringList{existing} : QStringList());
        QCOMPARE(run.status(), status);
    }

    void missingVolume_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("error");
        const QString missing = "The next volume of the archive is missing: %1/set.part2.rar";
        QTest::newRow("list") << int(OP_LIST) << "Volume open error";
        QTest::newRow("extract") << int(OP_EXTRACT) << missing;
        QTest::newRow("test") << int(OP_TEST) << missing;
    }
    void missingVolume()
    {
        QFETCH(int, mode);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Fixture("multivolume.part1.rar"), dir.filePath("set.part1.rar")));
        EngineRun run;
        run.process(mode, dir.filePath("set.part1.rar"), dir.filePath("out"));
        QCOMPARE(run.prompts.errors, QStringList{error.arg(dir.path())});
        QVERIFY(!run.passed());
        QCOMPARE(Contents(dir.filePath("out")), QStringList());
    }

    // Sets made by `rar -v` (RAR 5, new numbering) and by hand (RAR 4, old
    // and new numbering; tests/data/volumes). Any volume with the first one
    // beside it is the whole set; without the first, an entry that began
    // before the given volume is marked ("*" after its name) and said to.
    void volumeSets_data()
    {
        QTest::addColumn<QString>("set");       // the volumes' names, %1 for the part
        QTest::addColumn<QStringList>("parts"); // the volumes copied into the folder
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("result"); // rows (list) or entry results (test)
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QString>("note");      // status (and a listing's title)
        const QString five = "multivolume.part%1.rar", old4 = "volumes/old4.%1", new4 = "volumes/new4.part%1.rar";
        const QStringList fiveAll{"1", "2", "3"}, oldAll{"rar", "r00", "r01"}, none;
        const QStringList fiveRows{"random.bin", "readme.txt"}, fourRows{"a.txt", "b.txt", "c.txt"};
        const QStringList fivePassed{"random.bin=0", "readme.txt=0"}, fourPassed{"a.txt=0", "b.txt=0", "c.txt=0"};
        const QString early = QString::number(ERAR_BEGINS_EARLIER), volume = "Volume %1 of a set: showing the whole set from %2";
        const int l = OP_LIST, t = OP_TEST;
        // clang-format off
        QTest::newRow("5, first") << five << fiveAll << "1" << t << fivePassed << none << "";
        QTest::newRow("5, middle") << five << fiveAll << "2" << l << fiveRows << none << volume.arg(2).arg("set.part1.rar");
        QTest::newRow("5, last") << five << fiveAll << "3" << t << fivePassed << none << volume.arg(3).arg("set.part1.rar");
        QTest::newRow("5, middle, first missing, list") << five << QStringList{"2", "3"} << "2" << l
            << QStringList{"random.bin*", "readme.txt"} << none << "";
        QTest::newRow("5, middle, first missing, test") << five << QStringList{"2", "3"} << "2" << t
            << QStringList{"random.bin=" + early, "readme.txt=0"} << QStringList{"Begins in an earlier volume"} << "";
        QTest::newRow("5, later missing") << five << QStringList{"1", "2"} << "2" << t << QStringList{"random.bin=15"}
            << QStringList{"The next volume of the archive is missing: %1/set.part3.rar"} << volume.arg(2).arg("set.part1.rar");
        QTest::newRow("4 old, middle") << old4 << oldAll << "r00" << t << fourPassed << none << volume.arg(2).arg("set.rar");
        QTest::newRow("4 old, last") << old4 << oldAll << "r01" << l << fourRows << none << volume.arg(3).arg("set.rar");
        QTest::newRow("4 old, middle, first missing") << old4 << QStringList{"r00", "r01"} << "r00" << t
            << QStringList{"a.txt=" + early, "b.txt=0", "c.txt=0"} << QStringList{"Begins in an earlier volume"} << "";
        QTest::newRow("4 new, middle, first missing") << new4 << QStringList{"2", "3"} << "2" << l
            << QStringList{"a.txt*", "b.txt", "c.txt"} << none << "";
        QTest::newRow("4 new, last") << new4 << fiveAll << "3" << t << fourPassed << none << volume.arg(3).arg("set.part1.rar");
        // clang-format on
    }
    void volumeSets()
    {
        QFETCH(QString, set);
        QFETCH(QStringList, parts);
        QFETCH(QString, given);
        QFETCH(int, mode);
        QFETCH(QStringList, result);
        QFETCH(QStringList, errors);
        QFETCH(QString, note);
        QTemporaryDir dir;
        const QString copied = QFileInfo(set).fileName().replace(QRegularExpression("^[a-z0-9]+"), "set");
        for (const QString& part : parts)
            QVERIFY(QFile::copy(Fixture(set.arg(part)), dir.filePath(copied.arg(part))));
        EngineRun run;
        run.process(mode, dir.filePath(copied.arg(given)));
        QStringList rows;
        for (const FileRow& row : run.view.rows)
            rows << row.name + (row.beginsEarlier ? "*" : "");
        QCOMPARE(mode == OP_LIST ? rows : run.view.outcomes, result);
        QCOMPARE(run.prompts.errors, errors.replaceInStrings("%1", dir.path()));
        QCOMPARE(run.passed(), mode == OP_TEST && errors.isEmpty());
        QCOMPARE(run.status(), note.isEmpty() ? "Ready" : note);
        if (mode == OP_LIST)
            QCOMPARE(run.view.title.endsWith(note + " - Marrowick"), true);
    }

    // The library stops early on a header that claims more data than any
    // file holds (it fails to seek past it): a failure in every mode.
    void failedSeek_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("list") << int(OP_LIST);
        QTest::newRow("test") << int(OP_TEST);
        QTest::newRow("extract") << int(OP_EXTRACT);
    }
    void failedSeek()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        auto archive = HostileRar::load(Fixture("basic.rar"));
        QVERIFY(archive);
        archive->setPackedSize(0, std::uint64_t(1) << 62);
        QVERIFY(archive->save(dir.filePath("seek.rar")));
        EngineRun run;
        run.process(mode, dir.filePath("seek.rar"), dir.filePath("out"));
        QVERIFY(run.prompts.errors.contains("Read error"));
        QVERIFY(!run.passed());
    }

    // The 5 GiB entry is stopped once some of it was written; the user's
    // file stays and no temporary file is left.
    void cancelMidEntry_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("extract") << int(OP_EXTRACT);
        QTest::newRow("test") << int(OP_TEST);
    }
    void cancelMidEntry()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath("zeros5g.bin"), "mine"));
        EngineRun run;
        run.view.cancelAtBytes = 16 << 20;
        run.process(mode, Fixture("zeros5g.rar"), dir.path(), OverwritePolicy::Always);
        QVERIFY(run.view.cancel);
        QCOMPARE(run.view.progressEntry, QStringLiteral("zeros5g.bin"));
        QCOMPARE(run.view.progressTotal, std::uint64_t(5) << 30);
        QCOMPARE(Contents(dir.path()), QStringList{"zeros5g.bin=mine"});
        QCOMPARE(run.prompts.errors, QStringList());
        QVERIFY(!run.passed());
    }

    // Through a whole run the check comes before anything is written.
    void runAgainstFreeSpace()
    {
        ScopedFreeSpaceProvider fake([](const QString&) { return std::optional<std::uint64_t>(1ull << 30); });
        QTemporaryDir dir;
        EngineRun run;
        run.process(OP_EXTRACT, Fixture("zeros5g.rar"), dir.filePath("dest"));
        QVERIFY2(run.prompts.errors.join("").startsWith("Not enough disk space"), qPrintable(run.prompts.errors.join("")));
        QCOMPARE(SnapshotTree(dir.filePath("dest")), (QMap<QString, QString>()));
        QVERIFY(!run.passed());
    }
};

QTEST_GUILESS_MAIN(TestEngineReal)
#include "tst_engine_real.moc"
