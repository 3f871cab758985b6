// The program side of the frame protocol against a taken-over reader: the
// reader is a player that sends the fuzzer's bytes as its frames.
#include "fuzz/FuzzTargets.h"

#include "engine/ComponentError.h"
#include "engine/ReaderProtocol.h"
#include "engine/UnrarLibrary.h"
#include "tests/engine/RecordingView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#define FRAME_CHECK(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace marrowick::fuzz {

namespace {

struct Stage
{
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("frames"));
    // What an extraction may write to, alone in its folder.
    QString outside = dir.filePath(QStringLiteral("outside"));
    QString dest = outside + QStringLiteral("/dest");
    QString archive = dir.filePath(QStringLiteral("any.rar"));
};

void Play(const Stage& stage, const void* frames, std::size_t size)
{
    QFile file(stage.input);
    FRAME_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FRAME_CHECK(file.write(static_cast<const char*>(frames), qint64(size)) == qint64(size));
}

// The library check keeps the reader it started for the first archive: it is
// made once, with a player that says hello only, and used up, so that every
// run after it starts a player of its own.
const Stage& Prepared()
{
    static Stage stage;
    static const bool once = [] {
        FRAME_CHECK(stage.dir.isValid());
        QFile(stage.archive).open(QIODevice::WriteOnly);
        qputenv("MARROWICK_FRAME_PLAYER_INPUT", QFile::encodeName(stage.input));
        UseReaderProgram(QStringLiteral(MARROWICK_FRAME_PLAYER));
        reader::FrameWriter hello(reader::Frame::Hello);
        hello.u32(RAR_DLL_VERSION).u32(0).text({});
        const auto& bytes = hello.finish();
        Play(stage, bytes.data(), bytes.size());
        test::EngineRun warmUp;
        warmUp.process(OP_LIST, stage.archive);
        return true;
    }();
    (void)once;
    return stage;
}

} // namespace

int ReaderFrames(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const Stage& stage = Prepared();
    Play(stage, data + 1, size - 1);
    const std::int32_t mode = data[0] % 3 == 0 ? OP_LIST : data[0] % 3 == 1 ? OP_TEST : OP_EXTRACT;
    QDir(stage.outside).removeRecursively();
    FRAME_CHECK(QDir().mkpath(stage.dest));

    test::EngineRun run;
    run.prompts.password = QStringLiteral("secret");
    try {
        run.process(mode, stage.archive, stage.dest, OverwritePolicy::Always);
    } catch (const ComponentError&) {
        // The library check said the reader did not start: a refusal.
    }

    // Nothing beside the destination; beneath it, nothing that leads out.
    FRAME_CHECK(QDir(stage.outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot) == QStringList{QStringLiteral("dest")});
    const QString root = QDir(stage.dest).canonicalPath() + QLatin1Char('/');
    QDirIterator walk(stage.dest, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QFileInfo entry(walk.next());
        FRAME_CHECK(entry.isSymLink() || entry.canonicalFilePath().startsWith(root));
    }
    return 0;
}

} // namespace marrowick::fuzz
