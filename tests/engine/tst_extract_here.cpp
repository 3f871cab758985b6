// Extract Here: where an archive's content lands beside it, through the
// installed library and copies of the archives of tests/data.
#include "engine/ExtractHere.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

class TestExtractHere : public QObject
{
    Q_OBJECT

private slots:
    // fixture: copied beside nothing else as archive ("*" stands for the
    // volume number); taken: names there before, a trailing "/" for a folder;
    // landed: what the run made; tree: the new top-level names and one file
    // below them, as "path=content".
    void destinationRule_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("landed");
        QTest::addColumn<QString>("probe");
        const int smart = int(HereMode::Smart), subfolder = int(HereMode::Subfolder);
        // clang-format off
        QTest::newRow("one file") << "commented.rar" << "notes.rar" << QStringList{} << smart
            << "readme.txt" << "readme.txt=hello\n";
        QTest::newRow("one file, name taken") << "commented.rar" << "notes.rar" << QStringList{"readme.txt"} << smart
            << "readme (2).txt" << "readme (2).txt=hello\n";
        QTest::newRow("one file, into a subfolder") << "commented.rar" << "notes.rar" << QStringList{} << subfolder
            << "notes" << "notes/readme.txt=hello\n";
        QTest::newRow("one folder with files") << "onefolder.rar" << "onefolder.rar" << QStringList{} << smart
            << "docs" << "docs/sub/deep.txt=deep\n";
        QTest::newRow("one folder, name taken") << "onefolder.rar" << "onefolder.rar" << QStringList{"docs/"} << smart
            << "docs (2)" << "docs (2)/sub/deep.txt=deep\n";
        QTest::newRow("one folder and one file") << "solid.rar" << "solid.rar" << QStringList{} << smart
            << "solid" << "solid/docs/sub/deep.txt=deep\n";
        QTest::newRow("many entries") << "basic.rar" << "basic.rar" << QStringList{} << smart
            << "basic" << "basic/readme.txt=hello\n";
        QTest::newRow("name taken once") << "basic.rar" << "basic.rar" << QStringList{"basic/"} << smart
            << "basic (2)" << "basic (2)/readme.txt=hello\n";
        QTest::newRow("name taken twice") << "basic.rar" << "basic.rar" << QStringList{"basic/", "basic (2)"} << smart
            << "basic (3)" << "basic (3)/readme.txt=hello\n";
        QTest::newRow("a name with a percent sign, taken") << "basic.rar" << "100%2.rar" << QStringList{"100%2/"} << smart
            << "100%2 (2)" << "100%2 (2)/readme.txt=hello\n";
        QTest::newRow("a name with dots") << "basic.rar" << "my.photos.2024.RAR" << QStringList{} << smart
            << "my.photos.2024" << "my.photos.2024/docs/sub/deep.txt=deep\n";
        QTest::newRow("a volume set") << "multivolume.part*.rar" << "set.part*.rar" << QStringList{} << smart
            << "set" << "set/readme.txt=hello\n";
        // The listing stops at the cut: not known whole, so a folder of its own.
        QTest::newRow("cut short") << "truncated.rar" << "cut.rar" << QStringList{} << smart
            << "cut" << "cut/readme.txt=hello\n";
        // clang-format on
    }
    void destinationRule()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, archive);
        QFETCH(QStringList, taken);
        QFETCH(int, mode);
        QFETCH(QString, landed);
        QFETCH(QString, probe);
        QTemporaryDir folder;
        const QString at = folder.path() + '/';
        for (const QString part : {"1", "2", "3"})
            if (fixture.contains('*') || part == QLatin1String("1"))
                QVERIFY(QFile::copy(Fixture(QString(fixture).replace('*', part)), at + QString(archive).replace('*', part)));
        for (const QString& name : taken)
            QVERIFY(name.endsWith('/') ? QDir().mkdir(at + name) : WriteFile(at + name, "theirs"));
        const auto before = SnapshotTree(folder.path());

        EngineRun engine;
        RunContext context{engine.view, engine.prompts, nullptr, QString()};
        const HereResult result =
            ExtractHere(at + QString(archive).replace('*', "1"), engine.password, context, HereMode(mode));

        QCOMPARE(result.landed, at + landed);
        QCOMPARE(result.passed, !fixture.startsWith("truncated"));
        QCOMPARE(engine.prompts.errors.isEmpty(), result.passed);
        const QString probeName = probe.section('=', 0, 0);
        QCOMPARE(ReadFile(at + probeName), probe.section('=', 1).toUtf8());
        // Nothing that was there changed; everything new is below `landed`.
        const auto after = SnapshotTree(folder.path());
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
        for (auto it = after.begin(); it != after.end(); ++it)
            QVERIFY2(before.contains(it.key()) || it.key() == '/' + landed || it.key().startsWith('/' + landed + '/'),
                     qPrintable(it.key()));
    }

    // Nothing is made when the archive cannot be read at all, and a folder
    // that received nothing (no password, no terminal) is removed again.
    void nothingLeftBehind_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("error");
        QTest::newRow("not an archive") << "make-fixtures.sh" << "is not RAR archive";
        QTest::newRow("password refused") << "encrypted-files.rar" << "";
    }
    void nothingLeftBehind()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString archive = folder.filePath("a.rar");
        QVERIFY(QFile::copy(Fixture(fixture), archive));
        EngineRun engine;
        RunContext context{engine.view, engine.prompts, nullptr, QString()};
        const HereResult result = ExtractHere(archive, engine.password, context);
        QCOMPARE(result.landed, QString());
        QVERIFY(!result.passed);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"a.rar"});
        QVERIFY2(engine.prompts.errors.join('\n').contains(error), qPrintable(engine.prompts.errors.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestExtractHere)
#include "tst_extract_here.moc"
