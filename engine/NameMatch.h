#pragma once

// The names a run was asked for, matched against the entries' names: an
// entry is taken when its own name, or the name of a folder above it, was
// asked for. Plain C++: the reader passes over what is not asked for with the
// very matching the engine uses.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace marrowick {

class NameMatch final
{
public:
    NameMatch() = default;
    // Trailing slashes are dropped; empty and repeated names too.
    explicit NameMatch(const std::vector<std::u32string>& names);

    bool empty() const { return m_names.empty(); }
    // The names in the order they were given.
    const std::vector<std::u32string>& names() const { return m_names; }

    // Calls found(i) for the entry's own name, then for each folder above
    // it, that was asked for (i: its place in names()). True when any was.
    template <typename Found> bool match(std::u32string_view entry, Found found) const
    {
        bool any = false;
        for (;;) {
            if (const std::size_t i = find(entry); i != npos) {
                found(i);
                any = true;
            }
            const std::size_t slash = entry.rfind(U'/');
            if (slash == std::u32string_view::npos || slash == 0)
                return any;
            entry = entry.substr(0, slash);
        }
    }
    // True when nothing was asked for (every entry is) or the entry was.
    bool wants(std::u32string_view entry) const
    {
        return empty() || match(entry, [](std::size_t) {});
    }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t find(std::u32string_view name) const;

    std::vector<std::u32string> m_names;
    std::vector<std::size_t> m_byName; // places in m_names, in the names' order
};

} // namespace marrowick
