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
    auto handle = std::make_unique<Handle>();
    handle->fake = &fake;
    handle->first = fake.m_handles.empty();
    handle->open = true;
    handle->callback = data->Callback;
    handle->userData = data->UserData;
    fake.m_handles.push_back(std::move(handle));
    return fake.m_handles.back().get();
}

int FakeUnrar::Close(RarHandle archive)
{
    auto& handle = *static_cast<Handle*>(archive);
    ++handle.fake->closes;
    handle.open = false;
    return 0;
}

int FakeUnrar::ReadHeader(RarHandle archive, RARHeaderDataEx* header)
{
    auto& handle = *static_cast<Handle*>(archive);
    FakeUnrar& fake = *handle.fake;
    if (!handle.open)
        ++fake.callsAfterClose;
    if (handle.first)
        ++fake.headerReads;
    if (fake.readDelayMicroseconds > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(fake.readDelayMicroseconds));
    if (handle.next >= fake.entries.size())
        return fake.endResult;
    const Entry& entry = fake.entries[handle.next++];

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
        handle.lastCrc = entry.crc;
    header->FileCRC = handle.lastCrc;
    header->HashType = entry.writesCrc ? RAR_HASH_CRC32 : RAR_HASH_NONE;
    return 0;
}

int FakeUnrar::Process(RarHandle archive, int operation, wchar_t*, wchar_t*)
{
    auto& handle = *static_cast<Handle*>(archive);
    FakeUnrar& fake = *handle.fake;
    if (!handle.open)
        ++fake.callsAfterClose;
    if (handle.first)
        fake.operations.push_back(operation);
    if (handle.next == 0)
        return ERAR_BAD_DATA;
    const Entry& entry = fake.entries[handle.next - 1];
    if (operation == RAR_TEST && entry.dataSize > 0) {
        std::vector<unsigned char> chunk(std::min<std::uint64_t>(entry.chunkSize, entry.dataSize));
        for (std::uint64_t left = entry.dataSize; left > 0;) {
            const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
            if (fake.chunkDelayMicroseconds > 0)
                std::this_thread::sleep_for(std::chrono::microseconds(fake.chunkDelayMicroseconds));
            if (!handle.callback ||
                handle.callback(UCM_PROCESSDATA, handle.userData,
                                reinterpret_cast<RarLParam>(chunk.data()),
                                static_cast<RarLParam>(size)) == -1)
                return ERAR_UNKNOWN;
            left -= size;
        }
    }
    return entry.processResult;
}

void FakeUnrar::SetCallback(RarHandle archive, UNRARCALLBACK callback, RarLParam userData)
{
    auto& handle = *static_cast<Handle*>(archive);
    handle.fake->callbackSet = callback != nullptr;
    handle.callback = callback;
    handle.userData = userData;
}

void FakeUnrar::SetPassword(RarHandle, char*) {}

int FakeUnrar::Version()
{
    return RAR_DLL_VERSION;
}

} // namespace marrowick::test
