// The list as a folder browser: the folder pane and the bar above the list,
// their keys, the optional columns, and what the window remembers.
#include "mainwindow/fMain.h"

#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

namespace marrowick {

void fMain::buildBrowsing(QWidget* client)
{
    m_browse = new QSplitter(Qt::Horizontal, client);
    m_browse->setObjectName(QStringLiteral("browseSplitter"));
    m_browse->setChildrenCollapsible(false);
    m_browser = new FolderBrowser(*m_model, *m_lvFiles, this,
                                  [this](const QString& text) { setPanelText(2, text); });
    auto* side = new QWidget(m_browse);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_browser->bar());
    column->addWidget(m_lvFiles, 1);
    m_browse->addWidget(m_browser->pane());
    m_browse->addWidget(side);
    m_browse->setStretchFactor(1, 1);
    m_browse->setSizes({160, 500});

    // Keys of the browser. Backspace belongs to the list: in a text field it
    // deletes.
    const auto key = [this](const char* name, const QKeySequence& sequence, auto slot,
                            QWidget* owner = nullptr) {
        QAction* action = makeAction(name, QString::fromLatin1(name), sequence);
        if (owner) {
            action->setShortcutContext(Qt::WidgetShortcut);
            owner->addAction(action);
        } else {
            addAction(action);
        }
        connect(action, &QAction::triggered, m_browser, slot);
    };
    key("goUp", QKeySequence(Qt::Key_Backspace), &FolderBrowser::up, m_lvFiles);
    key("goUpAlt", QKeySequence(Qt::ALT | Qt::Key_Up), &FolderBrowser::up);
    key("goBack", QKeySequence(Qt::ALT | Qt::Key_Left), &FolderBrowser::back);
    key("goForward", QKeySequence(Qt::ALT | Qt::Key_Right), &FolderBrowser::forward);
    QAction* find = makeAction("findInList", tr("Filter"), QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_browser->filter()->setFocus(Qt::ShortcutFocusReason);
        m_browser->filter()->selectAll();
    });

    //: The name a screen reader gives the list of the archive's entries
    m_lvFiles->setAccessibleName(tr("Files"));
    m_lvFiles->setAccessibleDescription(tr("The archive's entries, one row each"));
    m_lvFiles->installEventFilter(this);
    QHeaderView* header = m_lvFiles->horizontalHeader();
    //: The name a screen reader gives the list's row of column titles
    header->setAccessibleName(tr("Columns"));
    for (int c = FileListModel::FirstOptional; c < FileListModel::ColumnCount; ++c)
        header->setSectionHidden(c, true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &fMain::showHeaderMenu);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!m_sizingColumns && m_lvFiles->isVisible())
            m_columnsByUser = true;
    });
}

void fMain::buildViewMenu()
{
    m_mnuview = menuBar()->addMenu(tr("&View"));
    m_mnuview->setObjectName(QStringLiteral("mnuview"));
    m_mnufolders = makeAction("mnufolders", tr("&Folders"), QKeySequence(Qt::Key_F7));
    m_mnufolders->setCheckable(true);
    m_mnufolders->setChecked(true);
    m_mnuview->addAction(m_mnufolders);
    connect(m_mnufolders, &QAction::toggled, this,
            [this](bool on) { m_browser->pane()->setVisible(on); });
}

void fMain::showHeaderMenu(const QPoint& position)
{
    m_mnucolumns->exec(m_lvFiles->horizontalHeader()->mapToGlobal(position));
}

void fMain::useSettings(std::unique_ptr<QSettings> settings)
{
    m_settings = std::move(settings);
    QSettings& kept = *m_settings;
    if (kept.contains(QStringLiteral("list/header")) &&
        m_lvFiles->horizontalHeader()->restoreState(kept.value(QStringLiteral("list/header")).toByteArray()))
        m_columnsByUser = true;
    if (kept.contains(QStringLiteral("list/splitter")))
        m_browse->restoreState(kept.value(QStringLiteral("list/splitter")).toByteArray());
    m_mnufolders->setChecked(kept.value(QStringLiteral("list/folders"), true).toBool());
    m_mnupreview->setChecked(kept.value(QStringLiteral("list/preview"), false).toBool());
}

void fMain::restoreSettings()
{
    if (!m_settings || !m_settings->contains(QStringLiteral("window/size")))
        return;
    const QSize kept = m_settings->value(QStringLiteral("window/size")).toSize();
    const QPoint place = m_settings->value(QStringLiteral("window/place")).toPoint();
    // Kept on a larger screen: the window is made to fit this one (with room
    // for its frame) and put where all of it shows.
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect room = shown ? shown->availableGeometry() : QRect(place, kept);
    const QSize frame(20, 40);
    const QSize fit(std::clamp(kept.width(), 200, std::max(room.width() - frame.width(), 200)),
                    std::clamp(kept.height(), 150, std::max(room.height() - frame.height(), 150)));
    resize(fit);
    move(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - fit.width() - frame.width())),
         std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - fit.height() - frame.height())));
}

void fMain::saveSettings()
{
    if (!m_settings)
        return;
    m_settings->setValue(QStringLiteral("window/size"), size());
    m_settings->setValue(QStringLiteral("window/place"), pos());
    m_settings->setValue(QStringLiteral("list/header"), m_lvFiles->horizontalHeader()->saveState());
    m_settings->setValue(QStringLiteral("list/splitter"), m_browse->saveState());
    m_settings->setValue(QStringLiteral("list/folders"), m_mnufolders->isChecked());
    m_settings->setValue(QStringLiteral("list/preview"), m_mnupreview->isChecked());
    m_settings->sync();
}

} // namespace marrowick
