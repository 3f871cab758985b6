#include "engine/EntrySelection.h"

namespace marrowick {

namespace {

QString Normalized(QString name)
{
    while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name;
}

} // namespace

EntrySelection::EntrySelection(const QStringList& names)
{
    for (const QString& given : names) {
        const QString name = Normalized(given);
        if (name.isEmpty() || m_names.contains(name))
            continue;
        m_names.insert(name, false);
        m_order << name;
    }
}

// Visits the entry's own name, then each folder above it, that was asked for.
template <typename Visit> bool EntrySelection::match(const QString& entry, Visit visit) const
{
    bool found = false;
    QStringView name(entry);
    for (;;) {
        if (const auto it = m_names.constFind(name.toString()); it != m_names.cend()) {
            visit(it.key());
            found = true;
        }
        const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return found;
        name = name.left(slash);
    }
}

bool EntrySelection::wants(const QString& entry) const
{
    return isEmpty() || match(entry, [](const QString&) {});
}

bool EntrySelection::take(const QString& entry)
{
    if (isEmpty())
        return true;
    QStringList hits;
    const bool found = match(entry, [&hits](const QString& name) { hits << name; });
    for (const QString& name : hits)
        m_names[name] = true;
    return found;
}

QStringList EntrySelection::unmatched() const
{
    QStringList names;
    for (const QString& name : m_order)
        if (!m_names.value(name))
            names << name;
    return names;
}

} // namespace marrowick
