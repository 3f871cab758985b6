#include "engine/EntryDetails.h"

#include <QDateTime>

namespace marrowick {

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
    const QString method = MethodName(row.method);
    if (method.isEmpty())
        return format;
    QString text = format + QStringLiteral(", ") + method;
    if (row.method == 0x30 || row.dictionaryLog == 0)
        return text;
    return text + QStringLiteral(", ") + DictionaryText(row.dictionaryLog) +
           QStringLiteral(" dictionary");
}

QString MethodName(std::uint8_t method)
{
    static const char* const methods[] = {"stored", "fastest", "fast", "normal", "good", "best"};
    const int index = method - 0x30;
    return index < 0 || index > 5 ? QString() : QLatin1String(methods[index]);
}

QString DictionaryText(unsigned log)
{
    return log >= 20   ? QStringLiteral("%1 GB").arg(1ULL << (log - 20))
           : log >= 10 ? QStringLiteral("%1 MB").arg(1ULL << (log - 10))
                       : QStringLiteral("%1 KB").arg(1ULL << log);
}

QString FormatEncrypted(const FileRow& row)
{
    return row.isEncrypted ? QStringLiteral("Yes") : QString();
}

} // namespace marrowick
