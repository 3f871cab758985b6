#include "engine/RunCallback.h"

#include "engine/ArchiveView.h"
#include "engine/HeaderFields.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QFileInfo>

#include <cwchar>
#include <string>

namespace marrowick {

RunCallback::RunCallback(RunContext& context, QString& password)
    : m_context(context), m_password(password)
{
}

int RunCallback::handle(RarUInt message, RarLParam p1, RarLParam p2)
{
    switch (message) {
    case UCM_PROCESSDATA:
        if (!m_data)
            return 1;
        return m_data->takeData(reinterpret_cast<const unsigned char*>(p1),
                                static_cast<std::size_t>(p2))
                   ? 1
                   : -1;
    case UCM_NEEDPASSWORDW:
        return needPassword(reinterpret_cast<wchar_t*>(p1), static_cast<std::size_t>(p2));
    case UCM_NEEDPASSWORD:
        // Asked only when the wide request got no password: no second prompt.
        return -1;
    case UCM_CHANGEVOLUMEW:
        return changeVolume(WideField(reinterpret_cast<const wchar_t*>(p1), 1024), p2);
    case UCM_CHANGEVOLUME:
        return changeVolume(NarrowField(reinterpret_cast<const char*>(p1), 1024), p2);
    case UCM_READER_IDLE:
        m_context.view.processEvents();
        return m_context.view.cancelRequested() ? -1 : 1;
    case UCM_READER_PLAN:
        return m_plan;
    case UCM_READER_SELECTION:
        if (p1)
            *reinterpret_cast<std::vector<std::u32string>*>(p1) = m_planNames;
        return 0;
    case UCM_READER_READERS:
        return static_cast<int>(m_readers);
    case UCM_READER_WANTBYTES:
        return m_data && m_data->wantsBytes() ? 1 : 0;
    case UCM_READER_FAILED:
        if (p1)
            m_readerFailure = *reinterpret_cast<const QString*>(p1);
        return 0;
    default:
        return -1;
    }
}

bool RunCallback::ensurePassword()
{
    if (m_passwordCancelled)
        return false;
    if (!m_password.isEmpty())
        return true;
    const std::optional<QString> typed =
        m_context.prompts.askPassword(tr("Enter password for the encrypted file:"),
                                      //: The password dialog's title
                                      tr("Enter password"));
    if (!typed || typed->isEmpty()) {
        m_passwordCancelled = true;
        return false;
    }
    m_password = *typed;
    return true;
}

// Archives with encrypted headers need the password before anything can be
// read, in every mode; encrypted entries ask here when no password was set.
int RunCallback::needPassword(wchar_t* buffer, std::size_t size)
{
    if (!buffer || size == 0 || !ensurePassword())
        return -1;
    std::wstring wide = m_password.toStdWString();
    if (wide.size() >= size)
        wide.resize(size - 1);
    std::wmemcpy(buffer, wide.c_str(), wide.size() + 1);
    return 1;
}

int AnswerVolumeRequest(const QString& name, RarLParam mode, QString& retried, QString& missing)
{
    if (mode == RAR_VOL_NOTIFY)
        return 1;
    if (retried != name && QFileInfo::exists(name)) {
        retried = name;
        return 1;
    }
    missing = name;
    return -1;
}

int RunCallback::changeVolume(const QString& name, RarLParam mode)
{
    return AnswerVolumeRequest(name, mode, m_volumeRetried, m_missingVolume);
}

int UnrarCallback(RarUInt message, RarLParam userData, RarLParam p1, RarLParam p2)
{
    auto* target = reinterpret_cast<RunCallback*>(userData);
    if (!target)
        return -1;
    // Nothing may unwind through the library's own frames.
    try {
        return target->handle(message, p1, p2);
    } catch (...) {
        return -1;
    }
}

} // namespace marrowick
