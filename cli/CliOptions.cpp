#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <QFile>

namespace marrowick::cli {

namespace {

std::optional<Command> CommandNamed(const QString& word)
{
    if (word == QLatin1String("list") || word == QLatin1String("l"))
        return Command::List;
    if (word == QLatin1String("test") || word == QLatin1String("t"))
        return Command::Test;
    if (word == QLatin1String("extract") || word == QLatin1String("x"))
        return Command::Extract;
    if (word == QLatin1String("info") || word == QLatin1String("i"))
        return Command::Info;
    if (word == QLatin1String("cat"))
        return Command::Cat;
    return std::nullopt;
}

std::optional<OverwritePolicy> PolicyNamed(const QString& word)
{
    if (word == QLatin1String("ask"))
        return OverwritePolicy::Ask;
    if (word == QLatin1String("always"))
        return OverwritePolicy::Always;
    if (word == QLatin1String("never"))
        return OverwritePolicy::Never;
    return std::nullopt;
}

// The options that take a value, as the next argument or after '='. The
// parser below reads each of them with value().
bool TakesValue(const QString& name)
{
    return name == QLatin1String("--overwrite") || name == QLatin1String("-p") ||
           name == QLatin1String("--password") || name == QLatin1String("--password-file") ||
           name == QLatin1String("--lang");
}

} // namespace

QString LanguageArgument(const QStringList& arguments)
{
    QString language;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const qsizetype equals =
            argument.startsWith(QLatin1String("--")) ? argument.indexOf(QLatin1Char('=')) : -1;
        if (equals > 0) {
            if (argument.left(equals) == QLatin1String("--lang"))
                language = argument.mid(equals + 1);
            continue;
        }
        if (!TakesValue(argument) || i + 1 >= arguments.size())
            continue;
        ++i;
        if (argument == QLatin1String("--lang"))
            language = arguments[i];
    }
    return language;
}

ParsedArguments ParseArguments(const QStringList& arguments)
{
    ParsedArguments parsed;
    CliOptions& options = parsed.options;
    QStringList positional;
    bool helpAsked = false;
    bool versionAsked = false;
    bool optionsEnded = false;

    auto fail = [&parsed](const QString& text) {
        parsed.error = text;
        return parsed;
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // --name=value and --name value are the same.
        QString name = argument;
        std::optional<QString> inlineValue;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            if (equals > 0) {
                name = argument.left(equals);
                inlineValue = argument.mid(equals + 1);
            }
        }
        auto value = [&](QString& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size())
                return false;
            out = arguments[++i];
            return true;
        };

        if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
            helpAsked = true;
        } else if (name == QLatin1String("-V") || name == QLatin1String("--version")) {
            versionAsked = true;
        } else if (name == QLatin1String("--here")) {
            options.here = true;
        } else if (name == QLatin1String("--subfolder")) {
            options.here = options.subfolder = true;
        } else if (name == QLatin1String("--notify")) {
            options.notify = true;
        } else if (name == QLatin1String("--tree")) {
            options.tree = true;
        } else if (name == QLatin1String("--json")) {
            options.json = true;
        } else if (name == QLatin1String("--force")) {
            options.force = true;
        } else if (name == QLatin1String("--no-links")) {
            options.noLinks = true;
        } else if (name == QLatin1String("--overwrite")) {
            QString word;
            if (!value(word))
                return fail(QCoreApplication::translate("CliOptions",
                                                        "--overwrite needs ask, always or never"));
            options.overwrite = PolicyNamed(word);
            if (!options.overwrite)
                return fail(QCoreApplication::translate(
                                "CliOptions", "--overwrite needs ask, always or never, not '%1'")
                                .arg(word));
        } else if (name == QLatin1String("-p") || name == QLatin1String("--password")) {
            QString word;
            if (!value(word))
                //: %1 is the option given: -p or --password
                return fail(
                    QCoreApplication::translate("CliOptions", "%1 needs a password").arg(name));
            options.password = word;
        } else if (name == QLatin1String("--password-file")) {
            if (!value(options.passwordFile) || options.passwordFile.isEmpty())
                return fail(
                    QCoreApplication::translate("CliOptions", "--password-file needs a file name"));
        } else if (name == QLatin1String("--lang")) {
            // Already in use: main() read it before the parse.
            if (!value(options.language) || options.language.isEmpty())
                return fail(QCoreApplication::translate(
                    "CliOptions", "--lang needs a language, such as de or zh_CN"));
        } else {
            return fail(
                QCoreApplication::translate("CliOptions", "unknown option '%1'").arg(argument));
        }
    }

    if (helpAsked) {
        options.command = Command::Help;
        return parsed;
    }
    if (versionAsked) {
        options.command = Command::Version;
        return parsed;
    }
    auto checkCombinations = [&] {
        if (options.notify && !options.here)
            return fail(
                QCoreApplication::translate("CliOptions", "--notify is for extract --here only"));
        if (options.json && options.command != Command::List && options.command != Command::Info)
            return fail(
                QCoreApplication::translate("CliOptions", "--json is for list and info only"));
        if (options.tree && options.command != Command::List)
            return fail(QCoreApplication::translate("CliOptions", "--tree is for list only"));
        if (options.tree && options.json)
            return fail(
                QCoreApplication::translate("CliOptions", "give --json or --tree, not both"));
        if (options.noLinks && options.command != Command::Extract)
            return fail(
                QCoreApplication::translate("CliOptions", "--no-links is for extract only"));
        if (options.force && options.command != Command::Cat)
            return fail(QCoreApplication::translate("CliOptions", "--force is for cat only"));
        if (options.overwrite && options.command != Command::Extract)
            return fail(
                QCoreApplication::translate("CliOptions", "--overwrite is for extract only"));
        if (options.password && !options.passwordFile.isEmpty())
            return fail(
                QCoreApplication::translate("CliOptions", "give -p or --password-file, not both"));
        return parsed;
    };
    if (positional.isEmpty())
        return fail(QCoreApplication::translate("CliOptions", "no command given"));
    const std::optional<Command> command = CommandNamed(positional.first());
    if (!command)
        return fail(QCoreApplication::translate("CliOptions", "unknown command '%1'")
                        .arg(positional.first()));
    options.command = *command;
    if (positional.size() < 2 || positional[1].isEmpty())
        return fail(QCoreApplication::translate("CliOptions", "no archive given"));
    options.archive = positional[1];
    if (options.here) {
        if (options.command != Command::Extract)
            return fail(QCoreApplication::translate("CliOptions", "--here is for extract only"));
        options.archives = positional.mid(1);
        for (const QString& archive : std::as_const(options.archives))
            if (archive.isEmpty())
                return fail(QCoreApplication::translate("CliOptions", "an archive name is empty"));
        return checkCombinations();
    }
    if (options.command == Command::Cat) {
        if (positional.size() < 3 || positional[2].isEmpty())
            return fail(QCoreApplication::translate("CliOptions", "no entry name given"));
        if (positional.size() > 3)
            return fail(QCoreApplication::translate("CliOptions", "unexpected argument '%1'")
                            .arg(positional[3]));
        options.entry = positional[2];
        return checkCombinations();
    }
    if (options.command != Command::Extract && positional.size() > 2)
        return fail(QCoreApplication::translate("CliOptions", "unexpected argument '%1'")
                        .arg(positional[2]));
    if (positional.size() >= 3)
        options.destination = positional[2];
    // Extract: the entries to extract, by their names in the archive.
    options.names = positional.mid(3);
    for (const QString& name : std::as_const(options.names))
        if (name.isEmpty())
            return fail(QCoreApplication::translate("CliOptions", "an entry name is empty"));

    return checkCombinations();
}

PasswordRead ReadPasswordFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(),
                //: %1 is the file's name, %2 why it cannot be read
                QCoreApplication::translate("CliOptions", "cannot read the password file %1: %2")
                    .arg(path, file.errorString())};
    QByteArray line = file.readLine(64 * 1024);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return {
            QString(),
            QCoreApplication::translate("CliOptions", "the password file %1 is empty").arg(path)};
    return {QString::fromUtf8(line), QString()};
}

QString UsageText()
{
    // One text per block, so that a translation can keep the columns.
    const QLatin1Char gap('\n');
    return
        //: The first line of --help. Keep the program's and the commands' names
        //: and the option names as they are; the words in capitals may be translated.
        QCoreApplication::translate(
            "CliHelp", "Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]\n") +
        gap +
        //: Heading of the commands in --help
        QCoreApplication::translate("CliHelp", "Commands:\n") +
        //: A block of --help: keep the command's names and the columns
        QCoreApplication::translate(
            "CliHelp",
            "  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32\n"
            "                         (tab-separated; a link's name is followed by\n"
            "                         \" -> TARGET\"), then the totals line\n") +
        QCoreApplication::translate(
            "CliHelp", "  test, t ARCHIVE        test every entry; one line per entry\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  info, i ARCHIVE        the archive's properties, one \"label: value\" per\n"
            "                         line: format, solid, volumes, recovery record, lock,\n"
            "                         encryption, comment, and the totals of its entries\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  cat ARCHIVE NAME       write the entry's data to standard output as it is\n"
            "                         read, nothing written to disk; binary data (a NUL\n"
            "                         byte or invalid UTF-8 at its start) is not written to\n"
            "                         a terminal without --force\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  extract, x ARCHIVE [DEST [NAME...]]\n"
            "                         extract every entry, or only the named ones (a\n"
            "                         folder's name takes what lies below it), into DEST\n"
            "                         (default: the current folder, made when missing)\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  extract, x --here ARCHIVE...\n"
            "                         extract each archive beside itself: into a new folder\n"
            "                         named after it, or, when it holds one file or one\n"
            "                         folder, that one; never into anything that exists\n"
            "                         (\"name (2)\", ...); prints where each one went\n") +
        gap +
        //: Heading of the options in --help
        QCoreApplication::translate("CliHelp", "Options:\n") +
        //: A block of --help: keep the option's name and the columns
        QCoreApplication::translate(
            "CliHelp", "  --subfolder            extract --here, always into a new folder\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  --notify               extract --here: sum up in a desktop notification too\n"
            "                         (for file-manager actions, which have no terminal)\n") +
        //: A block of --help: keep the option's name, the JSON keys and the columns
        QCoreApplication::translate(
            "CliHelp",
            "  --json                 list: one JSON object per entry (name, size, packed,\n"
            "                         crc32 or blake2sp, encrypted, folder, mtime, ctime and\n"
            "                         atime when stored, attributes, host_os, method,\n"
            "                         dictionary, target and link_target for links)\n"
            "                         info: one JSON object (format, solid, volume, volumes,\n"
            "                         volumes_found, first_volume, recovery_record, locked,\n"
            "                         encrypted_headers, encrypted_entries, comment, entries,\n"
            "                         files, folders, size, packed, ...)\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  --tree                 list: the folder tree instead of the entries, each\n"
            "                         folder with the files, folders and bytes below it\n") +
        QCoreApplication::translate(
            "CliHelp", "  --force                cat: write binary data to a terminal too\n") +
        QCoreApplication::translate(
            "CliHelp",
            "  --no-links             extract: refuse symbolic and hard links (by default\n"
            "                         those that stay inside DEST are made)\n") +
        //: A block of --help: keep the option's name, the words ask, always and never,
        //: and the columns
        QCoreApplication::translate(
            "CliHelp",
            "  --overwrite MODE       extract: ask, always or never replace existing files\n"
            "                         (default: ask on a terminal, never otherwise)\n") +
        QCoreApplication::translate(
            "CliHelp", "  -p PASSWORD            password for encrypted entries or headers\n") +
        QCoreApplication::translate(
            "CliHelp", "  --password-file FILE   read the password from the first line of FILE\n") +
        //: A block of --help: keep the option's name, the examples de and zh_CN, and the columns
        QCoreApplication::translate(
            "CliHelp",
            "  --lang LANG            the language of the texts for people, such as de or\n"
            "                         zh_CN (default: the system's); what scripts read\n"
            "                         (list's lines, --json) stays the same\n") +
        QCoreApplication::translate("CliHelp", "  -h, --help             show this help\n") +
        QCoreApplication::translate("CliHelp", "  -V, --version          show the version\n") +
        gap +
        //: The last paragraph of --help
        QCoreApplication::translate(
            "CliHelp",
            "Exit status: 0 all done, 1 the archive or an entry failed, was refused or\n"
            "skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.\n");
}

} // namespace marrowick::cli
