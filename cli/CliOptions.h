#pragma once

#include "engine/modRAR.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace marrowick::cli {

// Exit statuses, as the man page documents them.
enum ExitStatus : int
{
    EXIT_OK = 0,          // every entry listed, passed or written
    EXIT_FAILED = 1,      // the archive or an entry failed, was refused or skipped
    EXIT_USAGE = 2,       // the command line is wrong
    EXIT_NO_LIBRARY = 3,  // the UnRAR library cannot be loaded
    EXIT_CANCELLED = 130, // stopped by Ctrl+C (or SIGTERM, SIGHUP)
};

enum class Command
{
    List,
    Test,
    Extract,
    Info,
    Cat,
    Help,
    Version
};

struct CliOptions
{
    Command command = Command::Help;
    QString archive;
    QStringList archives;                     // extract --here: every archive given
    bool here = false;                        // extract beside each archive
    bool subfolder = false;                   // --here always into a new folder
    bool notify = false;                      // --here: a desktop notification at the end
    QString destination;                      // extract only; empty: current folder
    QStringList names;                        // extract only; empty: every entry
    bool json = false;                        // list and info only
    bool tree = false;                        // list only: the folders, not the entries
    bool noLinks = false;                     // extract only: refuse every link
    QString entry;                            // cat only: the entry written to stdout
    bool force = false;                       // cat only: binary data to a terminal too
    std::optional<OverwritePolicy> overwrite; // unset: ask on a terminal, never otherwise
    std::optional<QString> password;          // -p
    QString passwordFile;                     // --password-file
    QString language;                         // --lang; empty: the system's
};

struct ParsedArguments
{
    CliOptions options;
    QString error; // empty when the arguments are usable
};

// The arguments after the program name. Options may stand before or after the
// command; "--" ends them.
ParsedArguments ParseArguments(const QStringList& arguments);

// The value of --lang among the arguments (the last one given), or empty. Read
// before the arguments are parsed, so that even the parser's errors are in
// that language.
QString LanguageArgument(const QStringList& arguments);

// The first line of a password file, without its line end, or an error text.
struct PasswordRead
{
    QString password;
    QString error;
};
PasswordRead ReadPasswordFile(const QString& path);

QString UsageText();

} // namespace marrowick::cli
