// The text the tool writes for rows and names, and how it reads its command line.
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
        QTest::newRow("non-ASCII and blanks kept") << "Ünï/日本語 a.txt" << "Ünï/日本語 a.txt";
        QTest::newRow("tab and line end") << "a\tb\nc" << "a\\x09b\\x0ac";
        QTest::newRow("terminal escape") << "x\x1b[2Jy" << "x\\x1b[2Jy";
        QTest::newRow("delete") << "a\x7f" << "a\\x7f";
        QTest::newRow("C1 control") << QString("a") + QChar(0x9b) + "b" << "a\\u009bb";
    }
    void escapeControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(EscapeControls(name), shown);
    }

    void rowText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint64>("size");
        QTest::addColumn<quint64>("packed");
        QTest::addColumn<quint32>("crc");
        QTest::addColumn<QString>("line");
        QTest::newRow("stored, packed larger") << "s" << Q_UINT64_C(3) << Q_UINT64_C(40)
                                               << 0xFFFFFFFFu << "s\t3\t40\t 1333%\tFFFFFFFF";
        QTest::newRow("tab in name stays one field")
            << "a\tb" << Q_UINT64_C(1) << Q_UINT64_C(1) << 1u << "a\\x09b\t1\t1\t 100%\t1";
    }
    void rowText()
    {
        QFETCH(QString, name);
        QFETCH(quint64, size);
        QFETCH(quint64, packed);
        QFETCH(quint32, crc);
        QFETCH(QString, line);
        FileRow row;
        row.name = name;
        row.unpSize = size;
        row.packSize = packed;
        row.crc = crc;
        QCOMPARE(RowText(row), line);
        QCOMPARE(RowText(row).count(QLatin1Char('\t')), 4);
    }

    void rowJson_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("mtime");
        QTest::addColumn<QString>("mtimeShown");
        QTest::newRow("quotes and backslash")
            << "a\"b\\c" << Q_INT64_C(1704164645) << "2024-01-02T03:04:05Z";
        QTest::newRow("control characters") << "x\ny\x01" << Q_INT64_C(0) << "";
    }
    void rowJson()
    {
        QFETCH(QString, name);
        QFETCH(qint64, mtime);
        QFETCH(QString, mtimeShown);
        FileRow row;
        row.name = name;
        row.unpSize = Q_UINT64_C(5368709120);
        row.packSize = 7;
        row.crc = 0xABC;
        row.isFolder = true;
        row.mtime = mtime;
        const QString json = RowJson(row);
        QVERIFY(!json.contains(QLatin1Char('\n')));
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(json.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(json));
        QCOMPARE(object["name"].toString(), name);
        QCOMPARE(object["size"].toInteger(), Q_INT64_C(5368709120));
        QCOMPARE(object["crc32"].toString(), QStringLiteral("00000ABC"));
        QCOMPARE(object["folder"].toBool(), true);
        QCOMPARE(object["encrypted"].toBool(), false);
        if (mtimeShown.isEmpty())
            QVERIFY(object["mtime"].isNull());
        else
            QCOMPARE(object["mtime"].toString(), mtimeShown);
    }

    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("password");
        QTest::newRow("options after") << QStringList{"x", "a.rar", "out", "-p", "pw"}
                                       << int(Command::Extract) << "a.rar" << "out" << "pw";
        QTest::newRow("options before") << QStringList{"--password=p=w", "test", "a.rar"}
                                        << int(Command::Test) << "a.rar" << "" << "p=w";
        QTest::newRow("dash-led names after --") << QStringList{"l", "--", "-a.rar"}
                                                 << int(Command::List) << "-a.rar" << "" << "";
        QTest::newRow("password that looks like an option")
            << QStringList{"l", "-p", "--json", "a.rar"} << int(Command::List) << "a.rar" << ""
            << "--json";
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
