#include "engine/Paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;

class TestPaths : public QObject
{
    Q_OBJECT

private slots:
    void addBackslash_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << "/";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("no slash") << "/tmp/out" << "/tmp/out/";
        QTest::newRow("has slash") << "/tmp/out/" << "/tmp/out/";
        QTest::newRow("backslash is a name character") << "a\\" << "a\\/";
        QTest::newRow("relative") << "out" << "out/";
    }
    void addBackslash()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(AddBackslash(path), expected);
    }

    void fileExists_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("expected");
        QTest::newRow("file") << "file.txt" << true;
        QTest::newRow("empty file") << "empty" << true;
        QTest::newRow("folder") << "folder" << true;
        QTest::newRow("dangling symlink") << "dangling" << true;
        QTest::newRow("missing") << "missing.txt" << false;
        QTest::newRow("missing folder") << "nowhere/file.txt" << false;
        QTest::newRow("below a file") << "file.txt/x" << false;
        QTest::newRow("unicode") << QString::fromUtf8("\xc3\xbc.txt") << true;
    }
    void fileExists()
    {
        QFETCH(QString, relative);
        QFETCH(bool, expected);
        QTemporaryDir dir;
        for (const QString& name : {QStringLiteral("file.txt"), QStringLiteral("empty"),
                                    QString::fromUtf8("\xc3\xbc.txt")}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("dangling")));

        QCOMPARE(FileExists(dir.filePath(relative)), expected);
    }

    void fileExistsOddNames()
    {
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(QStringLiteral("")));
        // A NUL would cut the name short at the system call.
        QVERIFY(!FileExists(QStringLiteral("/tmp") + QChar(0) + QStringLiteral("nothing")));
        QVERIFY(!FileExists(QString(5000, QLatin1Char('a'))));
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
