#include "mainwindow/RunNotifier.h"

#include "desktop/DesktopNotification.h"
#include "engine/RunStatus.h"
#include "mainwindow/fMain.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QVariantMap>

namespace marrowick {

namespace {

const QString AppId = QStringLiteral("org.example.marrowick");

} // namespace

RunNotifier::RunNotifier(fMain& window, IUserPrompts& prompts)
    : QObject(&window), m_window(window), m_prompts(prompts),
      m_send([](const QString& summary, const QString& body) {
          SendDesktopNotification(summary, body);
      })
{
}

void RunNotifier::runStarted()
{
    m_clock.start();
    m_kind = Kind::None;
    m_notified = false;
    m_shownPermille = -1;
}

void RunNotifier::statusChanged(const QString& text)
{
    // An extraction or a test says so when its walk begins.
    if (text == ExtractingText())
        m_kind = Kind::Extract;
    else if (text == TestingText())
        m_kind = Kind::Test;
}

void RunNotifier::progress(std::uint64_t done, std::uint64_t total)
{
    const int permille = total ? static_cast<int>(done * 1000 / total) : 0;
    if (permille / 10 != m_shownPermille / 10 || m_shownPermille < 0) {
        m_shownPermille = permille;
        sendLauncherProgress(permille / 1000.0, true);
    }
}

void RunNotifier::runFinished()
{
    if (m_shownPermille >= 0)
        sendLauncherProgress(0, false);
    // A cancel, or a run that said nothing at its end, tells nothing.
    if (const QString success = SuccessText(); m_window.panelText(2) == success)
        notifyResult(success);
    m_kind = Kind::None;
}

void RunNotifier::notifyResult(const QString& text)
{
    if (m_kind == Kind::None || m_notified || !m_clock.isValid() ||
        std::chrono::milliseconds(m_clock.elapsed()) < m_longRun || m_window.isActiveWindow())
        return;
    m_notified = true;
    const QString name = QFileInfo(m_window.ArchivePath()).fileName();
    //: A desktop notification's summary: %1 the archive's name.
    m_send(m_kind == Kind::Test ? tr("Test of %1 finished").arg(name)
                                : tr("Extraction of %1 finished").arg(name),
           text);
}

void RunNotifier::sendLauncherProgress(double fraction, bool visible)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update =
        QDBusMessage::createSignal(QStringLiteral("/org/example/marrowick/launcher"),
                                   QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                   QStringLiteral("Update"));
    update << QStringLiteral("application://%1.desktop").arg(AppId)
           << QVariantMap{{QStringLiteral("progress"), fraction},
                          {QStringLiteral("progress-visible"), visible}};
    bus.send(update);
}

void RunNotifier::showErrorBox(const QString& text)
{
    notifyResult(text);
    m_prompts.showErrorBox(text);
}

bool RunNotifier::askYesNo(const QString& text, const QString& title)
{
    return m_prompts.askYesNo(text, title);
}

void RunNotifier::showInformation(const QString& text, const QString& title)
{
    notifyResult(text);
    m_prompts.showInformation(text, title);
}

std::optional<QString> RunNotifier::askPassword(const QString& prompt, const QString& title)
{
    return m_prompts.askPassword(prompt, title);
}

void RunNotifier::showComment(const QString& text)
{
    m_prompts.showComment(text);
}

} // namespace marrowick
