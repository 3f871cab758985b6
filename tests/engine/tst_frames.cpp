// The program's reading of the reader's frames, against a stand-in reader
// (FakeReader.cpp) that sends what each row wrote: every limit is taken at
// its value, and one past it ends the run as a broken reader does.
#include "engine/ReaderProtocol.h"

#include "RecordingView.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::reader;
using namespace marrowick::test;

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

QByteArray Data(std::size_t size)
{
    const std::vector<unsigned char> data(size, 'd');
    return Bytes(FrameWriter(Frame::Data).bytes(data.data(), size));
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void limits_data()
    {
        QTest::addColumn<QByteArray>("frames"); // the first entry's, up to its result
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("name"); // the length of the name seen; -1: the reader is broken
        const int l = OP_LIST, t = OP_TEST;
        // clang-format off
        QTest::newRow("name filling its field") << Header(1024) << l << 1024;
        QTest::newRow("name one longer") << Header(1025) << l << -1;
        QTest::newRow("8-bit name and its NUL") << Header(0, 1023) << l << 1023;
        QTest::newRow("8-bit name with no room for a NUL") << Header(0, 1024) << l << -1;
        QTest::newRow("link target filling its field") << Header(3, 0, 1024) << l << 3;
        QTest::newRow("link target one longer") << Header(3, 0, 1025) << l << -1;
        QTest::newRow("a count past the frame's end") << Header(3, 0, 0, 1) << l << -1;
        QTest::newRow("a byte left over") << Header(3, 0, 0, -1) << l << -1;
        QTest::newRow("password buffer of 0") << Frame32(Frame::AskPassword, 0) + Header(3) << l << -1;
        QTest::newRow("password buffer of 1") << Frame32(Frame::AskPassword, 1) + Header(3) << l << 3;
        QTest::newRow("password buffer of 1024") << Frame32(Frame::AskPassword, 1024) + Header(3) << l << 3;
        QTest::newRow("password buffer of 1025") << Frame32(Frame::AskPassword, 1025) + Header(3) << l << -1;
        QTest::newRow("the largest frame") << Header(3) + Data(kMaxPayload) << t << 3;
        QTest::newRow("a frame one larger") << Header(3) + Data(kMaxPayload + 1) << t << -1;
        QTest::newRow("data where a header belongs") << Data(1) << l << -1;
        // clang-format on
    }
    void limits()
    {
        QFETCH(QByteArray, frames);
        QFETCH(int, mode);
        QFETCH(int, name);
        QTemporaryDir folder;
        QFile script(folder.filePath("frames"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(Bytes(FrameWriter(Frame::Hello).u32(RAR_DLL_VERSION).u32(0).text({})));
        // A handle, success, no flags, no comment, every sandbox layer.
        script.write(Bytes(FrameWriter(Frame::Opened).u32(1).u32(0).u32(0).u32(0).u32(0).u32(7).text({})));
        script.write(frames + Frame32(Frame::Result, 0) + Frame32(Frame::Header, ERAR_END_ARCHIVE));
        script.close();
        qputenv("MARROWICK_FRAMES", QFile::encodeName(script.fileName()));
        EngineRun run;
        run.prompts.password = "secret";
        run.process(mode, folder.filePath("archive.rar"));
        QCOMPARE(run.prompts.errors.join("").contains("(malformed reply)"), name < 0);
        // Listed, or tested with success.
        const QString entry = !run.view.rows.empty() ? run.view.rows[0].name
                              : run.view.outcomes.filter(QRegularExpression("=0$")).value(0).section('=', 0, 0);
        QCOMPARE(entry.isEmpty() ? -1 : int(entry.size()), name);
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
