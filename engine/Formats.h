#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace marrowick {

// Cell texts of the file list and the totals text of the status bar.

// Sizes with their digits grouped as a locale groups them; 0 gives the empty
// text. The locale is asked once, when the format is made: where its digits
// and separators go for each length of number. Each size is then written
// without asking it again, so a listing pays for no locale per row.
class SizeFormat final
{
public:
    // The default locale (the system's unless the program set another).
    SizeFormat();
    explicit SizeFormat(const QLocale& locale);

    QString text(std::uint64_t value) const;
    // The same text in UTF-8, appended.
    void append(std::string& out, std::uint64_t value) const;

private:
    static constexpr int MaxDigits = 20; // of a 64-bit number
    bool learn();

    QLocale m_locale; // grouping turned on: asked again only when learning failed
    bool m_learnt = false;
    bool m_asciiDigits = false;
    std::array<std::string, 10> m_digits; // UTF-8
    std::string m_separator;              // UTF-8
    QString m_separatorText;
    // For each count of digits: bit i set when a separator comes before the
    // i-th digit from the left.
    std::array<std::uint32_t, MaxDigits + 1> m_groups{};
};

// floor(packed / unpacked * 100), at most 2^53; -1 when unpacked is 0.
std::int64_t RatioPercent(std::uint64_t packed, std::uint64_t unpacked);

// RatioPercent with one leading blank, then "%"; an unpacked size of 0 gives
// the empty text.
QString FormatRatio(std::uint64_t packed, std::uint64_t unpacked);

// Upper-case hexadecimal without leading zeros.
QString FormatCrc(std::uint32_t crc);

// "Total " + " " + count + " Files ".
QString TotalsText(std::int64_t count);

// Counts in texts. The plural form is chosen by an int: a larger count gives
// one with the same last nine digits.
int PluralNumber(std::uint64_t count);
// A text with a count, translated for n from source ("%n file(s)"). Without a
// translation of it, the English singular or plural: "1 file", "2 files".
QString PluralText(const char* source, const QString& translated, int n);

} // namespace marrowick
