#pragma once

#include "engine/FolderTree.h"

#include <QString>

namespace marrowick::cli {

// The text of `list --tree`: the archive's name, then each folder indented
// by its depth, with the files, folders and unpacked bytes below it
// (tab-separated), sub-folders by name.
QString TreeText(const FolderTree& tree, const QString& archiveName);

} // namespace marrowick::cli
