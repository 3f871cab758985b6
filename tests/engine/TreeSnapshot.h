#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace marrowick::test {

// Everything under a folder, without following symlinks: relative path to a
// description of what is there (type, mode, content or link target), so two
// snapshots compare equal only when nothing changed.
QMap<QString, QString> SnapshotTree(const QString& folder);

// Leftover temporary files of the writer anywhere under the folder.
QStringList TemporaryFilesUnder(const QString& folder);

QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& content);

} // namespace marrowick::test
