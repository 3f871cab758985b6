// The program's reading of the reader's frames, against a stand-in reader
// (FakeReader.cpp) that sends what each row wrote: every limit is taken at
// its value and ends the run one past it, as a broken reader does.
#include "engine/HeaderFields.h"
#include "engine/ReaderProtocol.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::reader;

namespace {

QByteArray Bytes(FrameWriter& frame)
{
    const std::vector<unsigned char>& bytes = frame.finish();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A header with names of these lengths (wide file name, 8-bit name, link
// target), `cut` bytes short of its end or, when negative, that many over.
QByteArray Header(std::uint32_t wide, std::uint32_t narrow = 0, std::uint32_t link = 0, int cut = 0)
{
    FrameWriter frame(Frame::Header);
    frame.u32(ERAR_SUCCESS).u32(0).text(std::u32string(wide, U'w'));
    frame.u32(narrow).bytes(std::string(narrow, 'n').data(), narrow).text(std::u32string(link, U'l'));
    const std::vector<unsigned char> rest(21 * 4 + 32 - cut, 0); // the numbers, the hash
    return Bytes(frame.bytes(rest.data(), rest.size()));
}

QByteArray Frame32(Frame type, std::uint32_t value)
{
    return Bytes(FrameWriter(type).u32(value));
}

// Data of this many bytes, the entry's result, and the end of the archive.
QByteArray Data(std::size_t size)
{
    const std::vector<unsigned char> data(size, 'd');
    return Bytes(FrameWriter(Frame::Data).bytes(data.data(), size)) + Frame32(Frame::Result, 0) +
           Frame32(Frame::Header, ERAR_END_ARCHIVE);
}

struct Seen
{
    qint64 passwordSize = -1, bytes = 0;
    QString failure;
};

int Callback(RarUInt message, RarLParam user, RarLParam p1, RarLParam p2)
{
    Seen& seen = *reinterpret_cast<Seen*>(user);
    switch (message) {
    case UCM_NEEDPASSWORDW:
        seen.passwordSize = p2;
        return 1;
    case UCM_PROCESSDATA:
        return seen.bytes += p2, 1;
    case UCM_READER_FAILED:
        seen.failure = *reinterpret_cast<const QString*>(p1);
        return 0;
    case UCM_READER_WANTBYTES:
    case UCM_READER_IDLE:
        return 1;
    default:
        return -1; // UCM_READER_PLAN: one entry at a time
    }
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void limits_data()
    {
        QTest::addColumn<QByteArray>("read");    // the reply to the first header's Read
        QTest::addColumn<QByteArray>("process"); // to a test of it; empty: not tested
        QTest::addColumn<qint64>("seen");        // name length, password size or bytes; -1: broken
        const QByteArray none;
        // clang-format off
        QTest::newRow("name filling its field") << Header(1024) << none << qint64(1024);
        QTest::newRow("name one longer") << Header(1025) << none << qint64(-1);
        QTest::newRow("8-bit name and its NUL") << Header(0, 1023) << none << qint64(1023);
        QTest::newRow("8-bit name with no room for a NUL") << Header(0, 1024) << none << qint64(-1);
        QTest::newRow("link target filling its field") << Header(3, 0, 1024) << none << qint64(3);
        QTest::newRow("link target one longer") << Header(3, 0, 1025) << none << qint64(-1);
        QTest::newRow("a count past the frame's end") << Header(3, 0, 0, 1) << none << qint64(-1);
        QTest::newRow("a byte left over") << Header(3, 0, 0, -1) << none << qint64(-1);
        QTest::newRow("password buffer of 0") << Frame32(Frame::AskPassword, 0) + Header(3) << none << qint64(-1);
        QTest::newRow("password buffer of 1") << Frame32(Frame::AskPassword, 1) + Header(3) << none << qint64(1);
        QTest::newRow("password buffer of 1024") << Frame32(Frame::AskPassword, 1024) + Header(3) << none << qint64(1024);
        QTest::newRow("password buffer of 1025") << Frame32(Frame::AskPassword, 1025) + Header(3) << none << qint64(-1);
        QTest::newRow("the largest frame") << Header(3) << Data(kMaxPayload) << qint64(kMaxPayload);
        QTest::newRow("a frame one larger") << Header(3) << Data(kMaxPayload + 1) << qint64(-1);
        QTest::newRow("data before the header") << Data(1) << none << qint64(-1);
        // clang-format on
    }
    void limits()
    {
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, process);
        QFETCH(qint64, seen);
        QTemporaryDir folder;
        QFile script(folder.filePath("script"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        for (const QByteArray& reply : {read, process}) {
            const std::uint32_t size = std::uint32_t(reply.size());
            script.write(reinterpret_cast<const char*>(&size), sizeof size);
            script.write(reply);
        }
        script.close();

        const UnrarApi& api = InstalledUnrar();
        Seen got;
        const QByteArray path = script.fileName().toLocal8Bit();
        RAROpenArchiveDataEx open{};
        open.ArcName = const_cast<char*>(path.constData());
        open.OpenMode = RAR_OM_EXTRACT;
        open.Callback = &Callback;
        open.UserData = reinterpret_cast<RarLParam>(&got);
        RarHandle archive = api.RAROpenArchiveEx(&open);
        QVERIFY(archive);
        auto header = std::make_unique<RARHeaderDataEx>();
        std::vector<wchar_t> link(1024);
        header->RedirName = link.data();
        header->RedirNameSize = 1024;
        int result = api.RARReadHeaderEx(archive, header.get());
        if (result == ERAR_SUCCESS && !process.isEmpty())
            result = api.RARProcessFileW(archive, RAR_TEST, nullptr, nullptr);
        api.RARCloseArchive(archive);

        QCOMPARE(got.failure, seen < 0 ? QStringLiteral("malformed reply") : QString());
        QCOMPARE(result, seen < 0 ? ERAR_READER_FAILED : ERAR_SUCCESS);
        if (seen < 0)
            return;
        const QString name = WideField(header->FileNameW, 1024);
        const qint64 shown = !process.isEmpty() ? got.bytes
                             : got.passwordSize >= 0 ? got.passwordSize
                             : name.isEmpty() ? NarrowField(header->FileName, 1024).size()
                                              : name.size();
        QCOMPARE(shown, seen);
        if (header->RedirName[0])
            QCOMPARE(WideField(header->RedirName, 1024), QString(1024, 'l'));
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
