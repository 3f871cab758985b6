#include "mainwindow/RecentArchives.h"

#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/modRAR.h"
#include "mainwindow/fMain.h"
#include "mainwindow/modMain.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace marrowick {

namespace {

const QString SettingsKey = QStringLiteral("recent/archives");

QSettings Settings()
{
    return QSettings(QStringLiteral("Marrowick"), QStringLiteral("Marrowick"));
}

// A long path keeps its start and its file name.
QString Shown(const QString& path)
{
    constexpr qsizetype MaxShown = 70;
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= MaxShown)
        return native;
    return native.left(MaxShown / 2 - 2) + QStringLiteral("...") + native.right(MaxShown / 2 - 1);
}

} // namespace

RecentArchives::RecentArchives(QWidget* parent)
    : QObject(parent), m_menu(new QMenu(tr("Open &Recent"), parent))
{
    m_menu->setObjectName(QStringLiteral("mnurecent"));
    m_archives = Settings().value(SettingsKey).toStringList().mid(0, MaxArchives);
    // Built when opened: an archive moved away since shows greyed out.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentArchives::rebuild);
    rebuild();
}

void RecentArchives::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_archives.removeAll(absolute);
    m_archives.prepend(absolute);
    m_archives = m_archives.mid(0, MaxArchives);
    save();
    rebuild();
}

void RecentArchives::clear()
{
    m_archives.clear();
    save();
    rebuild();
}

void RecentArchives::rebuild()
{
    m_menu->clear();
    for (qsizetype i = 0; i < m_archives.size(); ++i) {
        const QString path = m_archives[i];
        // &1 to &9, then 1&0.
        const QString number = i < 9    ? QStringLiteral("&%1 ").arg(i + 1)
                               : i == 9 ? QStringLiteral("1&0 ")
                                        : QStringLiteral("%1 ").arg(i + 1);
        QAction* action = m_menu->addAction(number + Shown(path));
        action->setObjectName(QStringLiteral("mnurecent%1").arg(i + 1));
        action->setToolTip(path);
        action->setEnabled(QFileInfo(path).isFile());
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->addSeparator();
    QAction* clearList = m_menu->addAction(tr("&Clear List"));
    clearList->setObjectName(QStringLiteral("mnurecentclear"));
    clearList->setEnabled(!m_archives.isEmpty());
    connect(clearList, &QAction::triggered, this, &RecentArchives::clear);
}

void RecentArchives::save() const
{
    QSettings settings = Settings();
    settings.setValue(SettingsKey, m_archives);
}

void OpenRecentArchive(fMain& window, const QString& path)
{
    if (window.isRunning())
        return;
    try {
        ListAndOpen(window, path);
    } catch (const ComponentError& error) {
        ShowErrorBox(window.prompts(), ErrorNumberText(error.number(), error.description()));
    }
}

} // namespace marrowick
