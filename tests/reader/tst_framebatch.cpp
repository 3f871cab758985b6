// The reader's outgoing frames while signal handlers on other threads send
// what is gathered: every frame arrives once, whole and in order.
#include "reader/FrameBatch.h"

#include <QtTest>

#include <algorithm>
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
        // Frames of a number and a length, then that many copies of the
        // number's low byte; a few are larger than the batch.
        constexpr std::uint32_t kFrames = 300000;
        std::vector<unsigned char> frame;
        for (std::uint32_t n = 0; n < kFrames; ++n) {
            const std::uint32_t size = n % 9973 == 0 ? FrameBatch::kCapacity + 5 : n % 61;
            frame.assign(8 + size, static_cast<unsigned char>(n));
            std::memcpy(frame.data(), &n, 4);
            std::memcpy(frame.data() + 4, &size, 4);
            QVERIFY(batch->add(frame.data(), frame.size()));
        }
        done = true;
        handlers.join();
        QVERIFY(batch->flush());
        close(pair[0]);
        program.join();
        close(pair[1]);

        std::size_t at = 0;
        for (std::uint32_t n = 0; n < kFrames; ++n) {
            std::uint32_t number = 0, size = 0;
            QVERIFY2(at + 8 <= received.size(), qPrintable(QString::number(n)));
            std::memcpy(&number, received.data() + at, 4);
            std::memcpy(&size, received.data() + at + 4, 4);
            QCOMPARE(number, n);
            QVERIFY(at + 8 + size <= received.size());
            const auto first = received.begin() + static_cast<std::ptrdiff_t>(at + 8);
            QVERIFY(std::all_of(first, first + size, [n](unsigned char c) { return c == static_cast<unsigned char>(n); }));
            at += 8 + size;
        }
        QCOMPARE(at, received.size());
    }
};

QTEST_GUILESS_MAIN(TestFrameBatch)
#include "tst_framebatch.moc"
