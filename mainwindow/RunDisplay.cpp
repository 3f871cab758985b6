// How the window shows a run: the rows, the status panels, progress and
// Cancel, and the commands locked while it goes on.
#include "mainwindow/fMain.h"

#include "dialogs/Twips.h"
#include "mainwindow/FileIcons.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/RunNotifier.h"
#include "mainwindow/StatusBarPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace marrowick {

void fMain::buildStatusBar()
{
    m_sbStat = new QStatusBar(this);
    m_sbStat->setObjectName(QStringLiteral("sbStat"));
    m_sbStat->setSizeGripEnabled(true);
    m_sbStat->setFixedHeight(TwipsToPixels(StatusHeightTwips, this));
    setStatusBar(m_sbStat);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new StatusBarPanel(m_sbStat);
        m_panels[i]->setObjectName(QStringLiteral("sbStatPanel%1").arg(i + 1));
    }
    // What a screen reader calls each panel; its text is the panel's value.
    //: The status bar panel that shows whether entries are encrypted.
    m_panels[0]->setAccessibleName(tr("Encryption"));
    //: The status bar panel that says what the window is doing.
    m_panels[1]->setAccessibleName(tr("Activity"));
    //: The status bar panel with the archive's or the run's totals.
    m_panels[2]->setAccessibleName(tr("Totals"));
    m_panels[0]->setProperty("key", QStringLiteral("lock"));
    // The stored bar holds three empty panels; the load handler sets them up.
    m_sbStat->addWidget(m_panels[0]);
    m_sbStat->addWidget(m_panels[1]);
    m_sbStat->addWidget(m_panels[2], 1);
    for (StatusBarPanel* panel : m_panels)
        panel->setFixedWidth(TwipsToPixels(PanelDefaultWidthTwips, this));
    // The encryption indicator is hidden until a run finds an encrypted entry,
    // also when a command-line run comes before the set-up of the controls.
    //: The encryption indicator of the status bar (hidden until needed).
    m_panels[0]->setText(tr("Encrypted"));
    m_panels[0]->hide();
}

void fMain::buildProgress()
{
    // Shown only while a run reports progress: the entry, a bar and Cancel.
    m_progressEntry = new QLabel(m_sbStat);
    m_progressEntry->setObjectName(QStringLiteral("progressEntry"));
    m_progressEntry->setTextFormat(Qt::PlainText);
    m_progressEntry->setMinimumWidth(0);
    m_progress = new QProgressBar(m_sbStat);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Progress of the running operation"));
    m_progress->setFixedWidth(TwipsToPixels(1800, this));
    m_progress->setMaximumHeight(TwipsToPixels(240, this));
    m_cancelAction = new QAction(tr("Cancel"), this);
    m_cancelAction->setObjectName(QStringLiteral("cancelRun"));
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelAction->setShortcutContext(Qt::WindowShortcut);
    m_cancelAction->setToolTip(tr("Stop the running operation (Esc)"));
    m_cancelAction->setEnabled(false);
    addAction(m_cancelAction);
    connect(m_cancelAction, &QAction::triggered, this, &fMain::requestCancel);
    m_cancelButton = new QToolButton(m_sbStat);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setDefaultAction(m_cancelAction);
    m_cancelButton->setAutoRaise(true);
    m_sbStat->addPermanentWidget(m_progressEntry, 1);
    m_sbStat->addPermanentWidget(m_progress);
    m_sbStat->addPermanentWidget(m_cancelButton);
    m_progressEntry->hide();
    m_progress->hide();
    m_cancelButton->hide();
}

void fMain::requestCancel()
{
    if (m_running)
        m_cancelRequested = true;
}

void fMain::ShowIconsForFiles()
{
    std::vector<QIcon> table;
    std::vector<quint16> rowSlots;
    m_icons->assign(m_model->rows(), table, rowSlots);
    m_model->setIcons(std::move(table), std::move(rowSlots));
}

QString fMain::panelText(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[panel - 1]->text() : QString();
}

bool fMain::panelVisible(int panel) const
{
    return panel >= 1 && panel <= 3 && !m_panels[panel - 1]->isHidden();
}

void fMain::showWindow()
{
    if (!isVisible())
        showCentred();
}

void fMain::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void fMain::repaint()
{
    // Nothing to force: the list repaints itself when rows are added or
    // change (the model says so), the panels and the progress bar when they
    // are given something new. Painting the whole list again on every call
    // cost more than half of a long listing's paints, for rows that had not
    // changed.
}

void fMain::setTitle(const QString& title)
{
    setWindowTitle(m_titleTrail + title);
}

void fMain::clearRows()
{
    // Only a listing clears the rows: the folders are indexed again.
    m_listingRun = true;
    m_browser->listingStarted();
    m_model->clear();
    m_lvFiles->horizontalHeader()->setSortIndicatorShown(false);
}

void fMain::entryRefused(const QString& name, const QString& reason)
{
    //: An entry that was not written: %1 its name, %2 why.
    m_refusedInRun << tr("%1: %2").arg(name, reason);
}

int fMain::rowCount() const
{
    return m_model->rowCount();
}

void fMain::appendRows(std::vector<FileRow>&& rows)
{
    m_model->appendRows(std::move(rows));
}

void fMain::setPanelText(int panel, const QString& text)
{
    if (panel == 2)
        m_notifier->statusChanged(text);
    if (panel >= 1 && panel <= 3)
        m_panels[panel - 1]->setText(text);
}

void fMain::setPanelVisible(int panel, bool visible)
{
    if (panel >= 1 && panel <= 3)
        m_panels[panel - 1]->setVisible(visible);
}

void fMain::sandboxIncomplete(const QString& text)
{
    // Beside the panels for a while, the layers in its tooltip; the About
    // window keeps the details.
    auto* notice = new QLabel(tr("Sandbox incomplete"), m_sbStat);
    notice->setObjectName(QStringLiteral("sandboxNotice"));
    notice->setToolTip(text);
    // It shares the room there is and never widens the window.
    notice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_sbStat->addPermanentWidget(notice, 1);
    QTimer::singleShot(20000, notice, &QObject::deleteLater);
}

void fMain::runStarted()
{
    m_running = true;
    m_cancelRequested = false;
    ++m_runsStarted;
    // One operation at a time: a second one started while this one lets
    // events run would work on the same list and counters.
    const QList<QAction*> commands = {m_mnuopen, m_mnuclose, m_mnuextract, m_mnutest};
    m_lockedStates.clear();
    for (QAction* command : commands) {
        m_lockedStates << command->isEnabled();
        command->setEnabled(false);
    }
    syncToolbarButtons();
    m_buttons[0]->setEnabled(false);
    m_cancelAction->setEnabled(true);
    m_notifier->runStarted();
}

void fMain::runFinished()
{
    m_running = false;
    const QList<QAction*> commands = {m_mnuopen, m_mnuclose, m_mnuextract, m_mnutest};
    for (int i = 0; i < commands.size() && i < m_lockedStates.size(); ++i)
        commands[i]->setEnabled(m_lockedStates[i]);
    syncToolbarButtons();
    m_buttons[0]->setEnabled(m_mnuopen->isEnabled());
    m_cancelAction->setEnabled(false);
    m_progressEntry->hide();
    m_progress->hide();
    m_cancelButton->hide();
    m_notifier->runFinished();
    if (m_listingRun) {
        m_listingRun = false;
        QString name = windowTitle();
        name.truncate(name.lastIndexOf(QStringLiteral(" - ")));
        m_browser->listingFinished(name.mid(name.lastIndexOf(QLatin1Char('/')) + 1));
    }
    if (m_closeAfterRun)
        QTimer::singleShot(0, this, &QWidget::close);
}

void fMain::setProgress(const QString& entry, std::uint64_t done, std::uint64_t total)
{
    m_notifier->progress(done, total);
    m_progressEntry->setText(entry);
    m_progress->setValue(total ? static_cast<int>(done * 1000 / total) : 0);
    m_progressEntry->show();
    m_progress->show();
    m_cancelButton->show();
}

} // namespace marrowick
