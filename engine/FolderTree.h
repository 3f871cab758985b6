#pragma once

#include "engine/FileRow.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace marrowick {

// The folders of a listing, built once from its rows as they arrive: the
// index the folder pane, a folder's list and the filter read. Folders that
// exist only as parts of entry names appear as well as those with an entry of
// their own. Empty name parts (repeated or trailing "/") are passed over.
class FolderTree final
{
public:
    static constexpr std::uint32_t None = UINT32_MAX;
    static constexpr std::uint32_t Top = 0;

    struct Folder
    {
        QString name;                       // its own name; "" for the top
        std::uint32_t parent = None;
        std::uint32_t row = None;           // its folder entry, when the archive has one
        std::uint32_t depth = 0;            // name parts above and including it
        std::uint32_t index = 0;            // its place among its parent's folders
        std::vector<std::uint32_t> folders; // folders in it, by name (case ignored)
        std::vector<std::uint32_t> files;   // the other entries in it, in archive order
        std::uint64_t bytesHere = 0;        // unpacked, of its files
        // Everything below it, folders within folders included (after finish()).
        std::uint64_t filesBelow = 0;
        std::uint64_t foldersBelow = 0;
        std::uint64_t bytesBelow = 0;       // unpacked
        std::uint32_t first = 0, end = 0;   // its place in a walk of the tree
    };

    FolderTree();

    void clear();
    // Takes the listing's next row (rows are numbered as they come).
    void add(const FileRow& row);
    std::size_t rowCount() const { return m_rowFolder.size(); }

    const Folder& folder(std::uint32_t id) const
    {
        finish();
        return m_folders[id];
    }
    std::size_t folderCount() const { return m_folders.size(); }
    // The folder an entry lies in (for a folder entry: the one around it).
    std::uint32_t folderOf(std::uint32_t row) const { return m_rowFolder[row]; }
    // True when the entry lies anywhere below the folder (a folder's own entry
    // is not below it).
    bool isBelow(std::uint32_t row, std::uint32_t folder) const;
    // The folder at a path such as "docs/sub" ("" or "/" is the top); None
    // when there is none.
    std::uint32_t find(QStringView path) const;
    // "docs/sub" for that folder; "" for the top.
    QString path(std::uint32_t folder) const;

private:
    std::uint32_t child(std::uint32_t parent, QStringView name);
    void finish() const;

    struct Key
    {
        std::uint32_t parent;
        QString name;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const Key& key) const noexcept { return qHash(key.name, key.parent); }
    };

    mutable std::vector<Folder> m_folders;
    std::unordered_map<Key, std::uint32_t, KeyHash> m_children;
    std::vector<std::uint32_t> m_rowFolder;
    // The folder part of the last file added and its folder: entries of one
    // folder mostly come together.
    QString m_lastPrefix;
    std::uint32_t m_lastFolder = Top;
    mutable bool m_finished = true;
};

// A name shown below a folder depth parts deep: "sub/deep.txt" for
// "docs/sub/deep.txt" at depth 1; empty parts passed over, trailing "/" left out.
QStringView NameBelow(QStringView name, std::uint32_t depth);

// The entry's own name: its last name part ("deep.txt").
QStringView OwnName(QStringView name);

// Names containing a text, case ignored; "*" stands for any run of
// characters, "?" for one.
class NameFilter final
{
public:
    explicit NameFilter(const QString& text = {});
    bool isEmpty() const { return m_text.isEmpty(); }
    bool matches(QStringView name) const;

private:
    QString m_text;     // case folded
    bool m_wild = false;
};

} // namespace marrowick
