#include "engine/NameMatch.h"

#include <algorithm>

namespace marrowick {

NameMatch::NameMatch(const std::vector<std::u32string>& names)
{
    std::vector<std::u32string> given;
    given.reserve(names.size());
    for (std::u32string name : names) {
        while (name.size() > 1 && name.back() == U'/')
            name.pop_back();
        given.push_back(std::move(name));
    }
    // Sorted once (a selection may name many thousand entries), the first
    // of each repeated name kept in its place.
    std::vector<std::size_t> order(given.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&given](std::size_t a, std::size_t b) { return given[a] < given[b]; });
    std::vector<bool> kept(given.size(), false);
    for (std::size_t i = 0; i < order.size(); ++i)
        kept[order[i]] = !given[order[i]].empty() && (i == 0 || given[order[i - 1]] != given[order[i]]);
    for (std::size_t i = 0; i < given.size(); ++i)
        if (kept[i])
            m_names.push_back(std::move(given[i]));
    m_byName.resize(m_names.size());
    for (std::size_t i = 0; i < m_byName.size(); ++i)
        m_byName[i] = i;
    std::sort(m_byName.begin(), m_byName.end(),
              [this](std::size_t a, std::size_t b) { return m_names[a] < m_names[b]; });
}

std::size_t NameMatch::find(std::u32string_view name) const
{
    const auto at = std::lower_bound(m_byName.begin(), m_byName.end(), name,
                                     [this](std::size_t i, std::u32string_view n) {
                                         return std::u32string_view(m_names[i]) < n;
                                     });
    if (at == m_byName.end() || m_names[*at] != name)
        return npos;
    return *at;
}

} // namespace marrowick
