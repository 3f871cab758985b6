#include "engine/ReaderGroup.h"

#include <algorithm>
#include <cstring>

namespace marrowick {

ReaderGroup::ReaderGroup(std::unique_ptr<ReaderSession> first)
{
    m_sessions.push_back(std::move(first));
}

RarHandle ReaderGroup::open(RAROpenArchiveDataEx* data)
{
    m_callback = data->Callback;
    m_userData = data->UserData;
    m_openMode = data->OpenMode;
    if (data->ArcNameW)
        m_path = data->ArcNameW;
    if (!m_sessions.front()->open(data))
        return nullptr;
    m_flags = data->Flags;
    return this;
}

void ReaderGroup::setCallback(UNRARCALLBACK callback, RarLParam userData)
{
    m_callback = callback;
    m_userData = userData;
    m_sessions.front()->setCallback(callback, userData);
}

int ReaderGroup::Forward(unsigned int message, RarLParam group, RarLParam p1, RarLParam p2)
{
    auto* self = reinterpret_cast<ReaderGroup*>(group);
    if (message == UCM_READER_FAILED && self->m_opening)
        return 0;
    if (!self->m_callback)
        return message == UCM_READER_IDLE ? 1 : -1;
    return self->m_callback(message, self->m_userData, p1, p2);
}

// Asked once, before the first header: the run says how many readers it
// wants. Each further one opens the archive as the first did; those that do
// not open are left out and the shares made among the rest.
void ReaderGroup::startOthers()
{
    m_started = true;
    if (!m_callback || m_path.empty() || m_openMode != RAR_OM_EXTRACT ||
        (m_flags & (ROADF_SOLID | ROADF_VOLUME)))
        return;
    const int wanted = m_callback(UCM_READER_READERS, m_userData, 0, 0);
    if (wanted <= 1)
        return;
    m_opening = true;
    for (int i = 1; i < std::min<int>(wanted, reader::kMaxReaders); ++i) {
        auto session = std::make_unique<ReaderSession>(&Forward, reinterpret_cast<RarLParam>(this));
        RAROpenArchiveDataEx data;
        std::memset(&data, 0, sizeof data);
        data.ArcNameW = m_path.data();
        data.OpenMode = m_openMode;
        data.Callback = &Forward;
        data.UserData = reinterpret_cast<RarLParam>(this);
        if (!session->open(&data) || data.Flags != m_flags)
            continue;
        if (!m_password.empty())
            session->setPassword(m_password.c_str());
        m_sessions.push_back(std::move(session));
    }
    m_opening = false;
    const auto readers = static_cast<std::uint32_t>(m_sessions.size());
    for (std::uint32_t place = 0; place < readers; ++place)
        m_sessions[place]->share(readers, place);
}

int ReaderGroup::readHeader(RARHeaderDataEx* header)
{
    if (!m_started)
        startOthers();
    // Entry n is the (n mod readers)-th reader's: when that one has no more,
    // neither has the archive.
    ReaderSession& session = *m_sessions[m_next % m_sessions.size()];
    const int result = session.readHeader(header);
    if (result == ERAR_SUCCESS) {
        m_current = &session;
        ++m_next;
    }
    return result;
}

int ReaderGroup::processFile(int operation)
{
    return (m_current ? *m_current : *m_sessions.front()).processFile(operation);
}

void ReaderGroup::setPassword(const char* password)
{
    if (password)
        m_password = password;
    for (auto& session : m_sessions)
        session->setPassword(password);
}

} // namespace marrowick
