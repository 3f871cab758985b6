#include "cli/Utf8Text.h"

#include <QChar>
#include <QDateTime>
#include <QString>

#include <charconv>

namespace marrowick::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr char kUpperHex[] = "0123456789ABCDEF";

bool IsControl(char16_t u)
{
    return u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0);
}

// "\x1b" style for C0 controls and DEL, "\u009b" for C1.
void AppendCodeEscape(std::string& out, const char* prefix, char16_t u, int digits)
{
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHex[(u >> shift) & 0xf];
}

// The UTF-8 of text; escape(out, u) may write a code unit below U+00A0 in
// its own way and return true.
template <typename Escape>
void Encode(std::string& out, QStringView text, Escape escape)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p < end) {
        const char16_t u = *p++;
        if (u < 0xa0 && escape(out, u))
            continue;
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xc0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            out += static_cast<char>(0xe0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            out += static_cast<char>(0xf0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (c & 0x3f));
        } else {
            out += '?';
        }
    }
}

} // namespace

void AppendUtf8(std::string& out, QStringView text)
{
    Encode(out, text, [](std::string&, char16_t) { return false; });
}

void AppendEscaped(std::string& out, QStringView text)
{
    Encode(out, text, [](std::string& to, char16_t u) {
        if (u < 0x20 || u == 0x7f)
            AppendCodeEscape(to, "\\x", u, 2);
        else if (u >= 0x80)
            AppendCodeEscape(to, "\\u", u, 4);
        else
            return false;
        return true;
    });
}

void AppendJsonString(std::string& out, QStringView text)
{
    out += '"';
    Encode(out, text, [](std::string& to, char16_t u) {
        switch (u) {
        case u'"': to += "\\\""; return true;
        case u'\\': to += "\\\\"; return true;
        case u'\n': to += "\\n"; return true;
        case u'\t': to += "\\t"; return true;
        case u'\r': to += "\\r"; return true;
        default:
            if (!IsControl(u))
                return false;
            AppendCodeEscape(to, "\\u", u, 4);
            return true;
        }
    });
    out += '"';
}

QString JsonString(QStringView text)
{
    std::string quoted;
    AppendJsonString(quoted, text);
    return QString::fromStdString(quoted);
}

void AppendDecimal(std::string& out, std::uint64_t value)
{
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void AppendHex(std::string& out, std::uint32_t value, int width)
{
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kUpperHex[value & 0xf];
        value >>= 4;
    } while (value != 0);
    for (int i = count; i < width; ++i)
        out += '0';
    while (count > 0)
        out += digits[--count];
}

void AppendIsoTime(std::string& out, std::int64_t seconds)
{
    // Years 1970 to 9999 here; QDateTime writes the others (nothing for a
    // year of five digits).
    constexpr std::int64_t kEndOf9999 = 253402300799;
    if (seconds < 0 || seconds > kEndOf9999) {
        AppendUtf8(out, QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate));
        return;
    }
    // Days to a civil date (proleptic Gregorian), by 400-year eras.
    const std::int64_t z = seconds / 86400 + 719468;
    const std::int64_t era = z / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153; // months from March
    const std::int64_t day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const std::int64_t month = shifted < 10 ? shifted + 3 : shifted - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const std::int64_t time = seconds % 86400;
    char text[21];
    const auto put = [&text](int at, std::int64_t value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + i] = static_cast<char>('0' + value % 10);
    };
    put(0, year, 4);
    text[4] = '-';
    put(5, month, 2);
    text[7] = '-';
    put(8, day, 2);
    text[10] = 'T';
    put(11, time / 3600, 2);
    text[13] = ':';
    put(14, time / 60 % 60, 2);
    text[16] = ':';
    put(17, time % 60, 2);
    text[19] = 'Z';
    out.append(text, 20);
}

} // namespace marrowick::cli
