// The cells of the list: what the window and the command line show.
#include "engine/ArchiveProperties.h"
#include "engine/ComponentError.h"
#include "engine/EntryDetails.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "engine/HeaderFields.h"
#include "engine/Messages.h"
#include "engine/UnrarLibrary.h"

#include <QtTest>

using namespace marrowick;

Q_DECLARE_METATYPE(std::u32string)

// Changes every text it is asked for, as a translation would.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QLatin1Char('[') + QLatin1String(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void cells_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const SizeFormat sizes;
        QTest::newRow("zero size is empty") << sizes.text(0) << "";
        QTest::newRow("beyond 32 bits, grouped") << sizes.text(5368709120ULL) << "5,368,709,120";
        QTest::newRow("grouped by the locale") << SizeFormat(QLocale("de_DE")).text(1200000) << "1.200.000";
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

    // Sizes as the locale writes them, whatever its digits, separator and
    // grouping (Indian groups of two, Spanish four digits ungrouped), for
    // every length of number.
    void sizesFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "C", "de_CH", "fr_FR", "hi_IN", "es_ES", "ar_EG", "my_MM"})
            QTest::newRow(name) << name;
    }
    void sizesFollowTheLocale()
    {
        QFETCH(QString, locale);
        QLocale grouped(locale);
        grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
        const SizeFormat sizes(grouped);
        std::uint64_t value = 0;
        for (int digits = 1; digits <= 20; ++digits) {
            value = digits == 20 ? UINT64_MAX - 1 : value * 10 + (digits * 7) % 10;
            std::string utf8;
            sizes.append(utf8, value);
            QCOMPARE(sizes.text(value), grouped.toString(qulonglong(value)));
            QCOMPARE(QByteArray::fromStdString(utf8), grouped.toString(qulonglong(value)).toUtf8());
        }
    }

    // Names from the library's UTF-32 fields, as Qt decodes them.
    // Without a translation the texts read as English always has, counts
    // included; with one, the names the JSON output writes stay as they are.
    void languages_data()
    {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("expected");
        const QString load = QStringLiteral("Error in loading DLL: libunrar.so.5 (gone (really))");
        const QString symbol = QStringLiteral("Specified DLL function not found: RARSetCallback in x.so");
        const auto texts = [&] {
            return QStringList{BytesText(0), BytesText(1), BytesText(1211), MethodName(0x35),
                               HostSystemName(9), *OpenErrorText(ERAR_EOPEN, QStringLiteral("a%2")),
                               UnrarLoadErrorText(load), UnrarLoadErrorText(symbol)};
        };
        QTest::newRow("English") << texts()
                                 << QStringList{"0 bytes", "1 byte", "1,211 bytes", "best", "System 9",
                                                "Cannot open a%2", load, symbol};
        MarkingTranslator marks;
        QCoreApplication::installTranslator(&marks);
        QTest::newRow("translated") << texts()
                                    << QStringList{"[0 byte(s)]", "[1 byte(s)]", "[1,211 byte(s)]", "best",
                                                   "System 9", "[Cannot open a%2]", "[" + load + "]",
                                                   "[" + symbol + "]"};
        QCoreApplication::removeTranslator(&marks);
    }
    void languages()
    {
        QFETCH(QStringList, shown);
        QFETCH(QStringList, expected);
        QCOMPARE(shown, expected);
    }

    void wideNames_data()
    {
        QTest::addColumn<std::u32string>("name");
        QTest::newRow("plain") << std::u32string(U"docs/a1200.txt");
        QTest::newRow("two and three bytes") << std::u32string(U"caf\u00e9/\u4e2d\uff21");
        QTest::newRow("beyond 16 bits") << std::u32string(U"a\U0001D11Eb");
        QTest::newRow("byte-order mark first") << std::u32string(U"\ufeffname");
        QTest::newRow("a surrogate, beyond Unicode") << std::u32string{U'a', 0xd800, U'b', 0x110000};
    }
    void wideNames()
    {
        QFETCH(std::u32string, name);
        std::vector<wchar_t> field(name.begin(), name.end());
        field.resize(field.size() + 3, L'\0');
        QCOMPARE(WideField(field.data(), field.size()), QString::fromWCharArray(field.data(), qsizetype(name.size())));
        // A field without its NUL ends with the field.
        QCOMPARE(WideField(field.data(), 2), QString::fromWCharArray(field.data(), 2));
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
