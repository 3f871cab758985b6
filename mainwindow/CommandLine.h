#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace marrowick {

// What the start-up command line asks for. The main window shows the
// messages in order, then runs the mode (if any) on archivePath.
struct ParsedCommandLine
{
    // No arguments at all: the window starts in its no-archive state and
    // nothing below applies.
    bool isEmpty = true;
    // The line cut at "=", filled or cut to exactly three elements: mode
    // letter, archive path, password.
    QStringList elements;
    // "Missing argument(s)!" and/or "Invalid Argument(s)!", in that order.
    QStringList messages;
    // OP_EXTRACT (0), OP_TEST (1) or OP_LIST (2); none when the letter is
    // not X, T or L.
    std::optional<std::int32_t> mode;
    QString archivePath;
    QString password;
};

// The program's arguments as one text, joined by single blanks exactly as
// received: "=" is the only separator the command line knows.
QString JoinArguments(const QStringList& args);

ParsedCommandLine SplitCommandLine(const QString& line);

} // namespace marrowick
