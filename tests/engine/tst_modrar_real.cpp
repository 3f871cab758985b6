// ProcessArchive in list mode against the installed UnRAR library and the
// archives of tests/data (made by make-fixtures.sh).
#include "engine/modRAR.h"

#include "engine/ComponentError.h"
#include "engine/Formats.h"
#include "engine/UnrarLibrary.h"
#include "RecordingView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

struct Run : EngineRun
{
    void list(const QString& path, std::int32_t mode = OP_LIST) { process(mode, path); }
    // keyedCrc: an encrypted file's checksum changes with every new salt, so
    // only its presence is compared.
    QStringList cells(bool keyedCrc = false) const
    {
        QStringList lines;
        for (const FileRow& row : view.rows)
            lines << QStringList{row.name, FormatSize(row.unpSize), FormatSize(row.packSize),
                                 keyedCrc && row.crc != 0 ? QStringLiteral("keyed") : FormatCrc(row.crc),
                                 row.isFolder ? "dir" : "file"}
                         .join(QLatin1Char('|'));
        return lines;
    }
};

} // namespace

class TestModRarReal : public QObject
{
    Q_OBJECT

private slots:
    void installedLibraryResolves()
    {
        const UnrarApi& api = InstalledUnrar();
        QVERIFY(api.RAROpenArchiveEx && api.RARCloseArchive && api.RARReadHeaderEx &&
                api.RARProcessFileW && api.RARSetCallback && api.RARSetPassword &&
                api.RARGetDllVersion);
        QVERIFY(api.RARGetDllVersion() >= RAR_DLL_VERSION);
        QCOMPARE(&InstalledUnrar(), &api);
    }

    void loaderErrors_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("missing library") << "libmarrowick-no-such.so.5" << 48
                                         << "libmarrowick-no-such.so.5";
        QTest::newRow("missing function") << "libm.so.6" << 453 << "RAROpenArchiveEx";
    }
    void loaderErrors()
    {
        QFETCH(QString, library);
        QFETCH(int, number);
        QFETCH(QString, mentions);
        try {
            LoadUnrar(library.toLocal8Bit().constData());
            QFAIL("no error raised");
        } catch (const ComponentError& error) {
            QCOMPARE(error.number(), number);
            QVERIFY2(error.description().contains(mentions), qPrintable(error.description()));
            QVERIFY(error.source().endsWith(QStringLiteral(".modRAR")));
        }
    }

    void listings_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("encrypted");
        const QStringList basic{
            "readme.txt|6|6|363A3020|file",      "docs/a1200.txt|1,200|13|FB3D3A2B|file",
            "docs/empty.txt|||0|file",           "docs/sub/deep.txt|5|5|279EB882|file",
            "docs/sub|||0|dir",                  "docs|||0|dir",
            "empty-folder|||0|dir"};
        QTest::newRow("files and folders") << "basic.rar" << basic << false;
        // Encrypted data is padded to the cipher's block, and RAR 5 stores a
        // keyed checksum instead of the plain CRC of an encrypted file.
        const QStringList encrypted{
            "readme.txt|6|32|keyed|file",        "docs/a1200.txt|1,200|16|keyed|file",
            "docs/empty.txt||16|keyed|file",     "docs/sub/deep.txt|5|16|keyed|file",
            "docs/sub|||0|dir",                  "docs|||0|dir",
            "empty-folder|||0|dir"};
        QTest::newRow("encrypted files") << "encrypted-files.rar" << encrypted << true;
        QTest::newRow("unicode names")
            << "unicode.rar"
            << QStringList{QString::fromUtf8("\xc3\x9c" "n\xc3\xaf" "c\xc3\xb6" "d\xc3\xa9.txt|1|1|8CDC1683|file"),
                           QString::fromUtf8("\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac.txt|1|1|62D277AF|file"),
                           QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt|1|1|FBDB2615|file")}
            << false;
        QTest::newRow("duplicate names")
            << "duplicates.rar" << QStringList{"a.txt|4|4|F817A89F|file", "a.txt|5|5|72B61845|file"}
            << false;
        QTest::newRow("5 GiB entry")
            << "zeros5g.rar" << QStringList{"zeros5g.bin|5,368,709,120|216,000|193838C3|file"}
            << false;
    }
    void listings()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, cells);
        QFETCH(bool, encrypted);
        Run run;
        run.list(Fixture(archive));
        QVERIFY2(run.prompts.errors.isEmpty(), qPrintable(run.prompts.errors.join("; ")));
        QCOMPARE(run.cells(encrypted), cells);
        QCOMPARE(run.view.panels.value(3),
                 QStringLiteral("Total  %1 Files ").arg(cells.size()));
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(run.view.panels.value(1), encrypted ? QStringLiteral("ENCRYPTED") : QString());
        QCOMPARE(run.view.title, Fixture(archive) + QStringLiteral(" - Marrowick"));
        QVERIFY(run.view.log.endsWith(QStringLiteral("icons")));
        QVERIFY(run.prompts.passwordPrompts.isEmpty());
    }

    void longNameShownWhole()
    {
        Run run;
        run.list(Fixture("longname.rar"));
        QVERIFY(run.prompts.errors.isEmpty());
        const QStringList names = run.view.names();
        QVERIFY(!names.isEmpty());
        QString longest;
        for (const QString& name : names)
            longest = name.size() > longest.size() ? name : longest;
        QCOMPARE(longest.size(), 298);
        QVERIFY(longest.endsWith(QStringLiteral("long-folder-name-013/file-with-a-long-name.txt")));
    }

    void comments_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("fits the buffer")
            << "commented.rar"
            << QStringList{QString::fromUtf8("Archive comment line 1\nline 2 \xc3\xa9\n")};
        QTest::newRow("larger than the buffer") << "bigcomment.rar" << QStringList();
        QTest::newRow("no comment") << "basic.rar" << QStringList();
    }
    void comments()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, shown);
        Run run;
        run.list(Fixture(archive));
        QCOMPARE(run.prompts.comments, shown);
        QVERIFY(run.prompts.errors.isEmpty());
        QCOMPARE(run.view.rows.size(), std::size_t(1 + 6 * (archive == "basic.rar")));
        if (!shown.isEmpty())
            QCOMPARE(run.view.log, (QStringList{"show", "clear", "comment", "title", "icons"}));
    }

    void volumesAndSolid_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("multi-volume")
            << "multivolume.part1.rar" << QStringList{"random.bin", "readme.txt"};
        QTest::newRow("solid") << "solid.rar"
                               << QStringList{"readme.txt", "docs/a1200.txt", "docs/sub/deep.txt",
                                              "docs/empty.txt", "docs/sub", "docs"};
    }
    void volumesAndSolid()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, names);
        Run run;
        run.list(Fixture(archive));
        QVERIFY2(run.prompts.errors.isEmpty(), qPrintable(run.prompts.errors.join("; ")));
        QCOMPARE(run.view.names(), names);
    }

    void missingVolumeIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Fixture("multivolume.part1.rar"), dir.filePath("set.part1.rar")));
        Run run;
        run.list(dir.filePath("set.part1.rar"));
        QCOMPARE(run.view.names().value(0), QStringLiteral("random.bin"));
        QCOMPARE(run.prompts.errors.size(), 1);
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
    }

    void encryptedHeaders_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("errors");
        const QString path = Fixture("encrypted-headers.rar");
        QTest::newRow("password given") << "secret" << std::optional<QString>() << 7 << QStringList();
        QTest::newRow("password typed") << "" << std::optional<QString>("secret") << 7
                                        << QStringList();
        QTest::newRow("prompt cancelled") << "" << std::optional<QString>() << 0 << QStringList();
        QTest::newRow("wrong password") << "wrong" << std::optional<QString>() << 0
                                        << QStringList{path + ": wrong password"};
    }
    void encryptedHeaders()
    {
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, typed);
        QFETCH(int, rows);
        QFETCH(QStringList, errors);
        Run run;
        run.password = given;
        run.prompts.password = typed;
        run.list(Fixture("encrypted-headers.rar"));
        QCOMPARE(int(run.view.rows.size()), rows);
        QCOMPARE(run.prompts.errors, errors);
        if (rows > 0) {
            QCOMPARE(run.view.panels.value(1), QStringLiteral("ENCRYPTED"));
            QCOMPARE(run.view.rows[0].crc, 0x363A3020u);
            // Folders of encrypted archives carry no CRC of their own.
            QCOMPARE(run.view.rows[4].crc, 0u);
        }
    }

    void damagedArchives_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("names");
        const QString data = QStringLiteral(MARROWICK_TEST_DATA "/");
        QTest::newRow("flipped header byte")
            << "flipped-header.rar" << QStringList{"File header broken"} << QStringList{"readme.txt"};
        QTest::newRow("not an archive") << "make-fixtures.sh"
                                        << QStringList{data + "make-fixtures.sh is not RAR archive"}
                                        << QStringList();
        QTest::newRow("missing file") << "no-such.rar" << QStringList{"Cannot open " + data + "no-such.rar"}
                                      << QStringList();
        // The library reports a cut-off archive as a normal end: the entries
        // whose headers are whole are listed, and nothing more can be said.
        QTest::newRow("truncated") << "truncated.rar" << QStringList{"Unexpected end of archive"}
                                   << QStringList{"readme.txt", "docs/a1200.txt"};
    }
    void damagedArchives()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, names);
        Run run;
        run.list(Fixture(archive));
        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.view.names(), names);
        QCOMPARE(run.view.started, run.view.finished);
    }
};

QTEST_GUILESS_MAIN(TestModRarReal)
#include "tst_modrar_real.moc"
