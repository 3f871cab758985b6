#pragma once

#include <cstddef>
#include <cstdint>

// The entry points of the fuzz targets. libFuzzer calls them through the
// small mains in this folder; the corpus replay test calls the same functions
// in the normal build, so every committed input stays a regression test.
// Each returns 0; a broken promise aborts (a finding).
namespace marrowick::fuzz {

// The start-up command line: split, then the parts checked against the line.
int CommandLine(const std::uint8_t* data, std::size_t size);
// The first byte chooses the filter conversion or ParseMultiFileName; the
// rest is the text handed to it.
int FileDialogText(const std::uint8_t* data, std::size_t size);
// Entry-name validation of the safe writer, and its walk for names it accepts.
int EntryName(const std::uint8_t* data, std::size_t size);
// Arbitrary bytes as an archive: listed and tested with the real library.
int ArchiveBytes(const std::uint8_t* data, std::size_t size);
// Arbitrary bytes through the archive-end walk, in memory and from a file.
int ArchiveEndCheck(const std::uint8_t* data, std::size_t size);
// The program against a taken-over reader: the first byte chooses a list,
// test or extraction, the rest are the frames the reader sends, whatever the
// program asks.
int ReaderFrames(const std::uint8_t* data, std::size_t size);

} // namespace marrowick::fuzz
