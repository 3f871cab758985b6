#include "cli/CatCommand.h"

#include "cli/Console.h"
#include "cli/ConsolePrompts.h"
#include "cli/Terminal.h"
#include "engine/ComponentError.h"
#include "engine/EntryPreview.h"
#include "engine/UnrarLibrary.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace marrowick::cli {

namespace {

using Status = EntryDataResult::Status;

enum class Written { Fine, Broken, Refused };

// Straight to the descriptor, chunk by chunk: nothing is held back, so the
// memory stays the same whatever the entry's size.
bool WriteOut(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size);
        if (written < 0 && errno == EINTR && !CancelSignalled())
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool LooksBinary(const char* data, std::size_t size)
{
    if (std::memchr(data, '\0', size))
        return true;
    QStringDecoder utf8(QStringConverter::Utf8);
    (void)utf8.decode(QByteArrayView(data, static_cast<qsizetype>(size)));
    return utf8.hasError();
}

int RunCat(const CliOptions& options, QString& password)
{
    Console console(false);
    try {
        (void)InstalledUnrar();
    } catch (const ComponentError& error) {
        console.error(error.description());
        return EXIT_NO_LIBRARY;
    }
    // A closed pipe is a write error, not a signal.
    InstallCancelHandlers();
    ConsolePrompts prompts(console, StdinIsTerminal());
    const bool checkFirst = !options.force && isatty(STDOUT_FILENO) == 1;

    Written written = Written::Fine;
    bool first = true;
    const auto out = [&](const char* data, std::size_t size) {
        if (first && checkFirst && LooksBinary(data, size)) {
            written = Written::Refused;
            return false;
        }
        first = false;
        if (!WriteOut(data, size)) {
            written = Written::Broken;
            return false;
        }
        return true;
    };
    EntryDataResult result;
    for (;;) {
        result = StreamEntry({options.archive, options.entry, password}, out, CancelFlag());
        // Asked for on the terminal as extraction asks, once.
        if (result.status != Status::NeedPassword || !password.isEmpty())
            break;
        const std::optional<QString> typed = prompts.askPassword(
            QCoreApplication::translate("CliCat", "Enter password for the encrypted file:"),
            QCoreApplication::translate("CliCat", "Enter password"));
        if (!typed)
            return EXIT_FAILED;
        password = *typed;
    }

    const QString name = EscapeControls(options.entry);
    switch (result.status) {
    case Status::Complete:
        return EXIT_OK;
    case Status::Stopped:
        if (CancelSignalled())
            break;
        // The reader of the output took what it wanted (`| head`).
        if (written == Written::Broken)
            return EXIT_OK;
        //: %1 is the entry's name
        console.error(
            QCoreApplication::translate(
                "CliCat", "%1 holds binary data: not written to a terminal (--force writes it)")
                .arg(name));
        return EXIT_FAILED;
    case Status::Cancelled:
        break;
    case Status::NeedPassword:
        console.error(QCoreApplication::translate("CliCat", "the archive needs a password"));
        return EXIT_FAILED;
    case Status::NotFound:
        console.error(QCoreApplication::translate("CliCat", "No entry named %1").arg(name));
        return EXIT_FAILED;
    case Status::WrongPassword:
    case Status::Failed:
        console.error(EscapeControls(result.message));
        return EXIT_FAILED;
    }
    console.error(QCoreApplication::translate("CliCat", "cancelled"));
    return EXIT_CANCELLED;
}

} // namespace marrowick::cli
