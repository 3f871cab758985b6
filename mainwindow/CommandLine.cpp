#include "mainwindow/CommandLine.h"

#include <QCoreApplication>

namespace marrowick {

namespace {

// The modes of ProcessArchive, kept in step with the engine's OP_ values.
constexpr std::int32_t ModeExtract = 0;
constexpr std::int32_t ModeTest = 1;
constexpr std::int32_t ModeList = 2;

} // namespace

QString JoinArguments(const QStringList& args)
{
    return args.join(u' ');
}

ParsedCommandLine SplitCommandLine(const QString& line)
{
    ParsedCommandLine parsed;
    if (line.isEmpty())
        return parsed;
    parsed.isEmpty = false;

    // Anything after a third "=" is dropped, so a password holding "=" is cut.
    QStringList elements = line.split(u'=');
    elements.resize(3);
    parsed.elements = elements;
    parsed.archivePath = elements.at(1);
    parsed.password = elements.at(2);

    if (elements.at(0).isEmpty() || elements.at(1).isEmpty())
        parsed.messages << QCoreApplication::translate("CommandLine", "Missing argument(s)!");

    const QString letter = elements.at(0).toUpper();
    if (letter == u"X")
        parsed.mode = ModeExtract;
    else if (letter == u"T")
        parsed.mode = ModeTest;
    else if (letter == u"L")
        parsed.mode = ModeList;
    else
        parsed.messages << QCoreApplication::translate("CommandLine", "Invalid Argument(s)!");
    return parsed;
}

} // namespace marrowick
