#pragma once

#include "engine/NameMatch.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace marrowick {

// The entries a run was asked for, by their names in the archive. A folder's
// name takes everything below it; no names at all take every entry. Keeps
// track of the names that matched, so those that never did can be reported.
// The matching is NameMatch's, which the reader uses too.
class EntrySelection final
{
public:
    explicit EntrySelection(const QStringList& names = {});

    bool isEmpty() const { return m_match.empty(); }
    // True when the entry is asked for.
    bool wants(const QString& entry) const;
    // The same, and counts the names that matched it as found.
    bool take(const QString& entry);
    // The names no entry matched so far, in the order they were given.
    QStringList unmatched() const;
    // The names as the reader gets them.
    static std::vector<std::u32string> Names(const QStringList& names);

private:
    NameMatch m_match;
    std::vector<bool> m_matched;
};

} // namespace marrowick
