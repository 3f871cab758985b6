#pragma once

#include "engine/UnrarLibrary.h"

#include <cstdint>
#include <memory>
#include <string>
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
        std::uint64_t unpSize = 0;
        std::uint64_t packSize = 0;
        unsigned int crc = 0;
        unsigned int flags = 0;
        // false: no CRC of its own (HashType none), and the previous entry's
        // CRC written all the same, as the real library does for folders.
        bool writesCrc = true;
        // Fill all 1024 characters of FileNameW with no NUL after them.
        bool nameFillsField = false;
        int processResult = 0;
        // Data handed to the callback, in chunks of at most chunkSize, when
        // the entry is tested.
        std::uint64_t dataSize = 0;
        std::size_t chunkSize = 65536;
    };

    FakeUnrar();
    ~FakeUnrar();
    FakeUnrar(const FakeUnrar&) = delete;
    FakeUnrar& operator=(const FakeUnrar&) = delete;

    const UnrarApi& api() const { return m_api; }

    // The script.
    unsigned int openResult = 0;
    unsigned int openFlags = 0;
    unsigned int cmtState = 0;
    std::wstring comment;          // copied into CmtBufW as given (NULs included)
    std::wstring arcName = L"/fake/archive.rar";
    std::vector<Entry> entries;
    int endResult = ERAR_END_ARCHIVE;
    // Ask for a password through the callback during the open, as the library
    // does for encrypted headers; no answer fails the open with 22.
    bool needsPassword = false;
    int readDelayMicroseconds = 0;
    int chunkDelayMicroseconds = 0;

    // What the engine did.
    int opens = 0;
    int closes = 0;
    int headerReads = 0;
    unsigned int openMode = 99;
    bool commentBufferBlank = false;
    unsigned int commentBufferSize = 0;
    bool callbackAtOpen = false;
    bool callbackSet = false;
    std::vector<int> operations;   // RARProcessFileW operations of the first handle, in order
    int callsAfterClose = 0;
    std::wstring passwordReceived;

private:
    static RarHandle Open(RAROpenArchiveDataEx* data);
    static int Close(RarHandle archive);
    static int ReadHeader(RarHandle archive, RARHeaderDataEx* header);
    static int Process(RarHandle archive, int operation, wchar_t* path, wchar_t* name);
    static void SetCallback(RarHandle archive, UNRARCALLBACK callback, RarLParam userData);
    static void SetPassword(RarHandle archive, char* password);
    static int Version();

    // Every open gets its own position, as with the real library.
    struct Handle
    {
        FakeUnrar* fake = nullptr;
        bool first = false;
        std::size_t next = 0;
        bool open = false;
        unsigned int lastCrc = 0;
        UNRARCALLBACK callback = nullptr;
        RarLParam userData = 0;
    };

    UnrarApi m_api;
    std::vector<std::unique_ptr<Handle>> m_handles;
};

} // namespace marrowick::test
