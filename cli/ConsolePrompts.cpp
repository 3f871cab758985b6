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
        //: %1 is the question, answered No for want of a terminal
        if (m_firstProblem.isEmpty())
            m_firstProblem = tr("%1 No: no terminal to ask on").arg(text);
        //: %1 is the question, answered No for want of a terminal
        m_console.error(tr("%1 No: no terminal to ask on (see --overwrite)").arg(text));
        return false;
    }
    m_console.clearProgress();
    // The English answers are understood in every language, beside the
    // translated ones.
    //: The question on the terminal; %1 is the question, Y and n the answers, Y the default
    const QString question = tr("%1 [Y/n] ").arg(text);
    //: The short answer yes on the terminal (y is understood too)
    const QString y = tr("y").toLower();
    //: The answer yes on the terminal (yes is understood too)
    const QString yes = tr("yes").toLower();
    //: The short answer no on the terminal (n is understood too)
    const QString n = tr("n").toLower();
    //: The answer no on the terminal (no is understood too)
    const QString no = tr("no").toLower();
    for (;;) {
        Ask(question);
        const std::optional<QString> answer = ReadTerminalLine(false);
        if (!answer) {
            Ask(QStringLiteral("\n"));
            m_replaceDeclined = true;
            return false;
        }
        const QString word = answer->trimmed().toLower();
        // Yes is the default button of the window's question. An English
        // answer means what it says even where a translation spells it so.
        const bool englishYes =
            word.isEmpty() || word == QLatin1String("y") || word == QLatin1String("yes");
        const bool englishNo = word == QLatin1String("n") || word == QLatin1String("no");
        if (englishYes || (!englishNo && (word == y || word == yes)))
            return true;
        if (englishNo || word == n || word == no) {
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
            m_firstProblem = tr("the archive needs a password");
        m_console.error(tr("the archive needs a password and there is no terminal to ask on; "
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
