#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <string>

namespace marrowick::cli {

// Text for the output streams, written as UTF-8 straight into a buffer: a
// listing of many entries makes no QString per field on its way out. Each
// gives the bytes QString::toUtf8 would give for the same text (a surrogate
// without its pair becomes "?").

void AppendUtf8(std::string& out, QStringView text);
// With control characters shown as EscapeControls shows them.
void AppendEscaped(std::string& out, QStringView text);
// A JSON string, quotes included; control characters as \uXXXX (or \n, \t,
// \r), so a value never spans two lines.
void AppendJsonString(std::string& out, QStringView text);
// The same as a QString, for texts written once rather than per row.
QString JsonString(QStringView text);

void AppendDecimal(std::string& out, std::uint64_t value);
// Upper-case hexadecimal, zero-padded to at least width digits.
void AppendHex(std::string& out, std::uint32_t value, int width);
// Seconds since 1970 as ISO 8601 in UTC ("2024-01-02T03:04:05Z"), as
// QDateTime writes them.
void AppendIsoTime(std::string& out, std::int64_t seconds);

} // namespace marrowick::cli
