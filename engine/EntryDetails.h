#pragma once

#include "engine/FileRow.h"

#include <QLocale>
#include <QString>

namespace marrowick {

// Texts of the list's optional columns.

// The entry's time in the locale's short date and time; "" without one.
QString FormatModified(std::int64_t mtime, const QLocale& locale = QLocale());
// "drwxr-xr-x" for entries packed on Unix; the letters D, R, H, S, A of
// those packed on MS-DOS or Windows ("" when none is set).
QString FormatAttributes(const FileRow& row);
// "RAR 5, best, 32 MB dictionary"; "RAR 4, stored"; "" for folders.
QString FormatMethod(const FileRow& row);
// "best"; "" for a method the format does not name. The same in every
// language (marrowick-cli's JSON output writes it).
QString MethodName(std::uint8_t method);
// The same in the user's language.
QString MethodText(std::uint8_t method);
// "32 MB" for a dictionary of 2^log KB.
QString DictionaryText(unsigned log);
// "Yes" for an encrypted entry, "" otherwise.
QString FormatEncrypted(const FileRow& row);

} // namespace marrowick
