// The text the tool writes for names and rows, and how it reads its command line.
#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "cli/ConsoleView.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::cli;

class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void escapeControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tab and line end") << "a\tb\nc" << "a\\x09b\\x0ac";
        QTest::newRow("terminal escape") << "x\x1b[2Jy" << "x\\x1b[2Jy";
        QTest::newRow("C1 control") << QString("a") + QChar(0x9b) + "b" << "a\\u009bb";
    }
    void escapeControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(EscapeControls(name), shown);
        FileRow row;
        row.name = name;
        QCOMPARE(RowText(row), shown + "\t\t\t\t0");
        // JSON gives the name back whole, on one line.
        const QString json = RowJson(row);
        QVERIFY(!json.contains('\n'));
        QCOMPARE(QJsonDocument::fromJson(json.toUtf8()).object()["name"].toString(), name);
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("password");
        QTest::newRow("dash-led names after --") << QStringList{"l", "--", "-a.rar"} << int(Command::List)
                                                 << "-a.rar" << "" << "";
        QTest::newRow("password that looks like an option") << QStringList{"l", "-p", "--json", "a.rar"}
                                                            << int(Command::List) << "a.rar" << "" << "--json";
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, command);
        QFETCH(QString, archive);
        QFETCH(QString, destination);
        QFETCH(QString, password);
        const ParsedArguments parsed = ParseArguments(arguments);
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        QCOMPARE(int(parsed.options.command), command);
        QCOMPARE(parsed.options.archive, archive);
        QCOMPARE(parsed.options.destination, destination);
        QCOMPARE(parsed.options.password.value_or(QString()), password);
        QVERIFY(!parsed.options.json);
    }
};

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
