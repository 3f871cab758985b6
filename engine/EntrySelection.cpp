#include "engine/EntrySelection.h"

namespace marrowick {

std::vector<std::u32string> EntrySelection::Names(const QStringList& names)
{
    std::vector<std::u32string> wide;
    wide.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        wide.push_back(name.toStdU32String());
    return wide;
}

EntrySelection::EntrySelection(const QStringList& names)
    : m_match(Names(names)), m_matched(m_match.names().size(), false)
{
}

bool EntrySelection::wants(const QString& entry) const
{
    return isEmpty() || m_match.wants(entry.toStdU32String());
}

bool EntrySelection::take(const QString& entry)
{
    if (isEmpty())
        return true;
    return m_match.match(entry.toStdU32String(), [this](std::size_t i) { m_matched[i] = true; });
}

QStringList EntrySelection::unmatched() const
{
    QStringList names;
    for (std::size_t i = 0; i < m_matched.size(); ++i)
        if (!m_matched[i])
            names << QString::fromStdU32String(m_match.names()[i]);
    return names;
}

} // namespace marrowick
