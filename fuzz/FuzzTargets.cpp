#include "fuzz/FuzzTargets.h"

#include "dialogs/cFileDialog.h"
#include "engine/ArchiveEnd.h"
#include "engine/ComponentError.h"
#include "engine/SafeWriter.h"
#include "mainwindow/CommandLine.h"
#include "tests/engine/RecordingView.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

// A broken promise is a finding: say which and stop, so the fuzzer keeps the
// input and the replay test fails on it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace marrowick::fuzz {

namespace {

QString Text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

const QChar Nul(u'\0');

// The one folder a fuzzing process writes into, removed when it exits.
const QTemporaryDir& Scratch()
{
    static const QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return dir;
}

void FilterConversion(const QString& text)
{
    cFileDialog dialog;
    try {
        dialog.setFilter(text);
    } catch (const ComponentError&) {
        FUZZ_CHECK(text.size() > cFileDialog::MaxFilterLength);
        return;
    }
    const QString& list = dialog.FilterList();
    FUZZ_CHECK(list.endsWith(QString(2, Nul)));
    FUZZ_CHECK(!list.contains(u'|') && !list.contains(u':'));
    FUZZ_CHECK(list.size() == text.size() + 2);
    const QStringList filters = FilterListToNameFilters(list);
    FUZZ_CHECK(filters.size() <= list.count(Nul) / 2);
    for (const QString& filter : filters)
        FUZZ_CHECK(!filter.contains(Nul));
}

void MultiFileName(const QString& text)
{
    cFileDialog dialog;
    try {
        dialog.setFileName(text);
    } catch (const ComponentError&) {
        FUZZ_CHECK(text.size() > cFileDialog::SingleBufferSize);
    }
    QString dir = QStringLiteral("(unchanged)");
    QStringList files{QStringLiteral("(unchanged)")};
    std::int32_t count = -1;
    try {
        dialog.ParseMultiFileName(dir, files, count);
    } catch (const ComponentError& error) {
        // Refused means nothing was written.
        FUZZ_CHECK(!dialog.FileName().contains(QString(2, Nul)));
        FUZZ_CHECK(dir == QLatin1String("(unchanged)") && count == -1);
        return;
    }
    FUZZ_CHECK(count >= 1 && count == files.size());
    const QString used = dialog.FileName().left(dialog.FileName().indexOf(QString(2, Nul)));
    if (count == 1 && !used.contains(Nul))
        FUZZ_CHECK(dir + files.first() == used);
    else
        FUZZ_CHECK(dir + Nul + files.join(Nul) == used);
}

} // namespace

int CommandLine(const std::uint8_t* data, std::size_t size)
{
    const QString line = Text(data, size);
    const ParsedCommandLine parsed = SplitCommandLine(line);
    FUZZ_CHECK(parsed.isEmpty == line.isEmpty());
    if (parsed.isEmpty)
        return 0;
    FUZZ_CHECK(parsed.elements.size() == 3);
    const QStringList parts = line.split(u'=');
    for (qsizetype i = 0; i < 3; ++i)
        FUZZ_CHECK(parsed.elements.at(i) == (i < parts.size() ? parts.at(i) : QString()));
    FUZZ_CHECK(parsed.archivePath == parsed.elements.at(1));
    FUZZ_CHECK(parsed.password == parsed.elements.at(2));
    FUZZ_CHECK(parsed.mode.has_value() ==
               !parsed.messages.contains(QStringLiteral("Invalid Argument(s)!")));
    FUZZ_CHECK(parsed.messages.size() <= 2);
    // Joining what was split by blanks gives the line back.
    FUZZ_CHECK(JoinArguments(line.split(u' ')) == line);
    return 0;
}

int FileDialogText(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString text = Text(data + 1, size - 1);
    if (data[0] & 1) {
        MultiFileName(text);
    } else {
        FilterConversion(text);
        // The conversion's reader alone, on a list that did not come from it.
        const QStringList filters = FilterListToNameFilters(text);
        FUZZ_CHECK(filters.size() <= text.count(Nul) / 2 + 1);
    }
    return 0;
}

int EntryName(const std::uint8_t* data, std::size_t size)
{
    const QString name = Text(data, size);
    if (ValidateEntryName(name))
        return 0;
    FUZZ_CHECK(!name.isEmpty() && !name.startsWith(u'/'));
    for (const QString& part : name.split(u'/'))
        FUZZ_CHECK(!part.isEmpty() && part != QLatin1String(".") && part != QLatin1String(".."));
    for (const QChar ch : name)
        FUZZ_CHECK(ch.category() != QChar::Other_Control);

    // An accepted name walks beneath the root only; beginning and
    // abandoning an entry leaves no temporary file.
    static const QString root = Scratch().filePath(QStringLiteral("names"));
    SafeWriter writer(root);
    FUZZ_CHECK(!writer.root().isEmpty());
    writer.DestinationExists(name);
    EntryHeader header;
    header.name = name;
    header.unpSize = 1;
    if (writer.beginEntry(header)) {
        FUZZ_CHECK(writer.write("x", 1));
        FUZZ_CHECK(!writer.write("y", 1)); // beyond the stated size
        writer.abortEntry();
    }
    writer.finishRun();
    return 0;
}

int ArchiveBytes(const std::uint8_t* data, std::size_t size)
{
    static const QString path = Scratch().filePath(QStringLiteral("input.rar"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                   static_cast<qint64>(size));
    }
    // A test passes exactly when the library's own program passes the same bytes.
    const bool sound = test::LibraryVerdict(path) == 0;
    for (const std::int32_t mode : {OP_LIST, OP_TEST}) {
        test::EngineRun run;
        run.prompts.password = QStringLiteral("secret");
        run.process(mode, path);
        FUZZ_CHECK(mode != OP_TEST || run.passed() == sound);
    }
    return 0;
}

int ArchiveEndCheck(const std::uint8_t* data, std::size_t size)
{
    const ArchiveEnd inMemory = CheckArchiveEnd(data, size);
    // The descriptor is read through a window of its own: same bytes, same answer.
    static const QByteArray path = QFile::encodeName(Scratch().filePath(QStringLiteral("end.rar")));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, data, size) == static_cast<ssize_t>(size));
    FUZZ_CHECK(CheckArchiveEnd(fd) == inMemory);
    ::close(fd);
    return 0;
}

} // namespace marrowick::fuzz
