#include "cli/TreeListing.h"

#include <QLocale>

#include <utility>
#include <vector>

namespace marrowick::cli {

QString TreeText(const FolderTree& tree, const QString& archiveName)
{
    QString text;
    const auto line = [&](std::uint32_t id) {
        const FolderTree::Folder& folder = tree.folder(id);
        text += id == FolderTree::Top
                    ? archiveName
                    : QString(2 * static_cast<qsizetype>(folder.depth), u' ') + folder.name +
                          u'/';
        // Fields for scripts as list's lines are: in English whatever the language.
        text += QStringLiteral("\t%1 files\t%2 folders\t%3 bytes\n")
                    .arg(QLocale().toString(static_cast<qulonglong>(folder.filesBelow)),
                         QLocale().toString(static_cast<qulonglong>(folder.foldersBelow)),
                         QLocale().toString(static_cast<qulonglong>(folder.bytesBelow)));
    };
    // Depth first without recursion: a path can be a thousand folders deep.
    std::vector<std::pair<std::uint32_t, std::size_t>> stack{{FolderTree::Top, 0}};
    line(FolderTree::Top);
    while (!stack.empty()) {
        auto& [id, next] = stack.back();
        const std::vector<std::uint32_t>& folders = tree.folder(id).folders;
        if (next == folders.size()) {
            stack.pop_back();
            continue;
        }
        const std::uint32_t sub = folders[next++];
        line(sub);
        stack.emplace_back(sub, 0);
    }
    return text;
}

} // namespace marrowick::cli
