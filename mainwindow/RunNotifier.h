#pragma once

#include "engine/UserPrompts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>

namespace marrowick {

class fMain;

// The desktop's side of a long extraction or test. When one that took longer
// than about ten seconds ends while the window is not the active one, a
// desktop notification tells how (the freedesktop notification service over
// D-Bus; nothing when none runs). The result is the first error or
// information box of the run's end, or its "Success". While a run goes on,
// the taskbar entry shows its progress where the desktop listens for the
// launcher-entry signal (com.canonical.Unity.LauncherEntry).
//
// It stands between the window and whoever answers its questions, so it sees
// the boxes come before they block.
class RunNotifier final : public QObject, public IUserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(RunNotifier)

public:
    using Sender = std::function<void(const QString& summary, const QString& body)>;

    RunNotifier(fMain& window, IUserPrompts& prompts);

    // How runs tell it what they do (from the window's IArchiveView calls).
    void runStarted();
    void statusChanged(const QString& text); // status panel 2
    void progress(std::uint64_t done, std::uint64_t total);
    void runFinished();

    // Tests: where notifications go, and from how long a run counts.
    void setSender(Sender sender) { m_send = std::move(sender); }
    void setLongRun(std::chrono::milliseconds length) { m_longRun = length; }

    void showErrorBox(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    void showInformation(const QString& text, const QString& title) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
    void showComment(const QString& text) override;

private:
    enum class Kind { None, Extract, Test };
    void notifyResult(const QString& text);
    void sendLauncherProgress(double fraction, bool visible);

    fMain& m_window;
    IUserPrompts& m_prompts;
    Sender m_send;
    std::chrono::milliseconds m_longRun{10000};
    QElapsedTimer m_clock;
    Kind m_kind = Kind::None;
    bool m_notified = false;
    int m_shownPermille = -1;
};

} // namespace marrowick
