#include "cli/ConsolePrompts.h"

#include "cli/Console.h"
#include "cli/Terminal.h"

#include <QStringList>

#include <cstdio>

namespace marrowick::cli {

namespace {

void Ask(const QString& question)
{
    std::fflush(stdout);
    const QByteArray bytes = question.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

ConsolePrompts::ConsolePrompts(Console& console, bool interactive)
    : m_console(console), m_interactive(interactive)
{
}

void ConsolePrompts::showErrorBox(const QString& text)
{
    ++m_errors;
    if (m_firstProblem.isEmpty())
        m_firstProblem = text;
    // One stderr line per line of the text (a report of refused entries has
    // one per entry); control characters inside a line stay escaped.
    for (const QString& line : text.split(QLatin1Char('\n')))
        m_console.error(EscapeControls(line));
}

bool ConsolePrompts::askYesNo(const QString& text, const QString& title)
{
    (void)title;
    if (!m_interactive) {
        m_replaceDeclined = true;
        if (m_firstProblem.isEmpty())
            m_firstProblem = text + QStringLiteral(" No: no terminal to ask on");
        m_console.error(text + QStringLiteral(" No: no terminal to ask on (see --overwrite)"));
        return false;
    }
    m_console.clearProgress();
    for (;;) {
        Ask(text + QStringLiteral(" [Y/n] "));
        const std::optional<QString> answer = ReadTerminalLine(false);
        if (!answer) {
            Ask(QStringLiteral("\n"));
            m_replaceDeclined = true;
            return false;
        }
        const QString word = answer->trimmed().toLower();
        // Yes is the default button of the window's question.
        if (word.isEmpty() || word == QLatin1String("y") || word == QLatin1String("yes"))
            return true;
        if (word == QLatin1String("n") || word == QLatin1String("no")) {
            m_replaceDeclined = true;
            return false;
        }
    }
}

void ConsolePrompts::showInformation(const QString& text, const QString& title)
{
    (void)title;
    m_console.outLine(text);
}

std::optional<QString> ConsolePrompts::askPassword(const QString& prompt, const QString& title)
{
    (void)title;
    if (!m_interactive) {
        m_passwordMissing = true;
        if (m_firstProblem.isEmpty())
            m_firstProblem = QStringLiteral("the archive needs a password");
        m_console.error(
            QStringLiteral("the archive needs a password and there is no terminal to ask on; "
                           "give it with -p or --password-file"));
        return std::nullopt;
    }
    m_console.clearProgress();
    Ask(prompt + QLatin1Char(' '));
    std::optional<QString> typed = ReadTerminalLine(true);
    if (!typed || typed->isEmpty()) {
        m_passwordMissing = true;
        return std::nullopt;
    }
    return typed;
}

void ConsolePrompts::showComment(const QString& text)
{
    // Kept off stdout, which holds one line per entry and nothing else.
    QString shown;
    for (const QString& line : text.split(QLatin1Char('\n')))
        shown += EscapeControls(line) + QLatin1Char('\n');
    shown.chop(1);
    m_console.note(shown);
}

} // namespace marrowick::cli
