// libFuzzer entry for marrowick::fuzz::ReaderFrames (see FuzzTargets.h).
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return marrowick::fuzz::ReaderFrames(data, size);
}
