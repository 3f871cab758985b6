#include "engine/Messages.h"

#include "RecordingView.h"

#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {
const QString kNone = QStringLiteral("<none>");
QString OrNone(const std::optional<QString>& text)
{
    return text ? *text : kNone;
}
} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void openTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("expected");
        const QString path = QStringLiteral("/home/u/a b.rar");
        QTest::newRow("0 success") << 0 << path << kNone;
        QTest::newRow("10 end") << 10 << path << kNone;
        QTest::newRow("11 memory") << 11 << path << "Not enough memory";
        QTest::newRow("12 header") << 12 << path << "/home/u/a b.rar: archive header broken";
        QTest::newRow("13 not rar") << 13 << path << "/home/u/a b.rar is not RAR archive";
        QTest::newRow("14 silent") << 14 << path << kNone;
        QTest::newRow("15 open") << 15 << path << "Cannot open /home/u/a b.rar";
        QTest::newRow("15 empty path") << 15 << QString() << "Cannot open ";
        QTest::newRow("16 not in table") << 16 << path << kNone;
        QTest::newRow("19 not in table") << 19 << path << kNone;
        QTest::newRow("20 small buf") << 20 << path << kNone;
        QTest::newRow("22 no password")
            << 22 << path << "/home/u/a b.rar: the archive is encrypted and no password was given";
        QTest::newRow("24 wrong password") << 24 << path << "/home/u/a b.rar: wrong password";
        QTest::newRow("negative") << -1 << path << kNone;
    }
    void openTable()
    {
        QFETCH(int, code);
        QFETCH(QString, archive);
        QFETCH(QString, expected);
        QCOMPARE(OrNone(OpenErrorText(code, archive)), expected);

        RecordingView view;
        ScriptedPrompts prompts(view);
        ShowOpenError(prompts, code, archive);
        QCOMPARE(prompts.errors, expected == kNone ? QStringList() : QStringList{expected});
    }

    void processTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0 << kNone;
        QTest::newRow("10") << 10 << kNone;
        QTest::newRow("11") << 11 << kNone;
        QTest::newRow("12") << 12 << "CRC failed in encrypted file (wrong password?)";
        QTest::newRow("13") << 13 << "Bad volume";
        QTest::newRow("14") << 14 << "Unknown archive format";
        QTest::newRow("15") << 15 << "Volume open error";
        QTest::newRow("16") << 16 << "File create error";
        QTest::newRow("17") << 17 << "File close error";
        QTest::newRow("18") << 18 << "Read error";
        QTest::newRow("19") << 19 << "Write error";
        QTest::newRow("20") << 20 << kNone;
        QTest::newRow("21") << 21 << kNone;
        QTest::newRow("22") << 22 << "The file is encrypted and no password was given";
        QTest::newRow("23") << 23 << kNone;
        QTest::newRow("24") << 24 << "Wrong password";
        QTest::newRow("negative") << -5 << kNone;
    }
    void processTable()
    {
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(OrNone(ProcessErrorText(code)), expected);

        RecordingView view;
        ScriptedPrompts prompts(view);
        ShowProcessError(prompts, code);
        QCOMPARE(prompts.errors, expected == kNone ? QStringList() : QStringList{expected});
    }

    void headerTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 not an end") << 0 << kNone;
        QTest::newRow("10 normal end") << 10 << kNone;
        QTest::newRow("12 broken") << 12 << "File header broken";
        QTest::newRow("11 names code")
            << 11 << "Reading the archive's file headers failed (error code 11)";
        QTest::newRow("18 names code")
            << 18 << "Reading the archive's file headers failed (error code 18)";
        QTest::newRow("negative names code")
            << -3 << "Reading the archive's file headers failed (error code -3)";
        QTest::newRow("22") << 22 << "The archive's headers are encrypted and no password was given";
        QTest::newRow("24") << 24 << "Wrong password: the archive's headers cannot be read";
    }
    void headerTable()
    {
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(OrNone(HeaderErrorText(code)), expected);
    }

    void commentPassesTextUnchanged()
    {
        RecordingView view;
        ScriptedPrompts prompts(view);
        const QString text = QStringLiteral("line 1\r\nline 2\t\u00e9");
        ShowArchiveComment(prompts, text);
        QCOMPARE(prompts.comments, QStringList{text});
        QVERIFY(prompts.errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
