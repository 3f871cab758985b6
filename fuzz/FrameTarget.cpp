// The program side of the frame protocol against a taken-over reader: the
// reader is a player that sends the fuzzer's bytes as its frames.
#include "fuzz/FuzzTargets.h"

#include "engine/ComponentError.h"
#include "engine/ReaderProtocol.h"
#include "tests/engine/RecordingView.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace marrowick::fuzz {

namespace {

void Check(bool held, const char* what)
{
    if (!held) {
        std::fprintf(stderr, "FrameTarget: check failed: %s\n", what);
        std::abort();
    }
}

const QTemporaryDir scratch;
const QString input = scratch.filePath(QStringLiteral("frames"));
const QString archive = scratch.filePath(QStringLiteral("any.rar"));
// What an extraction may write to, alone in its folder.
const QString outside = scratch.filePath(QStringLiteral("outside"));
const QString dest = outside + QStringLiteral("/dest");

void Play(const void* frames, std::size_t size)
{
    QFile file(input);
    Check(file.open(QIODevice::WriteOnly) && file.write(static_cast<const char*>(frames), qint64(size)) == qint64(size),
          "input written");
}

// The library check keeps the reader it started for the first archive: it is
// made once, with a player that only says hello, and used up, so that every
// run after it starts a player of its own.
void Prepare()
{
    static const bool prepared = [] {
        qputenv("MARROWICK_FRAME_PLAYER_INPUT", QFile::encodeName(input));
        UseReaderProgram(QStringLiteral(MARROWICK_FRAME_PLAYER));
        reader::FrameWriter hello(reader::Frame::Hello);
        const auto& bytes = hello.u32(RAR_DLL_VERSION).u32(0).text({}).finish();
        Play(bytes.data(), bytes.size());
        test::EngineRun().process(OP_LIST, archive);
        return true;
    }();
    (void)prepared;
}

} // namespace

int ReaderFrames(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Prepare();
    Play(data + 1, size - 1);
    QDir(outside).removeRecursively();
    Check(QDir().mkpath(dest), "destination made");
    test::EngineRun run;
    run.prompts.password = QStringLiteral("secret");
    // Some entries only: the reader may pass over the others itself.
    if (data[0] & 0x10)
        run.selection = QStringList{QStringLiteral("a"), QStringLiteral("docs/")};
    try {
        run.process(data[0] % 3 == 0 ? OP_LIST : data[0] % 3 == 1 ? OP_TEST : OP_EXTRACT, archive,
                    dest, OverwritePolicy::Always);
    } catch (const ComponentError&) {
        // The library check found no reader: a refusal.
    }
    // Nothing beside the destination; beneath it, nothing that leads out.
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    Check(QDir(outside).entryList(all) == QStringList{QStringLiteral("dest")}, "nothing outside");
    const QString root = QDir(dest).canonicalPath() + QLatin1Char('/');
    for (QDirIterator walk(dest, all, QDirIterator::Subdirectories); walk.hasNext();) {
        const QFileInfo entry(walk.next());
        Check(entry.isSymLink() || entry.canonicalFilePath().startsWith(root), "nothing leads out");
    }
    return 0;
}

} // namespace marrowick::fuzz
