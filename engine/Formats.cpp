#include "engine/Formats.h"

#include <algorithm>
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
    // A header may declare any packed size. Beyond 2^53 a double has no units
    // digit left, and the whole number must stay within qint64: held there.
    constexpr double Ceiling = 9007199254740992.0;
    const QString digits = QString::number(static_cast<qint64>(std::min(percent, Ceiling)));
    // The sizes are unsigned: never below zero.
    return QLatin1Char(' ') + digits + QLatin1Char('%');
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
