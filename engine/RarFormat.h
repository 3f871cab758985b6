#pragma once

// What the RAR formats fix on disk and more than one reader of raw archive
// bytes needs: the signature, how far the library looks for it, and the RAR 4
// block types and flags. Plain C++: the reader's core includes it too.

#include <cstddef>

namespace marrowick::rar {

// "Rar!" 1A 07, then 00 for RAR 4 (1.5 to 2.9) or 01 00 for RAR 5.
constexpr unsigned char SignaturePrefix[] = {'R', 'a', 'r', '!', 0x1A, 0x07};
constexpr std::size_t Rar4SignatureSize = 7;
constexpr std::size_t Rar5SignatureSize = 8;
// The library looks this far for the signature, past a self-extracting stub.
constexpr std::size_t SignatureSearch = 0x200000;

// RAR 4 blocks.
constexpr unsigned Rar4Main = 0x73;
constexpr unsigned Rar4File = 0x74;
constexpr unsigned Rar4Service = 0x7A;
constexpr unsigned Rar4End = 0x7B;
constexpr unsigned Rar4LongBlock = 0x8000; // a data size follows the header size
constexpr unsigned Rar4LargeFile = 0x0100; // file and service: high 32 bits of the data size
constexpr unsigned Rar4HeadersEncrypted = 0x0080; // main header
constexpr unsigned Rar4NextVolume = 0x0001;       // end block
constexpr unsigned Rar4SplitBefore = 0x0001;      // file: begun in the volume before
constexpr unsigned Rar4SplitAfter = 0x0002;       // file and service: continued in the next volume
constexpr unsigned Rar4FileEncrypted = 0x0004;

} // namespace marrowick::rar
