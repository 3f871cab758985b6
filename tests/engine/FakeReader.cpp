// Stands in for marrowick-reader beside a test: the archive it is asked to
// open is a script of replies, one for each request of the program (Read,
// Walk or Process), each a 32-bit length and the frames to send as they are.
#include "engine/ReaderProtocol.h"

#include <fstream>

#include <unistd.h>

using namespace marrowick::reader;

namespace {

bool ReadAll(void* into, std::size_t size)
{
    auto* at = static_cast<char*>(into);
    for (ssize_t got = 0; size > 0; at += got, size -= std::size_t(got))
        if ((got = ::read(kSocketFd, at, size)) <= 0)
            return false;
    return true;
}

bool Receive(Frame& type, std::vector<unsigned char>& payload)
{
    std::uint32_t head[2];
    if (!ReadAll(head, sizeof head))
        return false;
    type = Frame(head[0]);
    payload.resize(head[1]);
    return ReadAll(payload.data(), payload.size());
}

void Send(FrameWriter& frame)
{
    const std::vector<unsigned char>& bytes = frame.finish();
    WriteAll(kSocketFd, bytes.data(), bytes.size());
}

} // namespace

int main()
{
    Send(FrameWriter(Frame::Hello).u32(RAR_DLL_VERSION).u32(0).text({}));
    Frame type;
    std::vector<unsigned char> payload;
    if (!Receive(type, payload) || type != Frame::Open)
        return 2;
    FrameReader open(payload.data(), payload.size());
    std::uint32_t mode = 0, commentSize = 0;
    std::u32string path;
    if (!open.u32(mode) || !open.u32(commentSize) || !open.text(path, 4096))
        return 2;
    std::ifstream script(std::string(path.begin(), path.end()), std::ios::binary);
    // A handle, success, no flags, no comment, every sandbox layer.
    Send(FrameWriter(Frame::Opened).u32(1).u32(0).u32(0).u32(0).u32(0).u32(7).text({}));
    std::uint32_t size = 0;
    while (Receive(type, payload)) {
        if (type != Frame::Read && type != Frame::Walk && type != Frame::Process)
            continue;
        if (!script.read(reinterpret_cast<char*>(&size), sizeof size))
            return 0;
        std::vector<char> reply(size);
        script.read(reply.data(), size);
        WriteAll(kSocketFd, reply.data(), reply.size());
    }
    return 0;
}
