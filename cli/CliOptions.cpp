#include "cli/CliOptions.h"

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

} // namespace

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
                return fail(QStringLiteral("--overwrite needs ask, always or never"));
            options.overwrite = PolicyNamed(word);
            if (!options.overwrite)
                return fail(
                    QStringLiteral("--overwrite needs ask, always or never, not '%1'").arg(word));
        } else if (name == QLatin1String("-p") || name == QLatin1String("--password")) {
            QString word;
            if (!value(word))
                return fail(QStringLiteral("%1 needs a password").arg(name));
            options.password = word;
        } else if (name == QLatin1String("--password-file")) {
            if (!value(options.passwordFile) || options.passwordFile.isEmpty())
                return fail(QStringLiteral("--password-file needs a file name"));
        } else {
            return fail(QStringLiteral("unknown option '%1'").arg(argument));
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
            return fail(QStringLiteral("--notify is for extract --here only"));
        if (options.json && options.command != Command::List && options.command != Command::Info)
            return fail(QStringLiteral("--json is for list and info only"));
        if (options.tree && options.command != Command::List)
            return fail(QStringLiteral("--tree is for list only"));
        if (options.tree && options.json)
            return fail(QStringLiteral("give --json or --tree, not both"));
        if (options.noLinks && options.command != Command::Extract)
            return fail(QStringLiteral("--no-links is for extract only"));
        if (options.force && options.command != Command::Cat)
            return fail(QStringLiteral("--force is for cat only"));
        if (options.overwrite && options.command != Command::Extract)
            return fail(QStringLiteral("--overwrite is for extract only"));
        if (options.password && !options.passwordFile.isEmpty())
            return fail(QStringLiteral("give -p or --password-file, not both"));
        return parsed;
    };
    if (positional.isEmpty())
        return fail(QStringLiteral("no command given"));
    const std::optional<Command> command = CommandNamed(positional.first());
    if (!command)
        return fail(QStringLiteral("unknown command '%1'").arg(positional.first()));
    options.command = *command;
    if (positional.size() < 2 || positional[1].isEmpty())
        return fail(QStringLiteral("no archive given"));
    options.archive = positional[1];
    if (options.here) {
        if (options.command != Command::Extract)
            return fail(QStringLiteral("--here is for extract only"));
        options.archives = positional.mid(1);
        for (const QString& archive : std::as_const(options.archives))
            if (archive.isEmpty())
                return fail(QStringLiteral("an archive name is empty"));
        return checkCombinations();
    }
    if (options.command == Command::Cat) {
        if (positional.size() < 3 || positional[2].isEmpty())
            return fail(QStringLiteral("no entry name given"));
        if (positional.size() > 3)
            return fail(QStringLiteral("unexpected argument '%1'").arg(positional[3]));
        options.entry = positional[2];
        return checkCombinations();
    }
    if (options.command != Command::Extract && positional.size() > 2)
        return fail(QStringLiteral("unexpected argument '%1'").arg(positional[2]));
    if (positional.size() >= 3)
        options.destination = positional[2];
    // Extract: the entries to extract, by their names in the archive.
    options.names = positional.mid(3);
    for (const QString& name : std::as_const(options.names))
        if (name.isEmpty())
            return fail(QStringLiteral("an entry name is empty"));

    return checkCombinations();
}

PasswordRead ReadPasswordFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {
            QString(),
            QStringLiteral("cannot read the password file %1: %2").arg(path, file.errorString())};
    QByteArray line = file.readLine(64 * 1024);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return {QString(), QStringLiteral("the password file %1 is empty").arg(path)};
    return {QString::fromUtf8(line), QString()};
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]\n"
        "\n"
        "Commands:\n"
        "  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32\n"
        "                         (tab-separated; a link's name is followed by\n"
        "                         \" -> TARGET\"), then the totals line\n"
        "  test, t ARCHIVE        test every entry; one line per entry\n"
        "  info, i ARCHIVE        the archive's properties, one \"label: value\" per\n"
        "                         line: format, solid, volumes, recovery record, lock,\n"
        "                         encryption, comment, and the totals of its entries\n"
        "  cat ARCHIVE NAME       write the entry's data to standard output as it is\n"
        "                         read, nothing written to disk; binary data (a NUL\n"
        "                         byte or invalid UTF-8 at its start) is not written to\n"
        "                         a terminal without --force\n"
        "  extract, x ARCHIVE [DEST [NAME...]]\n"
        "                         extract every entry, or only the named ones (a\n"
        "                         folder's name takes what lies below it), into DEST\n"
        "                         (default: the current folder, made when missing)\n"
        "  extract, x --here ARCHIVE...\n"
        "                         extract each archive beside itself: into a new folder\n"
        "                         named after it, or, when it holds one file or one\n"
        "                         folder, that one; never into anything that exists\n"
        "                         (\"name (2)\", ...); prints where each one went\n"
        "\n"
        "Options:\n"
        "  --subfolder            extract --here, always into a new folder\n"
        "  --notify               extract --here: sum up in a desktop notification too\n"
        "                         (for file-manager actions, which have no terminal)\n"
        "  --json                 list: one JSON object per entry (name, size, packed,\n"
        "                         crc32 or blake2sp, encrypted, folder, mtime, ctime and\n"
        "                         atime when stored, attributes, host_os, method,\n"
        "                         dictionary, target and link_target for links)\n"
        "                         info: one JSON object (format, solid, volume, volumes,\n"
        "                         volumes_found, first_volume, recovery_record, locked,\n"
        "                         encrypted_headers, encrypted_entries, comment, entries,\n"
        "                         files, folders, size, packed, ...)\n"
        "  --tree                 list: the folder tree instead of the entries, each\n"
        "                         folder with the files, folders and bytes below it\n"
        "  --force                cat: write binary data to a terminal too\n"
        "  --no-links             extract: refuse symbolic and hard links (by default\n"
        "                         those that stay inside DEST are made)\n"
        "  --overwrite MODE       extract: ask, always or never replace existing files\n"
        "                         (default: ask on a terminal, never otherwise)\n"
        "  -p PASSWORD            password for encrypted entries or headers\n"
        "  --password-file FILE   read the password from the first line of FILE\n"
        "  -h, --help             show this help\n"
        "  -V, --version          show the version\n"
        "\n"
        "Exit status: 0 all done, 1 the archive or an entry failed, was refused or\n"
        "skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.\n");
}

} // namespace marrowick::cli
