#pragma once

// An archive open in the library (or the reader standing in for it), closed
// once on every way out of the code that opened it.

#include "engine/UnrarLibrary.h"

namespace marrowick {

class OpenArchive final
{
public:
    OpenArchive(const UnrarApi& api, RarHandle handle) : m_api(api), m_handle(handle) {}
    ~OpenArchive() { close(); }
    OpenArchive(const OpenArchive&) = delete;
    OpenArchive& operator=(const OpenArchive&) = delete;

    RarHandle handle() const { return m_handle; }
    void reset(RarHandle handle)
    {
        close();
        m_handle = handle;
    }
    void close()
    {
        if (m_handle)
            m_api.RARCloseArchive(m_handle);
        m_handle = nullptr;
    }

private:
    const UnrarApi& m_api;
    RarHandle m_handle;
};

} // namespace marrowick
