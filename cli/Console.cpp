#include "cli/Console.h"

#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace marrowick::cli {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

int TerminalColumns()
{
    struct winsize size = {};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

QString EscapeControls(const QString& text)
{
    QString escaped;
    bool clean = true;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0)) {
            clean = false;
            break;
        }
    }
    if (clean)
        return text;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f)
            escaped += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (u >= 0x80 && u < 0xa0)
            escaped += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

Console::Console(bool progressOnStderr) : m_progressOnStderr(progressOnStderr) {}

Console::~Console()
{
    clearProgress();
    flush();
}

void Console::out(std::string_view bytes)
{
    clearProgress();
    if (m_outputBroken)
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        m_outputBroken = true;
}

void Console::outLine(const QString& line)
{
    out((line + QLatin1Char('\n')).toUtf8());
}

void Console::error(const QString& text)
{
    note(QStringLiteral("marrowick-cli: ") + text);
}

void Console::note(const QString& text)
{
    clearProgress();
    // Results first: on a shared terminal the error follows the lines it is about.
    std::fflush(stdout);
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void Console::progress(const QString& entry, std::uint64_t done, std::uint64_t total)
{
    if (!m_progressOnStderr)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now < m_nextProgress)
        return;
    m_nextProgress = now + kProgressInterval;
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 0;
    QString line = QStringLiteral("%1% ").arg(qMin(percent, 100), 3) + EscapeControls(entry);
    const int width = TerminalColumns() - 1;
    if (line.size() > width && width > 8)
        line = line.left(5) + QStringLiteral("...") + line.right(width - 8);
    std::fflush(stdout);
    const QByteArray bytes = (QStringLiteral("\r\x1b[K") + line).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
    m_progressShown = true;
}

void Console::clearProgress()
{
    if (!m_progressShown)
        return;
    m_progressShown = false;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
}

void Console::flush()
{
    if (std::fflush(stdout) != 0)
        m_outputBroken = true;
}

} // namespace marrowick::cli
