// The menu and toolbar commands: open, close, extract, test, help, about,
// and the runs they start.
#include "mainwindow/fMain.h"

#include "dialogs/ModBrowse.h"
#include "dialogs/cFileDialog.h"
#include "dialogs/frmAbout.h"
#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/Paths.h"
#include "engine/modRAR.h"
#include "help/LaunchHelp.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/RecentArchives.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/modMain.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>

#include <iterator>

namespace marrowick {

namespace {

const QString ProductName = QStringLiteral("Marrowick");

} // namespace

void fMain::CloseArc()
{
    m_browser->listingStarted();
    m_model->clear();
    m_lvFiles->horizontalHeader()->setSortIndicatorShown(false);
    // What was opened from the archive goes with it.
    releasePrivateFolder();
    //: The activity after Close; it ends in a blank.
    m_panels[1]->setText(tr("Ready "));
    m_panels[2]->setText(QString());
    m_panels[0]->hide();
    m_mnuclose->setEnabled(false);
    m_mnuextract->setEnabled(false);
    m_mnutest->setEnabled(true);
    syncToolbarButtons();
    m_titleTrail.clear();
    setWindowTitle(ProductName);
}

void fMain::mnuopen_Click()
{
    m_panels[1]->setText(tr("Ready"));
    m_panels[0]->hide();
    OpenArchive(*this);
}

void fMain::mnuclose_Click()
{
    CloseArc();
}

void fMain::mnuexit_Click()
{
    close();
}

QString fMain::chooseExtractFolder()
{
    QString start;
    if (!m_currentArchive.isEmpty())
        start = m_currentArchive.left(m_currentArchive.lastIndexOf(QLatin1Char('/')) + 1);
    return BrowseForFolder(start, this, tr("Extract Archive to ..."));
}

void fMain::mnuextract_Click()
{
    const QString folder = chooseExtractFolder();
    if (folder.isEmpty())
        return;
    ExtractRAR(AddBackslash(folder));
}

void fMain::sortByHeader(int column)
{
    if (m_running)
        return;
    // The first click sorts ascending, the next on the same column descending.
    m_sortOrder = m_model->sortColumn() == column && m_sortOrder == Qt::AscendingOrder
                      ? Qt::DescendingOrder
                      : Qt::AscendingOrder;
    m_model->sort(column, m_sortOrder);
    QHeaderView* header = m_lvFiles->horizontalHeader();
    header->setSortIndicator(column, m_sortOrder);
    header->setSortIndicatorShown(true);
    m_lvFiles->scrollTo(m_lvFiles->currentIndex());
}

void fMain::buildSortMenu()
{
    // The keyboard's way to what a click on a column's header does (again:
    // the other way round).
    static const char* const columns[] = {
        //: View > Sort By's items: the list's columns.
        QT_TR_NOOP("&Name"),     QT_TR_NOOP("&Size"),       QT_TR_NOOP("&Packed"),
        QT_TR_NOOP("&Ratio"),    QT_TR_NOOP("&CRC32"),      QT_TR_NOOP("&Modified"),
        QT_TR_NOOP("&Attributes"), QT_TR_NOOP("M&ethod"),   QT_TR_NOOP("Encr&ypted")};
    static_assert(std::size(columns) == FileListModel::ColumnCount);
    QMenu* sort = m_mnuview->addMenu(tr("&Sort By"));
    sort->setObjectName(QStringLiteral("mnusort"));
    for (int c = 0; c < FileListModel::ColumnCount; ++c) {
        QAction* action = sort->addAction(tr(columns[c]));
        action->setObjectName(QStringLiteral("mnusort%1").arg(c));
        connect(action, &QAction::triggered, this, [this, c] { sortByHeader(c); });
    }
    // The columns shown only.
    connect(sort, &QMenu::aboutToShow, this, [this, sort] {
        const QList<QAction*> items = sort->actions();
        for (int c = 0; c < items.size(); ++c)
            items[c]->setVisible(!m_lvFiles->horizontalHeader()->isSectionHidden(c));
    });

    // The optional columns, shown or hidden: the same menu opens on the
    // header's right click.
    //: View > Columns: which of the optional columns the list shows.
    m_mnucolumns = m_mnuview->addMenu(tr("&Columns"));
    m_mnucolumns->setObjectName(QStringLiteral("mnucolumns"));
    for (int c = FileListModel::FirstOptional; c < FileListModel::ColumnCount; ++c) {
        QAction* column = m_mnucolumns->addAction(tr(columns[c]));
        column->setObjectName(QStringLiteral("mnucolumn%1").arg(c));
        column->setCheckable(true);
        column->setData(c);
        connect(column, &QAction::toggled, this, [this, c](bool on) {
            QHeaderView* header = m_lvFiles->horizontalHeader();
            header->setSectionHidden(c, !on);
            if (on && header->sectionSize(c) < 40)
                header->resizeSection(c, header->defaultSectionSize());
        });
    }
    connect(m_mnucolumns, &QMenu::aboutToShow, this, [this] {
        const QHeaderView* header = m_lvFiles->horizontalHeader();
        for (QAction* column : m_mnucolumns->actions()) {
            const QSignalBlocker quiet(column);
            column->setChecked(!header->isSectionHidden(column->data().toInt()));
        }
    });
}

void fMain::ExtractRAR(const QString& sPath)
{
    m_extractFolder = sPath;
    QString password;
    runArchiveReported(OP_EXTRACT, m_archivePath, password);
}

void fMain::mnutest_Click()
{
    m_fileDialog->setFileName(QString());
    OpenArchive(*this);
    if (m_currentArchive.isEmpty())
        return;
    m_panels[0]->hide();
    QString password;
    runArchiveReported(OP_TEST, m_archivePath, password);
}

void fMain::mnuhelp_Click()
{
    try {
        LaunchHelp(this);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
    }
}

void fMain::mnuabout_Click()
{
    ShowAbout(this);
}

void fMain::showComponentError(std::int32_t number, const QString& description)
{
    ShowErrorBox(*m_prompts, ErrorNumberText(number, description));
}

bool fMain::extractLinks() const
{
    return m_extractLinks->isChecked();
}

RunOutcome fMain::runArchive(std::int32_t mode, const QString& path, QString& password)
{
    RunContext context{*this, *m_prompts, m_api, m_extractFolder};
    context.links = extractLinks();
    const RunOutcome outcome = ProcessArchive(mode, path, password, context);
    if (mode == OP_LIST && outcome.opened)
        m_recent->add(path);
    if (outcome.opened)
        m_listing = outcome;
    return outcome;
}

RunOutcome fMain::runArchiveReported(std::int32_t mode, const QString& path, QString& password)
{
    try {
        return runArchive(mode, path, password);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
    }
    return {};
}

void fMain::enterArchiveOpenState(const QString& fileName, const QString& volumeSet)
{
    // Files opened from another archive go when this one takes its place.
    if (fileName != m_archivePath)
        releasePrivateFolder();
    if (fileName != m_nestedFile)
        m_titleTrail.clear();
    setWindowTitle(m_titleTrail + (volumeSet.isEmpty() ? fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1)
                                        : volumeSet) +
                   QStringLiteral(" - ") + ProductName);
    m_mnuextract->setEnabled(true);
    m_mnutest->setEnabled(true);
    m_mnuclose->setEnabled(true);
    syncToolbarButtons();
}

void fMain::tbMenu_ButtonClick(int index)
{
    switch (index) {
    case 1:
        m_mnuopen->trigger();
        break;
    case 4:
        m_mnuextract->trigger();
        break;
    case 5:
        m_mnutest->trigger();
        break;
    default:
        break;
    }
}

void fMain::syncToolbarButtons()
{
    m_buttons[3]->setEnabled(m_mnuextract->isEnabled());
    m_buttons[4]->setEnabled(m_mnutest->isEnabled());
}

} // namespace marrowick
