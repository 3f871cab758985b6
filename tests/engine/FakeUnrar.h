#pragma once

#include "engine/UnrarLibrary.h"

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace marrowick::test {

// A scripted archive behind the library's calls, for the results real
// archives cannot give on demand. One instance at a time.
class FakeUnrar final
{
public:
    struct Entry
    {
        std::wstring name;
        std::uint64_t unpSize = 10;
        std::uint64_t packSize = 10;
        unsigned int crc = 1;
        unsigned int flags = 0;
        // false: no CRC of its own, and the previous entry's handed over all
        // the same, as the real library does for folders.
        bool writesCrc = true;
        // Fill all 1024 characters of FileNameW with no NUL after them.
        bool nameFillsField = false;
        int processResult = 0;
        // Data handed to the callback when the entry is processed.
        std::uint64_t dataSize = 0;
    };

    FakeUnrar()
    {
        current() = this;
        m_api = {&Open, &Close, &ReadHeader, &Process, &SetCallback, &SetPassword, &Version};
    }
    ~FakeUnrar() { current() = nullptr; }
    const UnrarApi& api() const { return m_api; }

    // The script.
    unsigned int openResult = 0;
    std::vector<Entry> entries;
    int endResult = ERAR_END_ARCHIVE;
    int readDelayMicroseconds = 0;

    // What the engine did.
    int closes = 0, callsAfterClose = 0;
    std::vector<int> operations; // RARProcessFileW operations of the first handle

private:
    struct Handle
    {
        bool first = false, open = true;
        std::size_t next = 0;
        unsigned int lastCrc = 0;
        UNRARCALLBACK callback = nullptr;
        RarLParam userData = 0;
    };
    static FakeUnrar*& current()
    {
        static FakeUnrar* fake = nullptr;
        return fake;
    }
    static Handle& handle(RarHandle archive)
    {
        auto& h = *static_cast<Handle*>(archive);
        current()->callsAfterClose += h.open ? 0 : 1;
        return h;
    }

    static RarHandle Open(RAROpenArchiveDataEx* data)
    {
        FakeUnrar& fake = *current();
        data->OpenResult = fake.openResult;
        if (fake.openResult != 0)
            return nullptr;
        fake.m_handles.push_back(std::make_unique<Handle>());
        fake.m_handles.back()->first = fake.m_handles.size() == 1;
        return fake.m_handles.back().get();
    }
    static int Close(RarHandle archive)
    {
        handle(archive).open = false;
        return ++current()->closes, 0;
    }
    static int ReadHeader(RarHandle archive, RARHeaderDataEx* header)
    {
        Handle& h = handle(archive);
        FakeUnrar& fake = *current();
        std::this_thread::sleep_for(std::chrono::microseconds(fake.readDelayMicroseconds));
        if (h.next >= fake.entries.size())
            return fake.endResult;
        const Entry& entry = fake.entries[h.next++];
        for (std::size_t i = 0; i < std::size(header->FileNameW); ++i)
            header->FileNameW[i] = entry.nameFillsField ? entry.name[i % entry.name.size()]
                                   : i < entry.name.size() ? entry.name[i] : L'\0';
        header->Flags = entry.flags;
        header->UnpSize = unsigned(entry.unpSize);
        header->UnpSizeHigh = unsigned(entry.unpSize >> 32);
        header->PackSize = unsigned(entry.packSize);
        header->PackSizeHigh = unsigned(entry.packSize >> 32);
        h.lastCrc = entry.writesCrc ? entry.crc : h.lastCrc;
        header->FileCRC = h.lastCrc;
        header->HashType = entry.writesCrc ? RAR_HASH_CRC32 : RAR_HASH_NONE;
        return 0;
    }
    static int Process(RarHandle archive, int operation, wchar_t*, wchar_t*)
    {
        Handle& h = handle(archive);
        FakeUnrar& fake = *current();
        if (h.first)
            fake.operations.push_back(operation);
        const Entry& entry = fake.entries.at(h.next - 1);
        std::vector<unsigned char> chunk(65536);
        for (std::uint64_t left = operation == RAR_TEST ? entry.dataSize : 0; left > 0;) {
            const auto size = std::size_t(std::min<std::uint64_t>(left, chunk.size()));
            if (h.callback(UCM_PROCESSDATA, h.userData, RarLParam(chunk.data()), RarLParam(size)) == -1)
                return ERAR_UNKNOWN;
            left -= size;
        }
        return entry.processResult;
    }
    static void SetCallback(RarHandle archive, UNRARCALLBACK callback, RarLParam userData)
    {
        handle(archive).callback = callback;
        handle(archive).userData = userData;
    }
    static void SetPassword(RarHandle, char*) {}
    static int Version() { return RAR_DLL_VERSION; }

    UnrarApi m_api;
    std::vector<std::unique_ptr<Handle>> m_handles;
};

} // namespace marrowick::test
