// Plays a taken-over reader for the frame fuzz target: sends the bytes of the
// file MARROWICK_FRAME_PLAYER_INPUT to the program as its frames, whatever
// the program asks, and leaves.
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

int main()
{
    // The program's nudges find nothing to send.
    std::signal(SIGUSR1, SIG_IGN);
    const char* path = std::getenv("MARROWICK_FRAME_PLAYER_INPUT");
    const int input = path ? open(path, O_RDONLY | O_CLOEXEC) : -1;
    if (input < 0)
        return 1;
    char buffer[65536];
    ssize_t got;
    while ((got = read(input, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < got;) {
            const ssize_t sent = send(3, buffer + at, static_cast<std::size_t>(got - at), MSG_NOSIGNAL);
            if (sent <= 0)
                return 0;
            at += sent;
        }
    }
    return 0;
}
