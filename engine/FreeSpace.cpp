#include "engine/FreeSpace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sys/statvfs.h>

namespace marrowick {

namespace {

FreeSpaceProvider& Provider()
{
    static FreeSpaceProvider provider;
    return provider;
}

QString Bytes(std::uint64_t value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qulonglong>(value));
}

} // namespace

std::optional<std::uint64_t> StatvfsFreeSpace(const QString& folder)
{
    QString path = QFileInfo(folder.isEmpty() ? QDir::currentPath() : folder).absoluteFilePath();
    for (;;) {
        struct statvfs st = {};
        if (::statvfs(QFile::encodeName(path).constData(), &st) == 0)
            return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return std::nullopt;
        path = parent;
    }
}

std::optional<std::uint64_t> FreeSpaceAt(const QString& folder)
{
    return Provider() ? Provider()(folder) : StatvfsFreeSpace(folder);
}

std::optional<QString> CheckFreeSpace(const QString& folder, std::uint64_t needed)
{
    const std::optional<std::uint64_t> free = FreeSpaceAt(folder);
    if (!free || needed <= *free)
        return std::nullopt;
    //: %1 is the destination folder; %2 and %3 are numbers of bytes
    return QCoreApplication::translate(
               "FreeSpace", "Not enough disk space in %1: the archive unpacks to %2 bytes, "
                            "only %3 bytes are free. Nothing was extracted.")
        .arg(QDir::toNativeSeparators(folder), Bytes(needed), Bytes(*free));
}

ScopedFreeSpaceProvider::ScopedFreeSpaceProvider(FreeSpaceProvider provider)
    : m_previous(std::move(Provider()))
{
    Provider() = std::move(provider);
}

ScopedFreeSpaceProvider::~ScopedFreeSpaceProvider()
{
    Provider() = std::move(m_previous);
}

} // namespace marrowick
