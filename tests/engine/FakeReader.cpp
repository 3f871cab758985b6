// Stands in for marrowick-reader beside a test: sends the frames of the file
// named by MARROWICK_FRAMES as they are, whatever the program asks, and waits
// for the program to close its end.
#include "engine/ReaderProtocol.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <unistd.h>

int main()
{
    using namespace marrowick::reader;
    std::ifstream script(std::getenv("MARROWICK_FRAMES"), std::ios::binary);
    const std::vector<char> frames{std::istreambuf_iterator<char>(script), {}};
    WriteAll(kSocketFd, frames.data(), frames.size());
    for (char unused[256]; read(kSocketFd, unused, sizeof unused) > 0;) {
    }
}
