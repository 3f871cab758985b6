// The program's reading of the reader's frames, against a stand-in reader
// (FakeReader.cpp) that sends what each row wrote: every limit is taken at
// its value, and one past it ends the run as a broken reader does.
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

QByteArray Frame32(Frame type, std::uint32_t value)
{
    return Bytes(FrameWriter(type).u32(value));
}

// A header whose wide name, 8-bit name and link target have these lengths,
// `cut` bytes short of its end (negative: that many over).
QByteArray Header(std::uint32_t wide, std::uint32_t narrow = 0, std::uint32_t link = 0, int cut = 0)
{
    FrameWriter frame(Frame::Header);
    frame.u32(ERAR_SUCCESS).u32(0).text(std::u32string(wide, U'w')).u32(narrow);
    frame.bytes(std::string(narrow, 'n').data(), narrow).text(std::u32string(link, U'l'));
    const std::vector<unsigned char> rest(21 * 4 + 32 - cut, 0); // the numbers and the hash
    return Bytes(frame.bytes(rest.data(), rest.size()));
}

// Data of this many bytes, then the entry's result.
QByteArray Data(std::size_t size)
{
    const std::vector<unsigned char> data(size, 'd');
    return Bytes(FrameWriter(Frame::Data).bytes(data.data(), size)) + Frame32(Frame::Result, 0);
}

struct Seen
{
    qint64 passwordSize = -1, bytes = 0;
    QString failure;
};

int Answer(RarUInt message, RarLParam user, RarLParam p1, RarLParam p2)
{
    Seen& seen = *reinterpret_cast<Seen*>(user);
    if (message == UCM_NEEDPASSWORDW)
        seen.passwordSize = p2;
    else if (message == UCM_PROCESSDATA)
        seen.bytes += p2;
    else if (message == UCM_READER_FAILED)
        seen.failure = *reinterpret_cast<const QString*>(p1);
    // Every entry asked for one at a time, with its bytes.
    return message == UCM_READER_PLAN ? -1 : 1;
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void limits_data()
    {
        QTest::addColumn<QByteArray>("frames"); // after the reader's greeting and the archive's opening
        QTest::addColumn<bool>("test");         // the first entry tested, not only read
        QTest::addColumn<qint64>("seen");       // name length, password buffer or bytes; -1: broken
        // clang-format off
        QTest::newRow("name filling its field") << Header(1024) << false << 1024LL;
        QTest::newRow("name one longer") << Header(1025) << false << -1LL;
        QTest::newRow("8-bit name and its NUL") << Header(0, 1023) << false << 1023LL;
        QTest::newRow("8-bit name with no room for a NUL") << Header(0, 1024) << false << -1LL;
        QTest::newRow("link target filling its field") << Header(3, 0, 1024) << false << 3LL;
        QTest::newRow("link target one longer") << Header(3, 0, 1025) << false << -1LL;
        QTest::newRow("a count past the frame's end") << Header(3, 0, 0, 1) << false << -1LL;
        QTest::newRow("a byte left over") << Header(3, 0, 0, -1) << false << -1LL;
        QTest::newRow("password buffer of 0") << Frame32(Frame::AskPassword, 0) + Header(3) << false << -1LL;
        QTest::newRow("password buffer of 1") << Frame32(Frame::AskPassword, 1) + Header(3) << false << 1LL;
        QTest::newRow("password buffer of 1024") << Frame32(Frame::AskPassword, 1024) + Header(3) << false << 1024LL;
        QTest::newRow("password buffer of 1025") << Frame32(Frame::AskPassword, 1025) + Header(3) << false << -1LL;
        QTest::newRow("the largest frame") << Header(3) + Data(kMaxPayload) << true << qint64(kMaxPayload);
        QTest::newRow("a frame one larger") << Header(3) + Data(kMaxPayload + 1) << true << -1LL;
        QTest::newRow("data where a header belongs") << Data(1) << false << -1LL;
        // clang-format on
    }
    void limits()
    {
        QFETCH(QByteArray, frames);
        QFETCH(bool, test);
        QFETCH(qint64, seen);
        QTemporaryDir folder;
        QFile script(folder.filePath("frames"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(Bytes(FrameWriter(Frame::Hello).u32(RAR_DLL_VERSION).u32(0).text({})));
        // A handle, success, no flags, no comment, every sandbox layer.
        script.write(Bytes(FrameWriter(Frame::Opened).u32(1).u32(0).u32(0).u32(0).u32(0).u32(7).text({})));
        script.write(frames);
        script.close();
        qputenv("MARROWICK_FRAMES", QFile::encodeName(script.fileName()));

        const UnrarApi& api = InstalledUnrar();
        Seen got;
        RAROpenArchiveDataEx open{};
        open.ArcName = const_cast<char*>("archive.rar");
        open.OpenMode = RAR_OM_EXTRACT;
        open.Callback = &Answer;
        open.UserData = reinterpret_cast<RarLParam>(&got);
        RarHandle archive = api.RAROpenArchiveEx(&open);
        QVERIFY(archive);
        auto header = std::make_unique<RARHeaderDataEx>();
        std::vector<wchar_t> link(1024);
        header->RedirName = link.data();
        header->RedirNameSize = 1024;
        int result = api.RARReadHeaderEx(archive, header.get());
        if (result == ERAR_SUCCESS && test)
            result = api.RARProcessFileW(archive, RAR_TEST, nullptr, nullptr);
        api.RARCloseArchive(archive);

        QCOMPARE(got.failure, seen < 0 ? QStringLiteral("malformed reply") : QString());
        QCOMPARE(result, seen < 0 ? ERAR_READER_FAILED : ERAR_SUCCESS);
        const QString name = WideField(header->FileNameW, 1024);
        if (seen >= 0)
            QCOMPARE(test ? got.bytes : got.passwordSize >= 0 ? got.passwordSize
                                  : qMax(name.size(), NarrowField(header->FileName, 1024).size()), seen);
        if (seen >= 0 && link[0])
            QCOMPARE(WideField(link.data(), 1024), QString(1024, 'l'));
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
