#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace marrowick {

// Cell texts of the file list and the totals text of the status bar.

// Digits grouped by the locale's separator; 0 gives the empty text.
QString FormatSize(std::uint64_t value, const QLocale& locale = QLocale());

// floor(packed / unpacked * 100), at most 2^53, with one leading blank, then
// "%"; an unpacked size of 0 gives the empty text.
QString FormatRatio(std::uint64_t packed, std::uint64_t unpacked);

// Upper-case hexadecimal without leading zeros.
QString FormatCrc(std::uint32_t crc);

// "Total " + " " + count + " Files ".
QString TotalsText(std::int64_t count);

} // namespace marrowick
