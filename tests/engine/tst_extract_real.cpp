// ProcessArchive in extract and test mode against the installed UnRAR library
// and the archives of tests/data (passwords "secret").
#include "engine/modRAR.h"

#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

struct Run : EngineRun
{
    void run(std::int32_t mode, const QString& path, const QString& dest,
             OverwritePolicy overwrite = OverwritePolicy::Ask)
    {
        process(mode, path, dest, overwrite);
    }
};

// What a folder holds: "dir/" for folders, "file=content" for small files,
// "file#size" for large ones; sorted.
QStringList Contents(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink()) {
            found << name + QLatin1Char('/');
        } else if (info.size() > 32) {
            found << name + QLatin1Char('#') + QString::number(info.size());
        } else {
            found << name + QLatin1Char('=') + QString::fromUtf8(ReadFile(path));
        }
    }
    found.sort();
    return found;
}

const QStringList kBasic{"docs/",          "docs/a1200.txt#1200", "docs/empty.txt=",
                         "docs/sub/",      "docs/sub/deep.txt=deep\n", "empty-folder/",
                         "readme.txt=hello\n"};

} // namespace

class TestExtractReal final : public QObject
{
    Q_OBJECT

private slots:
    void extract_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("prompts");
        const std::optional<QString> none;
        const std::optional<QString> secret(QStringLiteral("secret"));
        const QStringList folders{"docs/", "docs/sub/", "empty-folder/"};
        const QString headers = Fixture("encrypted-headers.rar");
        // clang-format off
        QTest::newRow("basic") << "basic.rar" << "" << none << kBasic << QStringList() << "Success" << 0;
        QTest::newRow("unicode") << "unicode.rar" << "" << none
            << QStringList{"Ünïcödé.txt=x", "Ελληνικά.txt=z", "日本語.txt=y"} << QStringList() << "Success" << 0;
        QTest::newRow("solid") << "solid.rar" << "" << none
            << QStringList{"docs/", "docs/a1200.txt#1200", "docs/empty.txt=", "docs/sub/",
                           "docs/sub/deep.txt=deep\n", "readme.txt=hello\n"}
            << QStringList() << "Success" << 0;
        QTest::newRow("multivolume") << "multivolume.part1.rar" << "" << none
            << QStringList{"random.bin#300000", "readme.txt=hello\n"} << QStringList() << "Success" << 0;
        QTest::newRow("long name") << "longname.rar" << "" << none
            << QStringList() << QStringList() << "Success" << 0; // checked apart: 13 folders deep
        QTest::newRow("files encrypted, password given") << "encrypted-files.rar" << "secret" << none
            << kBasic << QStringList() << "Success" << 0;
        QTest::newRow("files encrypted, password typed") << "encrypted-files.rar" << "" << secret
            << kBasic << QStringList() << "Success" << 1;
        // Folders carry no data, so they need no password.
        QTest::newRow("files encrypted, wrong password") << "encrypted-files.rar" << "wrong" << none
            << folders << QStringList{"Wrong password"} << "Ready" << 0;
        QTest::newRow("files encrypted, prompt cancelled") << "encrypted-files.rar" << "" << none
            << QStringList() << QStringList() << "Ready" << 1;
        QTest::newRow("headers encrypted, password given") << "encrypted-headers.rar" << "secret" << none
            << kBasic << QStringList() << "Success" << 0;
        QTest::newRow("headers encrypted, password typed") << "encrypted-headers.rar" << "" << secret
            << kBasic << QStringList() << "Success" << 1;
        QTest::newRow("headers encrypted, wrong password") << "encrypted-headers.rar" << "wrong" << none
            << QStringList() << QStringList{headers + ": wrong password"} << "" << 0;
        QTest::newRow("headers encrypted, prompt cancelled") << "encrypted-headers.rar" << "" << none
            << QStringList() << QStringList() << "" << 1;
        // clang-format on
    }
    void extract()
    {
        QFETCH(QString, archive);
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, typed);
        QFETCH(QStringList, files);
        QFETCH(QStringList, errors);
        QFETCH(QString, status);
        QFETCH(int, prompts);
        QTemporaryDir dir;
        const QString dest = dir.filePath(QStringLiteral("out"));
        Run run;
        run.password = given;
        run.prompts.password = typed;
        run.run(OP_EXTRACT, Fixture(archive), dest);

        if (archive == QLatin1String("longname.rar")) {
            QCOMPARE(Contents(dest).size(), 14);
            QVERIFY(Contents(dest).last().endsWith(QLatin1String("/file-with-a-long-name.txt=long\n")));
        } else {
            QCOMPARE(Contents(dest), files);
        }
        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.status(), status);
        QCOMPARE(run.prompts.passwordPrompts.size(), prompts);
        QCOMPARE(run.prompts.questions, QStringList());
        QCOMPARE(TemporaryFilesUnder(dir.path()), QStringList());
        if (archive.startsWith(QLatin1String("encrypted")) && !status.isEmpty())
            QCOMPARE(run.view.panels.value(1), QStringLiteral("ENCRYPTED"));
        QCOMPARE(run.view.started, run.view.finished);
    }

    void test_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("given");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<bool>("passed");
        const std::optional<QString> none;
        const QString crcFailed = QStringLiteral("CRC failed in encrypted file (wrong password?)");
        // clang-format off
        for (const char* sound : {"basic.rar", "unicode.rar", "solid.rar", "multivolume.part1.rar",
                                  "longname.rar", "duplicates.rar", "commented.rar", "bigcomment.rar"})
            QTest::newRow(sound) << sound << "" << none << QStringList() << true;
        QTest::newRow("files encrypted, password typed") << "encrypted-files.rar" << ""
            << std::optional<QString>("secret") << QStringList() << true;
        QTest::newRow("files encrypted, password given") << "encrypted-files.rar" << "secret" << none
            << QStringList() << true;
        QTest::newRow("files encrypted, wrong password") << "encrypted-files.rar" << "wrong" << none
            << QStringList{"Wrong password"} << false;
        QTest::newRow("files encrypted, prompt cancelled") << "encrypted-files.rar" << "" << none
            << QStringList() << false;
        QTest::newRow("headers encrypted") << "encrypted-headers.rar" << "secret" << none
            << QStringList() << true;
        QTest::newRow("flipped data byte") << "flipped-data.rar" << "" << none
            << QStringList{crcFailed} << false;
        QTest::newRow("flipped header byte") << "flipped-header.rar" << "" << none
            << QStringList{"File header broken", crcFailed} << false;
        // clang-format on
    }
    void test()
    {
        QFETCH(QString, archive);
        QFETCH(QString, given);
        QFETCH(std::optional<QString>, typed);
        QFETCH(QStringList, errors);
        QFETCH(bool, passed);
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        Run run;
        run.view.title = QStringLiteral("before");
        run.password = given;
        run.prompts.password = typed;
        run.run(OP_TEST, Fixture(archive), QString());
        QVERIFY(QDir::setCurrent(previous));

        QCOMPARE(run.prompts.errors, errors);
        QCOMPARE(run.prompts.information,
                 passed ? QStringList{"No errors found during test operation|Marrowick"}
                        : QStringList());
        QCOMPARE(run.status(), QStringLiteral("Ready"));
        // Every entry is tested, none written, the title stays.
        if (passed)
            QVERIFY(!run.view.outcomes.isEmpty() &&
                    run.view.outcomes.filter(QRegularExpression("=0$")).size() == run.view.outcomes.size());
        QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(run.view.title, QStringLiteral("before"));
    }

    void testCoversEveryEntry()
    {
        Run run;
        run.run(OP_TEST, Fixture("basic.rar"), QString());
        QCOMPARE(run.view.outcomes,
                 QStringList({"readme.txt=0", "docs/a1200.txt=0", "docs/empty.txt=0",
                              "docs/sub/deep.txt=0", "docs/sub=0", "docs=0", "empty-folder=0"}));
    }

    void wrongPasswordKeepsExistingFile()
    {
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath("readme.txt"), "original"));
        Run run;
        run.password = QStringLiteral("wrong");
        run.run(OP_EXTRACT, Fixture("encrypted-files.rar"), dir.path());
        QCOMPARE(run.prompts.questions, QStringList{"File(s) Exist, Replace ?|Marrowick"});
        QCOMPARE(ReadFile(dir.filePath("readme.txt")), QByteArray("original"));
        QCOMPARE(run.prompts.errors, QStringList{"Wrong password"});
        QCOMPARE(run.status(), QStringLiteral("Ready"));
        QCOMPARE(TemporaryFilesUnder(dir.path()), QStringList());
    }

    // The 5 GiB entry is stopped once some of it was written.
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
        Run run;
        run.view.cancelAtBytes = 16 << 20;
        run.run(mode, Fixture("zeros5g.rar"), dir.path(), OverwritePolicy::Always);
        QVERIFY(run.view.cancel);
        QCOMPARE(run.view.progressEntry, QStringLiteral("zeros5g.bin"));
        QCOMPARE(run.view.progressTotal, std::uint64_t(5) << 30);
        QVERIFY(run.view.progressDone < run.view.progressTotal);
        QCOMPARE(Contents(dir.path()), QStringList{"zeros5g.bin=mine"});
        QCOMPARE(run.status(), QStringLiteral("Ready"));
        QCOMPARE(run.prompts.errors, QStringList());
        QCOMPARE(run.prompts.information, QStringList());
        QCOMPARE(run.view.started, run.view.finished);
    }

    // Only a later entry's file exists.
    void overwrite_data()
    {
        QTest::addColumn<OverwritePolicy>("policy");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("status");
        const QString mine = QStringLiteral("docs/sub/deep.txt=mine");
        QStringList replaced = kBasic;
        QStringList kept = kBasic;
        kept.replaceInStrings(QStringLiteral("deep.txt=deep\n"), QStringLiteral("deep.txt=mine"));
        QStringList unrelated = kBasic;
        unrelated << QStringLiteral("other.txt=mine");
        unrelated.sort();
        // clang-format off
        QTest::newRow("ask, yes") << OverwritePolicy::Ask << "docs/sub/deep.txt" << true << 1
            << replaced << QStringList() << "Success";
        QTest::newRow("ask, no") << OverwritePolicy::Ask << "docs/sub/deep.txt" << false << 1
            << QStringList{"docs/", "docs/sub/", mine} << QStringList() << "";
        QTest::newRow("ask, nothing in the way") << OverwritePolicy::Ask << "other.txt" << false << 0
            << unrelated << QStringList() << "Success";
        QTest::newRow("always") << OverwritePolicy::Always << "docs/sub/deep.txt" << false << 0
            << replaced << QStringList() << "Success";
        QTest::newRow("never") << OverwritePolicy::Never << "docs/sub/deep.txt" << true << 0
            << kept << QStringList{"docs/sub/deep.txt"} << "Ready";
        // clang-format on
    }
    void overwrite()
    {
        QFETCH(OverwritePolicy, policy);
        QFETCH(QString, existing);
        QFETCH(bool, yes);
        QFETCH(int, questions);
        QFETCH(QStringList, files);
        QFETCH(QStringList, refused);
        QFETCH(QString, status);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(existing)).path()));
        QVERIFY(WriteFile(dir.filePath(existing), "mine"));
        Run run;
        run.prompts.yes = yes;
        run.run(OP_EXTRACT, Fixture("basic.rar"), dir.path(), policy);
        QCOMPARE(run.prompts.questions.size(), questions);
        QCOMPARE(Contents(dir.path()), files);
        QCOMPARE(run.view.refused, refused);
        QCOMPARE(run.status(), status);
        QCOMPARE(run.prompts.errors, QStringList());
    }

    void missingVolume_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("extract") << int(OP_EXTRACT);
        QTest::newRow("test") << int(OP_TEST);
    }
    void missingVolume()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Fixture("multivolume.part1.rar"), dir.filePath("set.part1.rar")));
        const QString dest = dir.filePath("out");
        Run run;
        run.run(mode, dir.filePath("set.part1.rar"), dest);
        QCOMPARE(run.prompts.errors,
                 QStringList{"The next volume of the archive is missing: " + dir.filePath("set.part2.rar")});
        QCOMPARE(run.status(), QStringLiteral("Ready"));
        QCOMPARE(run.prompts.information, QStringList());
        QCOMPARE(Contents(dir.path()).filter(QStringLiteral("random")), QStringList());
        QCOMPARE(TemporaryFilesUnder(dir.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestExtractReal)
#include "tst_extract_real.moc"
