#pragma once

#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace marrowick::test {

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// What a folder holds: "dir/" for folders, "file=content" for small files,
// "file#size" for large ones; sorted. Hidden files (temporary ones) count.
inline QStringList Contents(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(folder).relativeFilePath(info.filePath());
        found << (info.isDir() ? name + '/'
                  : info.size() > 32 ? name + '#' + QString::number(info.size())
                                     : name + '=' + QString::fromUtf8(ReadFile(info.filePath())));
    }
    found.sort();
    return found;
}

// Everything under a folder, without following symlinks: relative path to
// type and mode, plus content or link target, so two snapshots compare equal
// only when nothing changed.
inline QMap<QString, QString> SnapshotTree(const QString& folder)
{
    QMap<QString, QString> tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st = {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        tree.insert(path.mid(folder.size()),
                    QString::number(st.st_mode, 8) +
                        (S_ISLNK(st.st_mode)   ? " -> " + QFile::symLinkTarget(path)
                         : S_ISREG(st.st_mode) ? ' ' + QString::fromLatin1(ReadFile(path).toHex())
                                               : QString()));
    }
    return tree;
}

// Each path beneath the folder: "name" a file, "name/" a folder, "name->target"
// a link, "name=2" a file of two links.
inline QString TreeOf(const QString& folder)
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next(), name = path.mid(folder.size() + 1);
        struct stat st = {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        char target[256] = {};
        lines << (S_ISLNK(st.st_mode)   ? name + "->" + (::readlink(QFile::encodeName(path).constData(), target, 255), target)
                  : S_ISDIR(st.st_mode) ? name + '/'
                  : st.st_nlink > 1     ? name + '=' + QString::number(st.st_nlink)
                                        : name);
    }
    lines.sort();
    return lines.join(' ');
}

// Leftover temporary files of the writer anywhere under the folder.
inline QStringList TemporaryFilesUnder(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, {".marrowick-*"}, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

// A destination folder beside an "outside" folder that holds a sentinel
// file, both under one temporary base, so a test can check afterwards that
// nothing outside the destination changed and no temporary file was left.
class Sandbox
{
public:
    // Empties the base and makes dest/ and outside/sentinel anew.
    bool reset()
    {
        QDir(base()).removeRecursively();
        m_before.clear();
        return QDir().mkpath(dest()) && QDir().mkpath(outside()) && WriteFile(outside() + "/sentinel", "keep me") &&
               !(m_before = SnapshotTree(outside())).isEmpty();
    }
    QString base() const { return m_base.path(); }
    QString dest() const { return base() + "/dest"; }
    QString outside() const { return base() + "/outside"; }
    const QMap<QString, QString>& outsideBefore() const { return m_before; }
    QMap<QString, QString> outsideNow() const { return SnapshotTree(outside()); }
    QStringList leftovers() const { return TemporaryFilesUnder(base()); }

private:
    QTemporaryDir m_base;
    QMap<QString, QString> m_before;
};

} // namespace marrowick::test
