#include "engine/Paths.h"

#include <QFile>

#include <sys/stat.h>

namespace marrowick {

QString AddBackslash(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray encoded = QFile::encodeName(path);
    // A NUL inside the name would make the system look at a shorter path.
    if (encoded.contains('\0'))
        return false;
    // lstat: a dangling symlink is still something that would be replaced.
    struct stat info;
    return ::lstat(encoded.constData(), &info) == 0;
}

} // namespace marrowick
