#include "engine/Formats.h"

#include <cmath>

namespace marrowick {

QString FormatSize(std::uint64_t value, const QLocale& locale)
{
    if (value == 0)
        return {};
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(static_cast<qulonglong>(value));
}

QString FormatRatio(std::uint64_t packed, std::uint64_t unpacked)
{
    if (unpacked == 0)
        return {};
    // Divide first, then scale, in double precision: the floor of the product
    // is what the list has always shown.
    const double percent =
        std::floor(static_cast<double>(packed) / static_cast<double>(unpacked) * 100.0);
    const QString digits = QString::number(static_cast<qint64>(percent));
    return (percent >= 0 ? QStringLiteral(" ") : QString()) + digits + QLatin1Char('%');
}

QString FormatCrc(std::uint32_t crc)
{
    return QString::number(crc, 16).toUpper();
}

QString TotalsText(std::int64_t count)
{
    const QString number = QString::number(count);
    return QStringLiteral("Total ") + (count >= 0 ? QStringLiteral(" ") : QString()) + number +
           QStringLiteral(" Files ");
}

} // namespace marrowick
