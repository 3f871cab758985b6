#include "engine/FolderTree.h"

#include <algorithm>

namespace marrowick {

namespace {

// The name without trailing "/" and where its last part starts.
struct Parts
{
    qsizetype end = 0;       // after the last part
    qsizetype lastStart = 0; // of the last part
};

Parts SplitLast(QStringView name)
{
    Parts parts;
    parts.end = name.size();
    while (parts.end > 0 && name[parts.end - 1] == u'/')
        --parts.end;
    parts.lastStart = parts.end;
    while (parts.lastStart > 0 && name[parts.lastStart - 1] != u'/')
        --parts.lastStart;
    return parts;
}

} // namespace

FolderTree::FolderTree()
{
    clear();
}

void FolderTree::clear()
{
    m_folders.clear();
    m_folders.shrink_to_fit();
    m_folders.emplace_back();
    m_children.clear();
    m_rowFolder.clear();
    m_rowFolder.shrink_to_fit();
    m_lastPrefix.clear();
    m_lastFolder = Top;
    m_finished = false;
}

std::uint32_t FolderTree::child(std::uint32_t parent, QStringView name)
{
    Key key{parent, name.toString()};
    const auto found = m_children.find(key);
    if (found != m_children.end())
        return found->second;
    const auto id = static_cast<std::uint32_t>(m_folders.size());
    Folder folder;
    folder.name = key.name;
    folder.parent = parent;
    folder.depth = m_folders[parent].depth + 1;
    folder.index = static_cast<std::uint32_t>(m_folders[parent].folders.size());
    m_folders.push_back(std::move(folder));
    m_folders[parent].folders.push_back(id);
    m_children.emplace(std::move(key), id);
    return id;
}

void FolderTree::add(const FileRow& row)
{
    m_finished = false;
    {
        const std::size_t i = m_rowFolder.size();
        const QStringView name(row.name);
        const Parts parts = SplitLast(name);
        // The folder part: everything before the last name part (for a
        // folder entry, before its own name).
        const QStringView prefix = name.left(parts.lastStart);
        std::uint32_t folder = Top;
        if (!prefix.isEmpty() && prefix == m_lastPrefix) {
            folder = m_lastFolder;
        } else if (!prefix.isEmpty()) {
            for (qsizetype at = 0; at < prefix.size();) {
                const qsizetype slash = prefix.indexOf(u'/', at);
                const qsizetype stop = slash < 0 ? prefix.size() : slash;
                if (stop > at)
                    folder = child(folder, prefix.mid(at, stop - at));
                at = stop + 1;
            }
            m_lastPrefix = prefix.toString();
            m_lastFolder = folder;
        }
        const auto index = static_cast<std::uint32_t>(i);
        m_rowFolder.push_back(folder);
        const QStringView own = name.mid(parts.lastStart, parts.end - parts.lastStart);
        if (row.isFolder && !own.isEmpty()) {
            Folder& self = m_folders[child(folder, own)];
            if (self.row == None)
                self.row = index;
            else
                m_folders[folder].files.push_back(index); // a second entry of the same name
        } else {
            m_folders[folder].files.push_back(index);
            m_folders[folder].bytesHere += row.unpSize;
        }
    }
}

void FolderTree::finish() const
{
    if (m_finished)
        return;
    m_finished = true;
    // Folders by name, case ignored, as a file manager shows them.
    for (Folder& folder : m_folders) {
        std::stable_sort(folder.folders.begin(), folder.folders.end(),
                         [this](std::uint32_t a, std::uint32_t b) {
                             return QString::compare(m_folders[a].name, m_folders[b].name,
                                                     Qt::CaseInsensitive) < 0;
                         });
        for (std::size_t i = 0; i < folder.folders.size(); ++i)
            m_folders[folder.folders[i]].index = static_cast<std::uint32_t>(i);
    }
    // Children come after their parents: totals gather from the last folder up.
    for (Folder& folder : m_folders) {
        folder.filesBelow = folder.files.size();
        folder.foldersBelow = folder.folders.size();
        folder.bytesBelow = folder.bytesHere;
    }
    for (std::size_t id = m_folders.size(); id-- > 0;) {
        const Folder& folder = m_folders[id];
        if (folder.parent != None) {
            Folder& parent = m_folders[folder.parent];
            parent.filesBelow += folder.filesBelow;
            parent.foldersBelow += folder.foldersBelow;
            parent.bytesBelow += folder.bytesBelow;
        }
    }
    // A walk of the tree numbers each folder; those below it follow it.
    std::uint32_t next = 0;
    std::vector<std::pair<std::uint32_t, std::size_t>> stack{{Top, 0}};
    m_folders[Top].first = next++;
    while (!stack.empty()) {
        auto& [id, childAt] = stack.back();
        const Folder& folder = m_folders[id];
        if (childAt < folder.folders.size()) {
            const std::uint32_t sub = folder.folders[childAt++];
            m_folders[sub].first = next++;
            stack.emplace_back(sub, 0);
        } else {
            m_folders[id].end = next;
            stack.pop_back();
        }
    }
}

bool FolderTree::isBelow(std::uint32_t row, std::uint32_t folder) const
{
    finish();
    const Folder& around = m_folders[m_rowFolder[row]];
    const Folder& inside = m_folders[folder];
    return around.first >= inside.first && around.first < inside.end;
}

std::uint32_t FolderTree::find(QStringView path) const
{
    std::uint32_t folder = Top;
    for (qsizetype at = 0; at < path.size();) {
        const qsizetype slash = path.indexOf(u'/', at);
        const qsizetype stop = slash < 0 ? path.size() : slash;
        if (stop > at) {
            const auto found = m_children.find(Key{folder, path.mid(at, stop - at).toString()});
            if (found == m_children.end())
                return None;
            folder = found->second;
        }
        at = stop + 1;
    }
    return folder;
}

QString FolderTree::path(std::uint32_t folder) const
{
    QString path;
    for (std::uint32_t id = folder; id != Top && id != None; id = m_folders[id].parent)
        path = path.isEmpty() ? m_folders[id].name : m_folders[id].name + u'/' + path;
    return path;
}

QStringView NameBelow(QStringView name, std::uint32_t depth)
{
    qsizetype at = 0;
    for (std::uint32_t part = 0; part < depth; ++part) {
        while (at < name.size() && name[at] == u'/')
            ++at;
        while (at < name.size() && name[at] != u'/')
            ++at;
    }
    while (at < name.size() && name[at] == u'/')
        ++at;
    qsizetype end = name.size();
    while (end > at && name[end - 1] == u'/')
        --end;
    return name.mid(at, end - at);
}

QStringView OwnName(QStringView name)
{
    const Parts parts = SplitLast(name);
    return name.mid(parts.lastStart, parts.end - parts.lastStart);
}

NameFilter::NameFilter(const QString& text)
    : m_text(text.toCaseFolded()), m_wild(text.contains(u'*') || text.contains(u'?'))
{
    if (m_wild)
        m_text = u'*' + m_text + u'*';
}

bool NameFilter::matches(QStringView name) const
{
    if (m_text.isEmpty())
        return true;
    if (!m_wild)
        return name.contains(m_text, Qt::CaseInsensitive);
    // The pattern as "*text*"; on a mismatch the last "*" takes one more
    // character.
    const QStringView pattern(m_text);
    qsizetype p = 0, n = 0, star = -1, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            mark = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace marrowick
