// Properties: of the open archive (File > Properties, the status bar's button,
// Alt+Enter with no row selected) and of the selected entries (the row menu,
// Alt+Enter).
#include "mainwindow/fMain.h"

#include "dialogs/PropertiesDialog.h"
#include "engine/ArchiveProperties.h"
#include "engine/EntryProperties.h"
#include "mainwindow/FileListModel.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

namespace marrowick {

void fMain::buildProperties()
{
    // Shown with its key; the key itself is one shortcut that picks the
    // entries or the archive by the selection.
    //: A menu item; the key after the tab is shown beside it.
    m_mnuproperties = makeAction("mnuproperties", tr("&Properties\tAlt+Enter"), QKeySequence());
    m_mnufile->insertAction(m_mnufile->findChild<QAction*>(QStringLiteral("mnusep1")), m_mnuproperties);
    m_mnuproperties->setEnabled(false);
    connect(m_mnuclose, &QAction::enabledChanged, m_mnuproperties, &QAction::setEnabled);
    connect(m_mnuproperties, &QAction::triggered, this, &fMain::showArchiveProperties);

    auto* entryProperties = makeAction("mnuentryproperties", tr("&Properties\tAlt+Enter"), QKeySequence());
    m_rowMenu->addSeparator();
    m_rowMenu->addAction(entryProperties);
    connect(entryProperties, &QAction::triggered, this, &fMain::showEntryProperties);

    for (const QKeySequence& key : {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &fMain::showProperties);
    }

    // Beside the totals: the archive's properties one click away.
    auto* button = new QToolButton(m_sbStat);
    button->setObjectName(QStringLiteral("sbProperties"));
    button->setAutoRaise(true);
    button->setText(tr("Properties"));
    button->setToolTip(tr("Properties of the archive (Alt+Enter)"));
    button->setEnabled(false);
    m_sbStat->addPermanentWidget(button);
    connect(m_mnuproperties, &QAction::enabledChanged, button, &QToolButton::setEnabled);
    connect(button, &QToolButton::clicked, this, &fMain::showArchiveProperties);
}

void fMain::showArchiveProperties()
{
    // Only while an archive is open (Close turns the command off with it).
    if (m_running || m_archivePath.isEmpty() || !m_mnuproperties->isEnabled())
        return;
    ListingTotals totals;
    for (const FileRow& row : m_model->rows())
        totals.add(row);
    const ArchiveProperties properties = ReadArchiveProperties(
        m_archivePath, m_listing.openFlags, m_listing.comment, totals);
    //: A properties window's title: %1 the archive's or entry's name.
    auto* dialog = new PropertiesDialog(tr("%1 - Properties").arg(QFileInfo(m_archivePath).fileName()),
                                        ArchivePropertyLines(properties), this);
    dialog->setComment(properties.comment);
    dialog->show();
}

void fMain::showEntryProperties()
{
    if (m_running || m_archivePath.isEmpty())
        return;
    QModelIndexList selected = m_lvFiles->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    PropertyLines lines;
    QString title;
    if (selected.size() == 1) {
        const FileRow& row = m_model->row(selected.first().row());
        lines = EntryPropertyLines(row);
        title = row.name.mid(row.name.lastIndexOf(QLatin1Char('/')) + 1);
    } else {
        ListingTotals totals;
        for (const QModelIndex& index : selected)
            totals.add(m_model->row(index.row()));
        lines = TotalsLines(totals);
        title = tr("%n entries", nullptr, int(selected.size()));
    }
    auto* dialog = new PropertiesDialog(tr("%1 - Properties").arg(title), lines, this);
    dialog->show();
}

void fMain::showProperties()
{
    if (m_lvFiles->selectionModel()->hasSelection())
        showEntryProperties();
    else
        showArchiveProperties();
}

} // namespace marrowick
