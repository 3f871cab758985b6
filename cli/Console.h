#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <string_view>

namespace marrowick::cli {

// Names and comments come from the archive: a control character in them
// could move the cursor or rewrite the terminal, and a tab or line end would
// break the one-line-per-entry output. They are shown as \xHH (C1 controls
// as \u00HH) instead.
QString EscapeControls(const QString& text);

// The two output streams of the tool. Results go to stdout, one line each;
// errors and the progress line go to stderr. A progress line is wiped before
// anything else is written, so it never mixes with a result on a terminal.
class Console final
{
  public:
    explicit Console(bool progressOnStderr);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Raw UTF-8 bytes for stdout (a line end included by the caller).
    void out(std::string_view bytes);
    void out(const QByteArray& bytes) { out(std::string_view(bytes.constData(), bytes.size())); }
    void outLine(const QString& line);
    // "marrowick-cli: " + text on stderr.
    void error(const QString& text);
    // Text as it is on stderr, with a line end.
    void note(const QString& text);

    // Progress of an extraction or test, rate-limited; nothing when stderr is
    // not a terminal.
    void progress(const QString& entry, std::uint64_t done, std::uint64_t total);
    void clearProgress();

    // True once a write to stdout failed (a reader that went away).
    bool outputBroken() const { return m_outputBroken; }
    void flush();

  private:
    bool m_progressOnStderr;
    bool m_progressShown = false;
    bool m_outputBroken = false;
    std::chrono::steady_clock::time_point m_nextProgress{};
};

} // namespace marrowick::cli
