#include "engine/Formats.h"

#include <QtTest>

using namespace marrowick;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void size_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero is empty") << quint64(0) << "en_US" << "";
        QTest::newRow("below a thousand") << quint64(999) << "en_US" << "999";
        QTest::newRow("one group") << quint64(1200) << "en_US" << "1,200";
        QTest::newRow("million") << quint64(1200000) << "en_US" << "1,200,000";
        QTest::newRow("5 GiB, beyond 32 bits") << quint64(5368709120ULL) << "en_US"
                                                << "5,368,709,120";
        QTest::newRow("largest") << quint64(~0ULL) << "en_US" << "18,446,744,073,709,551,615";
        QTest::newRow("german separator") << quint64(1200000) << "de_DE" << "1.200.000";
    }
    void size()
    {
        QFETCH(quint64, value);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(FormatSize(value, QLocale(locale)), expected);
    }

    void sizeFollowsDefaultLocale()
    {
        // The test environment fixes an English locale.
        QCOMPARE(FormatSize(1200), QStringLiteral("1,200"));
    }

    void ratio_data()
    {
        QTest::addColumn<quint64>("packed");
        QTest::addColumn<quint64>("unpacked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("quarter") << quint64(50) << quint64(200) << " 25%";
        QTest::newRow("third floors") << quint64(1) << quint64(3) << " 33%";
        QTest::newRow("two thirds floors, not rounds") << quint64(2) << quint64(3) << " 66%";
        QTest::newRow("nothing packed") << quint64(0) << quint64(10) << " 0%";
        QTest::newRow("grew") << quint64(300) << quint64(200) << " 150%";
        QTest::newRow("empty entry") << quint64(0) << quint64(0) << "";
        QTest::newRow("packed but no size") << quint64(5) << quint64(0) << "";
        QTest::newRow("5 GiB of zeros") << quint64(214748) << quint64(5368709120ULL) << " 0%";
        QTest::newRow("large and exact") << quint64(2684354560ULL) << quint64(5368709120ULL)
                                         << " 50%";
        // 0.29 * 100 is 28.999999999999996 in double precision.
        QTest::newRow("binary fraction") << quint64(29) << quint64(100) << " 28%";
    }
    void ratio()
    {
        QFETCH(quint64, packed);
        QFETCH(quint64, unpacked);
        QFETCH(QString, expected);
        QCOMPARE(FormatRatio(packed, unpacked), expected);
    }

    void crc_data()
    {
        QTest::addColumn<quint32>("crc");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << quint32(0) << "0";
        QTest::newRow("no leading zeros") << quint32(0x00ABCDEF) << "ABCDEF";
        QTest::newRow("all bits") << quint32(0xFFFFFFFF) << "FFFFFFFF";
        QTest::newRow("upper case") << quint32(0xdeadbeef) << "DEADBEEF";
    }
    void crc()
    {
        QFETCH(quint32, crc);
        QFETCH(QString, expected);
        QCOMPARE(FormatCrc(crc), expected);
    }

    void totals()
    {
        QCOMPARE(TotalsText(3), QStringLiteral("Total  3 Files "));
        QCOMPARE(TotalsText(1000), QStringLiteral("Total  1000 Files "));
        QCOMPARE(TotalsText(0), QStringLiteral("Total  0 Files "));
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
