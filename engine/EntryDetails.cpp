#include "engine/EntryDetails.h"

#include <QCoreApplication>
#include <QDateTime>

#include <iterator>

namespace marrowick {

namespace {

// The methods by number from 0x30: the names the JSON output writes, and the
// source texts of the window's.
const char* const kMethods[] = {
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "stored"),
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "fastest"),
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "fast"),
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "normal"),
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "good"),
    //: Compression method
    QT_TRANSLATE_NOOP("EntryDetails", "best"),
};
constexpr int kMethodCount = static_cast<int>(std::size(kMethods));

// The columns' words, translated once: a sort by a column makes its text
// for every row.
struct ColumnTexts
{
    ColumnTexts()
    {
        for (int i = 0; i < kMethodCount; ++i)
            methods[i] = QCoreApplication::translate("EntryDetails", kMethods[i]);
    }

    QString methods[kMethodCount];
    //: The dictionary's size after the method: "RAR 5, best, 32 MB dictionary"
    QString dictionary = QCoreApplication::translate("EntryDetails", "%1 dictionary");
    QString kilobytes = QCoreApplication::translate("EntryDetails", "%1 KB");
    QString megabytes = QCoreApplication::translate("EntryDetails", "%1 MB");
    QString gigabytes = QCoreApplication::translate("EntryDetails", "%1 GB");
    //: The Encrypted column of an encrypted entry
    QString yes = QCoreApplication::translate("EntryDetails", "Yes");
};

const ColumnTexts& Texts()
{
    static const ColumnTexts texts;
    return texts;
}

int MethodIndex(std::uint8_t method)
{
    const int index = method - 0x30;
    return index < 0 || index >= kMethodCount ? -1 : index;
}

} // namespace

QString FormatModified(std::int64_t mtime, const QLocale& locale)
{
    if (mtime == 0)
        return {};
    return locale.toString(QDateTime::fromSecsSinceEpoch(mtime), QLocale::ShortFormat);
}

QString FormatAttributes(const FileRow& row)
{
    constexpr unsigned HostUnix = 3;
    if (row.hostOs == HostUnix) {
        const std::uint32_t mode = row.attributes;
        QString text;
        switch (mode & 0170000) {
        case 0040000: text = u'd'; break;
        case 0120000: text = u'l'; break;
        default: text = u'-'; break;
        }
        static const char letters[] = "rwxrwxrwx";
        for (int bit = 0; bit < 9; ++bit)
            text += (mode & (0400U >> bit)) ? QLatin1Char(letters[bit]) : QLatin1Char('-');
        return text;
    }
    QString text;
    const std::pair<std::uint32_t, char> flags[] = {
        {0x10, 'D'}, {0x01, 'R'}, {0x02, 'H'}, {0x04, 'S'}, {0x20, 'A'}};
    for (const auto& [bit, letter] : flags)
        if (row.attributes & bit)
            text += QLatin1Char(letter);
    return text;
}

QString FormatMethod(const FileRow& row)
{
    if (row.isFolder || row.version == 0)
        return {};
    const QString format = row.version >= 50   ? QStringLiteral("RAR %1").arg(row.version / 10)
                           : row.version == 29 ? QStringLiteral("RAR 4")
                                               : QStringLiteral("RAR %1.%2").arg(row.version / 10).arg(row.version % 10);
    const QString method = MethodText(row.method);
    if (method.isEmpty())
        return format;
    QString text = format + QStringLiteral(", ") + method;
    if (row.method == 0x30 || row.dictionaryLog == 0)
        return text;
    return text + QStringLiteral(", ") + Texts().dictionary.arg(DictionaryText(row.dictionaryLog));
}

QString MethodName(std::uint8_t method)
{
    const int index = MethodIndex(method);
    return index < 0 ? QString() : QLatin1String(kMethods[index]);
}

QString MethodText(std::uint8_t method)
{
    const int index = MethodIndex(method);
    return index < 0 ? QString() : Texts().methods[index];
}

QString DictionaryText(unsigned log)
{
    const ColumnTexts& texts = Texts();
    return log >= 20   ? texts.gigabytes.arg(1ULL << (log - 20))
           : log >= 10 ? texts.megabytes.arg(1ULL << (log - 10))
                       : texts.kilobytes.arg(1ULL << log);
}

QString FormatEncrypted(const FileRow& row)
{
    return row.isEncrypted ? Texts().yes : QString();
}

} // namespace marrowick
