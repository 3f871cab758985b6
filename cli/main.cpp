// marrowick-cli: the archive engine of Marrowick for scripts and terminals.
#include "cli/CatCommand.h"
#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "cli/ConsolePrompts.h"
#include "cli/ConsoleView.h"
#include "cli/InfoCommand.h"
#include "cli/Terminal.h"
#include "cli/TreeListing.h"
#include "desktop/DesktopNotification.h"
#include "engine/ComponentError.h"
#include "engine/ExtractHere.h"
#include "engine/UnrarLibrary.h"
#include "engine/modRAR.h"
#include "marrowick_version.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace marrowick;
using namespace marrowick::cli;

namespace {

void PrintError(const QString& text)
{
    std::fflush(stdout);
    std::fprintf(stderr, "marrowick-cli: %s\n", qUtf8Printable(text));
}

int UsageError(const QString& text)
{
    PrintError(text);
    std::fprintf(
        stderr, "%s\n",
        qUtf8Printable(QCoreApplication::translate("CliMain", "Try 'marrowick-cli --help'.")));
    return EXIT_USAGE;
}

std::int32_t ModeOf(Command command)
{
    switch (command) {
    case Command::Extract:
        return OP_EXTRACT;
    case Command::Test:
        return OP_TEST;
    default:
        return OP_LIST;
    }
}

// extract --here: each archive beside itself, one after the other; each ends
// with a line that says where its files went.
int ExtractEachHere(const CliOptions& options, const QString& password, OverwritePolicy overwrite)
{
    InstallCancelHandlers();
    Console console(StderrIsTerminal());
    ConsoleView view(console, ListFormat::Text);
    ConsolePrompts prompts(console, StdinIsTerminal());
    const RunContext context{view, prompts, nullptr, QString(), overwrite};
    const HereMode mode = options.subfolder ? HereMode::Subfolder : HereMode::Smart;
    int failures = 0;
    // For --notify: a line for each archive, by its file name.
    QStringList summary;
    for (const QString& archive : options.archives) {
        const QString shown = EscapeControls(archive);
        const QString name = QFileInfo(archive).fileName();
        if (!QFileInfo(archive).isFile()) {
            PrintError(QCoreApplication::translate("CliMain", "Cannot open %1").arg(archive));
            //: A line of the notification; %1 is the archive's file name
            summary
                << QCoreApplication::translate("CliExtractHere", "%1: cannot open it").arg(name);
            ++failures;
            continue;
        }
        prompts.takeFirstProblem();
        // Every archive starts from the password given, not one typed for another.
        QString archivePassword = password;
        HereResult result;
        try {
            result = ExtractHere(archive, archivePassword, context, mode);
        } catch (const ComponentError& error) {
            console.error(error.description());
            return EXIT_NO_LIBRARY;
        }
        console.flush();
        if (CancelSignalled() || console.outputBroken()) {
            if (CancelSignalled())
                console.error(QCoreApplication::translate("CliMain", "cancelled"));
            return EXIT_CANCELLED;
        }
        const QString landed = EscapeControls(result.landed);
        if (result.passed) {
            //: %1 is the archive, %2 the file or folder its entries went to
            const QString extracted =
                QCoreApplication::translate("CliExtractHere", "%1: extracted to %2");
            console.outLine(extracted.arg(shown, landed));
            summary << extracted.arg(name, result.landed);
            continue;
        }
        ++failures;
        const QString problem = prompts.takeFirstProblem();
        //: A line of the notification; %1 is the archive's file name
        summary
            << (problem.isEmpty()
                    ? QCoreApplication::translate("CliExtractHere", "%1: not extracted").arg(name)
                    : QStringLiteral("%1: %2").arg(name, problem));
        console.error(
            result.landed.isEmpty()
                ? QCoreApplication::translate("CliExtractHere", "%1: nothing extracted").arg(shown)
                //: %1 is the archive, %2 the folder that holds what was extracted
                : QCoreApplication::translate("CliExtractHere",
                                              "%1: not every entry extracted; the rest is in %2")
                      .arg(shown, landed));
    }
    console.flush();
    if (options.notify)
        SendDesktopNotification(
            //: The title of the desktop notification at the end of extract --here
            failures == 0
                ? QCoreApplication::translate("CliExtractHere", "Extract Here done")
                //: The title of the notification; %1 and %2 are numbers of archives
                : QCoreApplication::translate("CliExtractHere",
                                              "Extract Here: %1 of %2 not extracted")
                      .arg(QString::number(failures), QString::number(options.archives.size())),
            summary.join(QLatin1Char('\n')), Delivery::Wait);
    return failures > 0 ? EXIT_FAILED : EXIT_OK;
}

} // namespace

int main(int argc, char* argv[])
{
    // The library turns every entry's time into local time, and while TZ is
    // unset glibc checks /etc/localtime again on each call: one stat per
    // entry, a fifth of the time of a large listing. Naming the same zone
    // file lets glibc read it once.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    // Sets the C locale from the environment too: the library converts names
    // with it, and sizes are grouped by it as in the window.
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // Before anything is printed, the parser's errors and --help included.
    LoadTranslations(LanguageArgument(arguments));
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.error.isEmpty())
        return UsageError(parsed.error);
    const CliOptions& options = parsed.options;

    if (options.command == Command::Help) {
        std::fputs(qUtf8Printable(UsageText()), stdout);
        return EXIT_OK;
    }
    if (options.command == Command::Version) {
        std::printf("marrowick-cli %s\n", MARROWICK_VERSION_STRING);
        return EXIT_OK;
    }

    QString password;
    if (options.password) {
        password = *options.password;
    } else if (!options.passwordFile.isEmpty()) {
        const PasswordRead read = ReadPasswordFile(options.passwordFile);
        if (!read.error.isEmpty())
            return UsageError(read.error);
        password = read.password;
    }

    const bool interactive = StdinIsTerminal();
    const OverwritePolicy overwrite =
        options.overwrite.value_or(interactive ? OverwritePolicy::Ask : OverwritePolicy::Never);
    if (overwrite == OverwritePolicy::Ask && !interactive)
        return UsageError(QCoreApplication::translate(
            "CliMain", "--overwrite ask needs a terminal on standard input"));

    if (options.here)
        return ExtractEachHere(options, password, overwrite);

    if (!QFileInfo(options.archive).isFile()) {
        // The engine would say the same ("Cannot open ..."), but only after
        // loading the library; a typo should not depend on it.
        PrintError(QCoreApplication::translate("CliMain", "Cannot open %1").arg(options.archive));
        return EXIT_FAILED;
    }
    if (options.command == Command::Info)
        return RunInfo(options, password);
    if (options.command == Command::Cat)
        return RunCat(options, password);

    QString destination = options.destination;
    if (options.command == Command::Extract && !destination.isEmpty()) {
        if (!QFileInfo(destination).isDir() && !QDir().mkpath(destination)) {
            PrintError(QCoreApplication::translate("CliMain", "cannot make the folder %1")
                           .arg(destination));
            return EXIT_FAILED;
        }
        if (!destination.endsWith(QLatin1Char('/')))
            destination += QLatin1Char('/');
    }

    InstallCancelHandlers();
    Console console(StderrIsTerminal());
    const ListFormat format = options.json ? ListFormat::Json
                              : options.tree ? ListFormat::Tree
                                             : ListFormat::Text;
    ConsoleView view(console, format);
    ConsolePrompts prompts(console, interactive);
    RunContext context{view, prompts, nullptr, destination, overwrite, options.names,
                       !options.noLinks};
    // The benchmark compares one reader with several on the same archive.
    context.readers = qEnvironmentVariableIntValue("MARROWICK_READERS");

    try {
        const RunOutcome outcome =
            ProcessArchive(ModeOf(options.command), options.archive, password, context);
        // The whole set was read from its first volume: say so beside the output.
        if (!outcome.volumeSet.isEmpty())
            console.error(outcome.volumeSet);
    } catch (const ComponentError& error) {
        console.error(error.description());
        return EXIT_NO_LIBRARY;
    }

    if (options.command == Command::List && format == ListFormat::Tree && view.archiveOpened() &&
        !CancelSignalled())
        console.out(TreeText(view.tree(), QFileInfo(options.archive).fileName()).toUtf8());
    if (options.command == Command::List && format != ListFormat::Json && view.archiveOpened() &&
        !CancelSignalled())
        console.outLine(ListTotalsLine(view.rowsListed()));
    console.flush();

    if (CancelSignalled() || console.outputBroken()) {
        if (CancelSignalled())
            console.error(QCoreApplication::translate("CliMain", "cancelled"));
        return EXIT_CANCELLED;
    }
    const bool failed = prompts.errorsShown() > 0 || prompts.passwordMissing() ||
                        prompts.replaceDeclined() || view.entriesFailed() > 0 ||
                        view.entriesRefused() > 0;
    return failed ? EXIT_FAILED : EXIT_OK;
}
