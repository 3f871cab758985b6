// The cells of the list: what the window and the command line show.
#include "engine/Formats.h"

#include <QtTest>

using namespace marrowick;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void cells_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const QLocale german("de_DE");
        QTest::newRow("zero size is empty") << FormatSize(0) << "";
        QTest::newRow("beyond 32 bits, grouped") << FormatSize(5368709120ULL) << "5,368,709,120";
        QTest::newRow("grouped by the locale") << FormatSize(1200000, german) << "1.200.000";
        QTest::newRow("ratio cut, not rounded") << FormatRatio(2, 3) << " 66%";
        // 0.29 * 100 is 28.999999999999996 in double precision.
        QTest::newRow("ratio of a binary fraction") << FormatRatio(29, 100) << " 28%";
        QTest::newRow("ratio over 100") << FormatRatio(300, 200) << " 150%";
        // A hostile header: the largest sizes neither overflow nor turn negative.
        QTest::newRow("ratio of the largest packed size") << FormatRatio(UINT64_MAX, 1) << " 9007199254740992%";
        QTest::newRow("ratio of the largest sizes") << FormatRatio(UINT64_MAX, UINT64_MAX) << " 100%";
        QTest::newRow("no ratio without a size") << FormatRatio(5, 0) << "";
        QTest::newRow("CRC without leading zeros") << FormatCrc(0x00abcdef) << "ABCDEF";
    }
    void cells()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
