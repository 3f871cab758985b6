#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace marrowick {

// The entries a run was asked for, by their names in the archive. A folder's
// name takes everything below it; no names at all take every entry. Keeps
// track of the names that matched, so those that never did can be reported.
class EntrySelection final
{
public:
    explicit EntrySelection(const QStringList& names = {});

    bool isEmpty() const { return m_names.isEmpty(); }
    // True when the entry is asked for.
    bool wants(const QString& entry) const;
    // The same, and counts the names that matched it as found.
    bool take(const QString& entry);
    // The names no entry matched so far, in the order they were given.
    QStringList unmatched() const;

private:
    template <typename Visit> bool match(const QString& entry, Visit visit) const;

    QStringList m_order;
    QHash<QString, bool> m_names; // name -> matched
};

} // namespace marrowick
