#include "TreeSnapshot.h"

#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

namespace marrowick::test {

QMap<QString, QString> SnapshotTree(const QString& folder)
{
    QMap<QString, QString> tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st = {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        QString what = QString::number(st.st_mode, 8);
        if (S_ISLNK(st.st_mode))
            what += QStringLiteral(" -> ") + QFile::symLinkTarget(path);
        else if (S_ISREG(st.st_mode))
            what += QLatin1Char(' ') + QString::fromUtf8(ReadFile(path).toHex());
        tree.insert(path.mid(folder.size()), what);
    }
    return tree;
}

QStringList TemporaryFilesUnder(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, {QStringLiteral(".marrowick-*")},
                    QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

bool Sandbox::reset()
{
    if (!m_base.isValid())
        return false;
    QDir(base()).removeRecursively();
    m_dest = base() + QStringLiteral("/dest");
    m_outside = base() + QStringLiteral("/outside");
    if (!QDir().mkpath(m_dest) || !QDir().mkpath(m_outside) ||
        !WriteFile(m_outside + QStringLiteral("/sentinel"), "keep me"))
        return false;
    m_outsideBefore = SnapshotTree(m_outside);
    return true;
}

} // namespace marrowick::test
