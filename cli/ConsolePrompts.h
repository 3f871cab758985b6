#pragma once

#include "engine/UserPrompts.h"

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace marrowick::cli {

class Console;

// The user's side of a run on a terminal. Error boxes become lines on stderr
// with the window's texts; questions are asked on the terminal, and without
// one they are answered "no" with a note saying what to pass instead.
class ConsolePrompts final : public IUserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(ConsolePrompts)

  public:
    ConsolePrompts(Console& console, bool interactive);

    void showErrorBox(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    void showInformation(const QString& text, const QString& title) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
    void showComment(const QString& text) override;

    int errorsShown() const { return m_errors; }
    // A password was needed and none could be had.
    bool passwordMissing() const { return m_passwordMissing; }
    // The user kept existing files (No to "File(s) Exist, Replace ?").
    bool replaceDeclined() const { return m_replaceDeclined; }
    // The first error or refusal since the last call, and forgets it.
    QString takeFirstProblem() { return std::exchange(m_firstProblem, QString()); }

  private:
    Console& m_console;
    bool m_interactive;
    int m_errors = 0;
    bool m_passwordMissing = false;
    bool m_replaceDeclined = false;
    QString m_firstProblem;
};

} // namespace marrowick::cli
