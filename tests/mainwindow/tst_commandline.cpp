// The start-up line: L=, X= and T= with an archive and a password.
#include "mainwindow/CommandLine.h"

#include <QtTest>

using namespace marrowick;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("mode"); // -1: no operation
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("password");
        const QString missing = "Missing argument(s)!", invalid = "Invalid Argument(s)!";
        // The shell split the path at the blank; joined again.
        QTest::newRow("blank in the path") << QStringList{"l=/my", "a.rar"} << QStringList{} << 2 << "/my a.rar" << "";
        // The password must not end up in the path.
        QTest::newRow("password") << QStringList{"X=/a.rar=secret"} << QStringList{} << 0 << "/a.rar" << "secret";
        QTest::newRow("password with = is cut") << QStringList{"T=/a.rar=se=cret"} << QStringList{} << 1 << "/a.rar" << "se";
        QTest::newRow("no letter") << QStringList{"=/a.rar"} << QStringList{missing, invalid} << -1 << "/a.rar" << "";
        QTest::newRow("no =") << QStringList{"L"} << QStringList{missing} << 2 << "" << "";
    }
    void split()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, messages);
        QFETCH(int, mode);
        QFETCH(QString, archive);
        QFETCH(QString, password);
        const ParsedCommandLine parsed = SplitCommandLine(JoinArguments(args));
        QVERIFY(!parsed.isEmpty);
        QCOMPARE(parsed.messages, messages);
        QCOMPARE(parsed.mode.value_or(-1), mode);
        QCOMPARE(parsed.archivePath, archive);
        QCOMPARE(parsed.password, password);
    }

    void emptyLine()
    {
        QVERIFY(SplitCommandLine(JoinArguments({})).isEmpty);
        QVERIFY(SplitCommandLine(JoinArguments({QString()})).isEmpty);
        QVERIFY(!SplitCommandLine(JoinArguments({"", ""})).mode);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
