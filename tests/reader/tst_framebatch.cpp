// The reader's outgoing frames while signal handlers on other threads send
// what is gathered: every frame arrives once, whole and in order.
#include "reader/FrameBatch.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <cstring>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

using marrowick::reader::FrameBatch;

class TestFrameBatch : public QObject
{
    Q_OBJECT

private slots:
    void handlersOnOtherThreadsNeitherTearNorRepeat()
    {
        int pair[2];
        QCOMPARE(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
        std::vector<unsigned char> received;
        std::thread program([&] {
            unsigned char buffer[65536];
            ssize_t got;
            while ((got = read(pair[1], buffer, sizeof buffer)) > 0)
                received.insert(received.end(), buffer, buffer + got);
        });
        auto batch = std::make_unique<FrameBatch>(pair[0]);
        std::atomic<bool> done{false};
        std::thread handlers([&] {
            while (!done)
                batch->flushFromSignal();
        });
        // Frames of a number and its low byte repeated; a few are larger
        // than the batch. What arrives is what was added, in order.
        std::vector<unsigned char> frame, sent;
        for (std::uint32_t n = 0; n < 300000; ++n) {
            frame.assign(4 + (n % 9973 == 0 ? FrameBatch::kCapacity : n % 61), static_cast<unsigned char>(n));
            std::memcpy(frame.data(), &n, 4);
            sent.insert(sent.end(), frame.begin(), frame.end());
            QVERIFY(batch->add(frame.data(), frame.size()));
        }
        done = true;
        handlers.join();
        QVERIFY(batch->flush());
        close(pair[0]);
        program.join();
        close(pair[1]);
        QVERIFY(received == sent);
    }
};

QTEST_GUILESS_MAIN(TestFrameBatch)
#include "tst_framebatch.moc"
