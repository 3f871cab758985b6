#pragma once

#include <QString>

namespace marrowick {

// The path with a trailing "/" (added only when missing); "" gives "/".
QString AddBackslash(const QString& path);

// True when something exists at the path (file, folder or other); false for
// "", for a missing file or folder, or when the path cannot be looked at.
bool FileExists(const QString& path);

} // namespace marrowick
