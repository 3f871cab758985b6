#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace marrowick::test {

// Everything under a folder, without following symlinks: relative path to a
// description of what is there (type, mode, content or link target), so two
// snapshots compare equal only when nothing changed.
QMap<QString, QString> SnapshotTree(const QString& folder);

// Leftover temporary files of the writer anywhere under the folder.
QStringList TemporaryFilesUnder(const QString& folder);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& content);

// A destination folder beside an "outside" folder that holds a sentinel file,
// both under one temporary base, so a test can check afterwards that nothing
// outside the destination changed and no temporary file was left.
class Sandbox
{
public:
    // Empties the base and makes dest/ and outside/sentinel anew.
    bool reset();

    QString base() const { return m_base.path(); }
    const QString& dest() const { return m_dest; }
    const QString& outside() const { return m_outside; }
    const QMap<QString, QString>& outsideBefore() const { return m_outsideBefore; }
    QMap<QString, QString> outsideNow() const { return SnapshotTree(m_outside); }
    QStringList leftovers() const { return TemporaryFilesUnder(base()); }

private:
    QTemporaryDir m_base;
    QString m_dest;
    QString m_outside;
    QMap<QString, QString> m_outsideBefore;
};

} // namespace marrowick::test
