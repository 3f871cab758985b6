#include "mainwindow/CommandLine.h"

#include <QtTest>

using namespace marrowick;

namespace {
const QString Missing = QStringLiteral("Missing argument(s)!");
const QString Invalid = QStringLiteral("Invalid Argument(s)!");
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void join_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        // The shell split "X=/my archives/a.rar" at the blank; joined again.
        QTest::newRow("blank in the path")
            << QStringList{"X=/my", "archives/a.rar"} << "X=/my archives/a.rar";
        QTest::newRow("an empty argument keeps its place")
            << QStringList{"X=/a.rar", "", "b"} << "X=/a.rar  b";
        QTest::newRow("quotes the shell left") << QStringList{"L=\"/a.rar\""} << "L=\"/a.rar\"";
    }
    void join()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        QCOMPARE(JoinArguments(args), line);
    }

    void split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("mode"); // -1: no operation
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("password");

        QTest::newRow("list") << "L=/a.rar" << QStringList{} << 2 << "/a.rar" << "";
        QTest::newRow("lower-case extract") << "x=/a.rar" << QStringList{} << 0 << "/a.rar" << "";
        QTest::newRow("test") << "T=/a.rar" << QStringList{} << 1 << "/a.rar" << "";
        // The archive path is the second element, never the line less its
        // first two characters: the password must not end up in the path.
        QTest::newRow("password")
            << "X=/a.rar=secret" << QStringList{} << 0 << "/a.rar" << "secret";
        QTest::newRow("password with = is cut")
            << "X=/a.rar=se=cret" << QStringList{} << 0 << "/a.rar" << "se";
        QTest::newRow("unknown letter")
            << "Q=/a.rar" << QStringList{Invalid} << -1 << "/a.rar" << "";
        QTest::newRow("two letters") << "XT=/a.rar" << QStringList{Invalid} << -1 << "/a.rar" << "";
        QTest::newRow("no letter")
            << "=/a.rar" << QStringList{Missing, Invalid} << -1 << "/a.rar" << "";
        QTest::newRow("no path") << "X=" << QStringList{Missing} << 0 << "" << "";
        QTest::newRow("no =") << "L" << QStringList{Missing} << 2 << "" << "";
        QTest::newRow("quotes kept")
            << "L=\"/a b.rar\"" << QStringList{} << 2 << "\"/a b.rar\"" << "";
        QTest::newRow("blanks kept") << " L=/a.rar" << QStringList{Invalid} << -1 << "/a.rar" << "";
    }
    void split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, messages);
        QFETCH(int, mode);
        QFETCH(QString, archive);
        QFETCH(QString, password);
        const ParsedCommandLine parsed = SplitCommandLine(line);
        QVERIFY(!parsed.isEmpty);
        QCOMPARE(parsed.elements.size(), 3);
        QCOMPARE(parsed.messages, messages);
        QCOMPARE(parsed.mode.value_or(-1), mode);
        QCOMPARE(parsed.archivePath, archive);
        QCOMPARE(parsed.elements.at(1), archive);
        QCOMPARE(parsed.password, password);
        QCOMPARE(parsed.elements.at(2), password);
    }

    void emptyLineIsItsOwnCase()
    {
        const ParsedCommandLine parsed = SplitCommandLine(QString());
        QVERIFY(parsed.isEmpty);
        QVERIFY(parsed.messages.isEmpty());
        QVERIFY(!parsed.mode.has_value());
        QVERIFY(parsed.archivePath.isEmpty());
        QVERIFY(SplitCommandLine(JoinArguments({})).isEmpty);
        // A single empty argument is still no command line.
        QVERIFY(SplitCommandLine(JoinArguments({QString()})).isEmpty);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
