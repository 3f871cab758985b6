#include "FakeUnrar.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace marrowick::test {

namespace {
FakeUnrar* g_current = nullptr;
} // namespace

FakeUnrar::FakeUnrar()
{
    g_current = this;
    m_api.RAROpenArchiveEx = &Open;
    m_api.RARCloseArchive = &Close;
    m_api.RARReadHeaderEx = &ReadHeader;
    m_api.RARProcessFileW = &Process;
    m_api.RARSetCallback = &SetCallback;
    m_api.RARSetPassword = &SetPassword;
    m_api.RARGetDllVersion = &Version;
}

FakeUnrar::~FakeUnrar()
{
    g_current = nullptr;
}

RarHandle FakeUnrar::Open(RAROpenArchiveDataEx* data)
{
    FakeUnrar& fake = *g_current;
    ++fake.opens;
    fake.openMode = data->OpenMode;
    fake.callbackAtOpen = data->Callback != nullptr;
    fake.commentBufferSize = data->CmtBufSize;
    fake.commentBufferBlank =
        data->CmtBufW && std::all_of(data->CmtBufW, data->CmtBufW + data->CmtBufSize,
                                     [](wchar_t c) { return c == L' '; });
    data->OpenResult = fake.openResult;
    data->Flags = fake.openFlags;
    data->CmtState = fake.cmtState;
    if (data->CmtBufW) {
        const auto size = std::min<std::size_t>(fake.comment.size(), data->CmtBufSize);
        std::wmemcpy(data->CmtBufW, fake.comment.data(), size);
        data->CmtSize = static_cast<unsigned int>(size);
    }
    if (fake.needsPassword && fake.openResult == 0) {
        wchar_t password[128] = {};
        const int answer = data->Callback ? data->Callback(UCM_NEEDPASSWORDW, data->UserData,
                                                           reinterpret_cast<RarLParam>(password),
                                                           static_cast<RarLParam>(std::size(password)))
                                          : -1;
        if (answer == -1 || password[0] == L'\0') {
            data->OpenResult = ERAR_MISSING_PASSWORD;
            return nullptr;
        }
        fake.passwordReceived = password;
    }
    if (fake.openResult != 0)
        return nullptr;
    fake.m_open = true;
    fake.m_next = 0;
    return &fake;
}

int FakeUnrar::Close(RarHandle archive)
{
    auto& fake = *static_cast<FakeUnrar*>(archive);
    ++fake.closes;
    fake.m_open = false;
    return 0;
}

int FakeUnrar::ReadHeader(RarHandle archive, RARHeaderDataEx* header)
{
    auto& fake = *static_cast<FakeUnrar*>(archive);
    if (!fake.m_open)
        ++fake.callsAfterClose;
    ++fake.headerReads;
    if (fake.readDelayMicroseconds > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(fake.readDelayMicroseconds));
    if (fake.m_next >= fake.entries.size())
        return fake.endResult;
    const Entry& entry = fake.entries[fake.m_next++];

    const std::size_t arcLength = std::min<std::size_t>(fake.arcName.size(), 1023);
    std::wmemcpy(header->ArcNameW, fake.arcName.c_str(), arcLength);
    header->ArcNameW[arcLength] = L'\0';
    if (entry.nameFillsField) {
        for (std::size_t i = 0; i < std::size(header->FileNameW); ++i)
            header->FileNameW[i] = entry.name[i % entry.name.size()];
    } else {
        const std::size_t length = std::min<std::size_t>(entry.name.size(), 1023);
        std::wmemcpy(header->FileNameW, entry.name.c_str(), length);
        header->FileNameW[length] = L'\0';
    }
    header->Flags = entry.flags;
    header->UnpSize = static_cast<unsigned int>(entry.unpSize);
    header->UnpSizeHigh = static_cast<unsigned int>(entry.unpSize >> 32);
    header->PackSize = static_cast<unsigned int>(entry.packSize);
    header->PackSizeHigh = static_cast<unsigned int>(entry.packSize >> 32);
    if (entry.writesCrc)
        fake.m_lastCrc = entry.crc;
    header->FileCRC = fake.m_lastCrc;
    header->HashType = entry.writesCrc ? RAR_HASH_CRC32 : RAR_HASH_NONE;
    return 0;
}

int FakeUnrar::Process(RarHandle archive, int operation, wchar_t*, wchar_t*)
{
    auto& fake = *static_cast<FakeUnrar*>(archive);
    if (!fake.m_open)
        ++fake.callsAfterClose;
    fake.operations.push_back(operation);
    return fake.m_next == 0 ? ERAR_BAD_DATA : fake.entries[fake.m_next - 1].processResult;
}

void FakeUnrar::SetCallback(RarHandle archive, UNRARCALLBACK callback, RarLParam)
{
    static_cast<FakeUnrar*>(archive)->callbackSet = callback != nullptr;
}

void FakeUnrar::SetPassword(RarHandle, char*) {}

int FakeUnrar::Version()
{
    return RAR_DLL_VERSION;
}

} // namespace marrowick::test
