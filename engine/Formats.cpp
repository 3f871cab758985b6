#include "engine/Formats.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace marrowick {

namespace {

// The decimal digits of value, most significant first; returns their count.
int Digits(std::uint64_t value, char (&digits)[20])
{
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = 0; i < count; ++i)
        digits[i] = reversed[count - 1 - i];
    return count;
}

} // namespace

SizeFormat::SizeFormat() : SizeFormat(QLocale()) {}

SizeFormat::SizeFormat(const QLocale& locale) : m_locale(locale)
{
    m_locale.setNumberOptions(m_locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    m_learnt = learn();
}

// Learns the locale's digits and, for each length of number, where its
// separators go, from numbers it formats itself; then checks the result
// against it on a second number of each length. A locale whose numbers do
// not follow that pattern is asked for every number instead.
bool SizeFormat::learn()
{
    QString digitTexts[10];
    m_asciiDigits = true;
    for (int d = 0; d < 10; ++d) {
        digitTexts[d] = m_locale.toString(static_cast<qulonglong>(d));
        if (digitTexts[d].isEmpty())
            return false;
        m_digits[static_cast<std::size_t>(d)] = digitTexts[d].toStdString();
        m_asciiDigits = m_asciiDigits && digitTexts[d] == QString(QLatin1Char(char('0' + d)));
    }
    std::uint64_t power = 1;
    for (int count = 1; count <= MaxDigits; ++count, power *= 10) {
        // 10^(count-1): a one, then zeros, and the separators between them.
        const QString sample = m_locale.toString(static_cast<qulonglong>(power));
        const QStringView one = digitTexts[1];
        const QStringView zero = digitTexts[0];
        if (!sample.startsWith(one))
            return false;
        qsizetype at = one.size();
        std::uint32_t groups = 0;
        for (int i = 1; i < count; ++i) {
            const qsizetype next = sample.indexOf(zero, at);
            if (next < 0)
                return false;
            if (next > at) {
                const QString separator = sample.mid(at, next - at);
                if (m_separatorText.isEmpty())
                    m_separatorText = separator;
                else if (separator != m_separatorText)
                    return false;
                groups |= 1U << i;
            }
            at = next + zero.size();
        }
        if (at != sample.size())
            return false;
        m_groups[static_cast<std::size_t>(count)] = groups;
    }
    m_separator = m_separatorText.toStdString();
    m_learnt = true;
    // Every digit in every place: 1234567890123... cut to each length.
    std::uint64_t check = 0;
    for (int count = 1; count <= MaxDigits - 1; ++count) {
        check = check * 10 + static_cast<std::uint64_t>(count % 10);
        if (text(check) != m_locale.toString(static_cast<qulonglong>(check)))
            return false;
    }
    return text(UINT64_MAX) == m_locale.toString(static_cast<qulonglong>(UINT64_MAX));
}

QString SizeFormat::text(std::uint64_t value) const
{
    if (value == 0)
        return {};
    if (!m_learnt)
        return m_locale.toString(static_cast<qulonglong>(value));
    std::string utf8;
    append(utf8, value);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void SizeFormat::append(std::string& out, std::uint64_t value) const
{
    if (value == 0)
        return;
    if (!m_learnt) {
        out += m_locale.toString(static_cast<qulonglong>(value)).toStdString();
        return;
    }
    char digits[20];
    const int count = Digits(value, digits);
    const std::uint32_t groups = m_groups[static_cast<std::size_t>(count)];
    for (int i = 0; i < count; ++i) {
        if (groups & (1U << i))
            out += m_separator;
        if (m_asciiDigits)
            out += digits[i];
        else
            out += m_digits[static_cast<std::size_t>(digits[i] - '0')];
    }
}

std::int64_t RatioPercent(std::uint64_t packed, std::uint64_t unpacked)
{
    if (unpacked == 0)
        return -1;
    // Divide first, then scale, in double precision: the floor of the product
    // is what the list has always shown.
    const double percent =
        std::floor(static_cast<double>(packed) / static_cast<double>(unpacked) * 100.0);
    // A header may declare any packed size. Beyond 2^53 a double has no units
    // digit left, and the whole number must stay within qint64: held there.
    // The sizes are unsigned: never below zero.
    constexpr double Ceiling = 9007199254740992.0;
    return static_cast<std::int64_t>(std::min(percent, Ceiling));
}

QString FormatRatio(std::uint64_t packed, std::uint64_t unpacked)
{
    const std::int64_t percent = RatioPercent(packed, unpacked);
    if (percent < 0)
        return {};
    return QLatin1Char(' ') + QString::number(percent) + QLatin1Char('%');
}

QString FormatCrc(std::uint32_t crc)
{
    return QString::number(crc, 16).toUpper();
}

QString TotalsText(std::int64_t count)
{
    const QString number = QString::number(count);
    //: Status bar: how many entries are listed so far. %1 is the count with a
    //: blank in front where a minus sign could be.
    return QCoreApplication::translate("Formats", "Total %1 Files ")
        .arg(count >= 0 ? QLatin1Char(' ') + number : number);
}

int PluralNumber(std::uint64_t count)
{
    // Languages choose their forms by the last digits: beyond an int, the
    // last nine are kept, above a billion.
    constexpr std::uint64_t Billion = 1000000000;
    return static_cast<int>(count < Billion ? count : Billion + count % Billion);
}

QString PluralText(const char* source, const QString& translated, int n)
{
    QString untranslated = QString::fromLatin1(source);
    untranslated.replace(QLatin1String("%n"), QString::number(n));
    if (translated != untranslated)
        return translated;
    QString english = translated;
    return english.replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace marrowick
