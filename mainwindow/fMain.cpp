#include "mainwindow/fMain.h"

#include "dialogs/ModBrowse.h"
#include "dialogs/QtPrompts.h"
#include "dialogs/Twips.h"
#include "dialogs/cFileDialog.h"
#include "dialogs/fComment.h"
#include "dialogs/frmAbout.h"
#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/Paths.h"
#include "engine/modRAR.h"
#include "help/LaunchHelp.h"
#include "mainwindow/FileIcons.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/FormLayout.h"
#include "mainwindow/ExtractHereCommand.h"
#include "mainwindow/ModMenuBitmaps.h"
#include "mainwindow/RecentArchives.h"
#include "mainwindow/RunNotifier.h"
#include "mainwindow/modMain.h"
#include "mainwindow/FileListView.h"
#include "mainwindow/StatusBarPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QUrl>
#include <QMimeData>
#include <QProgressBar>
#include <QTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>

#include <algorithm>

// The pictures are compiled into this static library; their registration
// must be pulled in by hand or the linker drops it.
static void InitMarrowickResources()
{
    Q_INIT_RESOURCE(marrowick);
}

namespace marrowick {

namespace {


// Stored sizes, in twips.
constexpr double ClientWidthTwips = 9780;
constexpr double ClientHeightTwips = 3885;
constexpr double ToolbarHeightTwips = 1020;
constexpr double ButtonWidthTwips = 825;
constexpr double PanelWidthTwips = 4000;

QPixmap RenderPicture(const QString& resource, int width, int height, qreal ratio)
{
    QPixmap pixmap = QIcon(resource).pixmap(QSize(width, height), ratio);
    return pixmap;
}

} // namespace

fMain::fMain(IUserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_icons(std::make_unique<FileIconProvider>()),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_saveCopy(DialogSaveCopyChooser(this))
{
    InitMarrowickResources();
    setObjectName(QStringLiteral("fMain"));
    m_givenPrompts = prompts;
    if (prompts) {
        m_prompts = prompts;
    } else {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }
    // Sees a long run's result before its box blocks.
    m_notifier = new RunNotifier(*this, *m_prompts);
    m_prompts = m_notifier;

    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    setFont(font);
    setWindowIcon(QIcon(QStringLiteral(":/icons/marrowick.svg")));

    const qreal ratio = devicePixelRatioF();
    m_picOpen = RenderPicture(QStringLiteral(":/icons/menu-open.svg"), 13, 12, ratio);
    m_picExtract = RenderPicture(QStringLiteral(":/icons/menu-extract.svg"), 13, 13, ratio);
    m_image1 = RenderPicture(QStringLiteral(":/icons/padlock.svg"), 32, 32, ratio);

    buildMenus();
    buildToolbar();
    buildList();
    buildStatusBar();
    buildProgress();
    buildProperties();
    buildPreview();
}

fMain::~fMain() = default;

QAction* fMain::makeAction(const char* name, const QString& caption, const QKeySequence& key)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        action->setShortcut(key);
    // Shortcuts work wherever the focus is in this window, the list included.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void fMain::buildMenus()
{
    m_mnufile = menuBar()->addMenu(tr("&File"));
    m_mnufile->setObjectName(QStringLiteral("mnufile"));
    m_mnuopen = makeAction("mnuopen", tr("&Open Archive..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuclose = makeAction("mnuclose", tr("&Close Archive..."), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_mnuexit = makeAction("mnuexit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_mnufile->addAction(m_mnuopen);
    m_mnufile->addAction(m_mnuclose);
    m_mnufile->addSeparator()->setObjectName(QStringLiteral("mnusep1"));
    m_mnufile->addAction(m_mnuexit);

    m_mnuedit = menuBar()->addMenu(tr("&Actions"));
    m_mnuedit->setObjectName(QStringLiteral("mnuedit"));
    m_mnuextract = makeAction("mnuextract", tr("&Extract"), QKeySequence(Qt::CTRL | Qt::Key_E));
    m_mnutest = makeAction("mnutest", tr("&Test"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_mnuedit->addAction(m_mnuextract);
    m_mnuedit->addAction(m_mnutest);
    m_mnuedit->addSeparator();
    m_extractLinks = makeAction("mnuextractlinks", tr("Extract &Links"), QKeySequence());
    m_extractLinks->setCheckable(true);
    m_extractLinks->setChecked(true);
    m_mnuedit->addAction(m_extractLinks);

    buildViewMenu();
    buildSortMenu();

    //: The Help menu's title.
    m_mnuhlp = menuBar()->addMenu(tr("&Help"));
    m_mnuhlp->setObjectName(QStringLiteral("mnuhlp"));
    //: The Help menu's item that opens the help file; it begins with a blank.
    m_mnuhelp = makeAction("mnuhelp", tr(" &Help"), QKeySequence(Qt::Key_F1));
    m_mnuabout = makeAction("mnuabout", tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_A));
    m_mnuhlp->addAction(m_mnuhelp);
    m_mnuhlp->addAction(m_mnuabout);

    // The row menu of the list; Extract Selected also answers its key
    // anywhere in the window.
    //: The row menu's item that opens the entry in its application.
    m_openEntry = makeAction("mnuopenentry", tr("&Open"), QKeySequence());
    m_extractSelected = makeAction("mnuextractselected", tr("Extract &Selected To..."),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    addAction(m_extractSelected);
    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("rowMenu"));
    m_rowMenu->addAction(m_openEntry);
    m_rowMenu->addAction(m_extractSelected);
    m_selectAll = makeAction("mnuselectall", tr("Select &All"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    addAction(m_selectAll);
    m_rowMenu->addAction(m_selectAll);
    connect(m_selectAll, &QAction::triggered, this, [this] { m_lvFiles->selectAll(); });
    connect(m_openEntry, &QAction::triggered, this, [this] {
        if (m_lvFiles->currentIndex().isValid())
            openEntry(m_lvFiles->currentIndex().row());
    });
    connect(m_extractSelected, &QAction::triggered, this, &fMain::extractSelected_Click);
    // The menu turns it off while nothing can be extracted; its key stays on
    // (the command checks again).
    connect(m_rowMenu, &QMenu::aboutToHide, this, [this] { m_extractSelected->setEnabled(true); });

    connect(m_mnuopen, &QAction::triggered, this, &fMain::mnuopen_Click);
    connect(m_mnuclose, &QAction::triggered, this, &fMain::mnuclose_Click);
    connect(m_mnuexit, &QAction::triggered, this, &fMain::mnuexit_Click);
    connect(m_mnuextract, &QAction::triggered, this, &fMain::mnuextract_Click);
    connect(m_mnutest, &QAction::triggered, this, &fMain::mnutest_Click);
    connect(m_mnuhelp, &QAction::triggered, this, &fMain::mnuhelp_Click);
    connect(m_mnuabout, &QAction::triggered, this, &fMain::mnuabout_Click);

    // Beside the File menu's own items: Open Recent after Open, Extract Here
    // after Close; they follow Open and Extract in being enabled.
    m_recent = new RecentArchives(this);
    m_mnufile->insertMenu(m_mnuclose, m_recent->menu());
    m_mnuextracthere = makeAction("mnuextracthere", tr("Extract &Here"),
                                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    m_mnufile->insertAction(m_mnufile->actions().value(m_mnufile->actions().indexOf(m_mnuclose) + 1),
                            m_mnuextracthere);
    connect(m_mnuopen, &QAction::enabledChanged, m_recent->menu()->menuAction(), &QAction::setEnabled);
    connect(m_mnuextract, &QAction::enabledChanged, m_mnuextracthere, &QAction::setEnabled);
    connect(m_mnuextracthere, &QAction::triggered, this, [this] { ExtractHereCommand(*this); });
    connect(m_recent, &RecentArchives::chosen, this, [this](const QString& path) { OpenRecentArchive(*this, path); });
}

void fMain::buildToolbar()
{
    m_tbMenu = new QToolBar(this);
    m_tbMenu->setObjectName(QStringLiteral("tbMenu"));
    m_tbMenu->setWindowTitle(tr("Toolbar"));
    m_tbMenu->setMovable(false);
    m_tbMenu->setFloatable(false);
    m_tbMenu->toggleViewAction()->setEnabled(false);
    m_tbMenu->setContextMenuPolicy(Qt::PreventContextMenu);
    m_tbMenu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_tbMenu->setIconSize(QSize(48, 48));
    addToolBar(Qt::TopToolBarArea, m_tbMenu);

    struct Button
    {
        const char* caption;
        const char* tooltip;
        const char* picture;
    };
    // Entries 2 and 3 carry nothing and never show: the visible buttons keep
    // the indices 1, 4 and 5 the commands are told apart by.
    const Button buttons[5] = {
        {QT_TR_NOOP("Open"), QT_TR_NOOP("open RAR archive"), ":/icons/open.svg"},
        {nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr},
        {QT_TR_NOOP("Extract to"), QT_TR_NOOP("Extract Files"), ":/icons/extract.svg"},
        {QT_TR_NOOP("Test"), QT_TR_NOOP("Test archived file"), ":/icons/test.svg"},
    };
    const QSize buttonSize(TwipsToPixels(ButtonWidthTwips, this),
                           TwipsToPixels(ToolbarHeightTwips, this));
    for (int i = 0; i < 5; ++i) {
        const int index = i + 1;
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("tbButton%1").arg(index));
        action->setProperty("buttonIndex", index);
        if (buttons[i].caption) {
            action->setText(tr(buttons[i].caption));
            action->setToolTip(tr(buttons[i].tooltip));
            action->setIcon(QIcon(QString::fromLatin1(buttons[i].picture)));
        } else {
            action->setVisible(false);
            action->setEnabled(false);
        }
        m_tbMenu->addAction(action);
        if (QWidget* button = m_tbMenu->widgetForAction(action)) {
            // The stored width, or wider where the desktop's font needs it:
            // a caption is never cut.
            button->setMinimumWidth(buttonSize.width());
            button->setFixedHeight(buttonSize.height());
            button->setFocusPolicy(Qt::NoFocus);
            button->setAccessibleDescription(action->toolTip());
        }
        connect(action, &QAction::triggered, this, [this, index] { tbMenu_ButtonClick(index); });
        m_buttons.append(action);
    }
    m_tbMenu->layout()->setContentsMargins(0, 0, 0, 0);
    m_tbMenu->setFixedHeight(buttonSize.height());
}

void fMain::buildList()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    m_model = new FileListModel(this);
    // A table view keeps no per-row structure, so a batch of new rows costs
    // the same whether the list holds a hundred rows or a million.
    m_lvFiles = new FileListView(client, [this] { return extractForDrag(); });
    m_lvFiles->setObjectName(QStringLiteral("lvFiles"));
    //: What a screen reader calls the list of the archive's entries.
    m_lvFiles->setAccessibleName(tr("Entries"));
    m_lvFiles->setModel(m_model);
    m_lvFiles->setShowGrid(false);
    // Borderless from the start, as the controls' set-up leaves it: a
    // command-line run shows the list before that set-up.
    m_lvFiles->setFrameShape(QFrame::NoFrame);
    m_lvFiles->setWordWrap(false);
    m_lvFiles->setCornerButtonEnabled(false);
    m_lvFiles->verticalHeader()->hide();
    m_lvFiles->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_lvFiles->verticalHeader()->setDefaultSectionSize(
        qMax(QFontMetrics(font()).height(), 16) + 4);
    m_lvFiles->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lvFiles->horizontalHeader()->setHighlightSections(false);
    m_lvFiles->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_lvFiles->setTabKeyNavigation(false);
    m_lvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lvFiles->setAcceptDrops(true);
    m_lvFiles->viewport()->setAcceptDrops(true);
    m_lvFiles->viewport()->installEventFilter(this);
    m_lvFiles->setIconSize(QSize(16, 16));
    m_lvFiles->horizontalHeader()->setStretchLastSection(false);
    m_lvFiles->horizontalHeader()->setSectionsMovable(false);
    // Sorted only when the user clicks a column: a listing shows the archive's order.
    m_lvFiles->horizontalHeader()->setSectionsClickable(true);
    m_lvFiles->horizontalHeader()->setSortIndicatorShown(false);
    connect(m_lvFiles->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &fMain::sortByHeader);
    m_lvFiles->setDragEnabled(true);
    m_lvFiles->setDragDropMode(QAbstractItemView::DragDrop);
    m_lvFiles->setDefaultDropAction(Qt::CopyAction);
    m_lvFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_lvFiles, &QWidget::customContextMenuRequested, this, &fMain::showRowMenu);
    // Double-click or Enter (or a single click where the desktop says so).
    // In a folder's list, a folder row is gone into instead.
    connect(m_lvFiles, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        if (!m_browser->enterRow(index.row()))
            openEntry(index.row());
    });
    buildBrowsing(client);
    client->installEventFilter(this);
    m_lvFiles->setFocus();
    setTabOrder(m_lvFiles, m_tbMenu);
}

void fMain::Form_Load(const QString& commandLine)
{
    InitCommonControlsStart();
    const int runsBefore = m_runsStarted;
    ParseCommandLine(*this, commandLine);
    m_fileDialog = std::make_unique<cFileDialog>();
    // A command-line run has already written the status panels: keep what it
    // left (totals, "ENCRYPTED") instead of wiping it.
    setupControls(m_runsStarted != runsBefore);
}

void fMain::setupControls(bool keepPanelTexts)
{
    // Status bar: the encryption indicator (hidden), the activity text and
    // the totals, which take the room the others leave.
    m_panels[0]->setPicture(m_image1.scaled(QSize(16, 16) * m_image1.devicePixelRatio(),
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation),
                           //: The picture beside the status bar's encryption indicator.
                           tr("Padlock"));
    m_panels[0]->setFixedWidth(TwipsToPixels(PanelDefaultWidthTwips, this));
    if (!keepPanelTexts) {
        m_panels[0]->setText(tr("Encrypted"));
        m_panels[0]->hide();
        m_panels[1]->setText(tr("Ready"));
        m_panels[2]->setText(QString());
    }
    m_panels[1]->setFixedWidth(TwipsToPixels(PanelWidthTwips, this));
    m_panels[2]->setMinimumWidth(0);
    m_panels[2]->setMaximumWidth(QWIDGETSIZE_MAX);

    // List: report view, no border, one row at a time, five columns.
    m_lvFiles->setFrameShape(QFrame::NoFrame);
    m_lvFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lvFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvFiles->horizontalHeader()->show();

    SetMenuBitmap(this, 0, 0, m_picOpen);
    SetMenuBitmap(this, 1, 0, m_picExtract);
}

void fMain::showCentred()
{
    // A command-line run shows the window as soon as it has opened the
    // archive; the window is placed once, then left where the user puts it.
    if (m_placed) {
        show();
        return;
    }
    m_placed = true;
    ensurePolished();
    if (m_settings && m_settings->contains(QStringLiteral("window/size"))) {
        restoreSettings();
        show();
        return;
    }
    const QSize client(TwipsToPixels(ClientWidthTwips, this),
                       TwipsToPixels(ClientHeightTwips, this));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    const auto centre = [this] {
        if (const QScreen* scr = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(scr->availableGeometry().center());
            move(frame.topLeft());
        }
    };
    centre();
    show();
    // The frame is known only once the window is shown; centre it again with it.
    centre();
}

QSize fMain::clientSize() const
{
    // Visible to the window, not on screen: the first sizing comes before the
    // window is shown.
    const int menuHeight = menuWidget() && menuWidget()->isVisibleTo(this) ? menuWidget()->height() : 0;
    return QSize(width(), height() - menuHeight);
}

void fMain::Form_Resize()
{
    const double dpi = LogicalDpi(this);
    const auto twips = [dpi](int px) { return static_cast<float>(PixelsToTwips(px, dpi)); };
    const auto pixels = [dpi](float tw) { return TwipsToPixels(tw, dpi); };

    const QSize client = clientSize();
    FormLayoutInput in;
    in.clientWidth = twips(client.width());
    in.clientHeight = twips(client.height());
    in.toolbarTop = 0;
    in.toolbarHeight = twips(m_tbMenu->isVisibleTo(this) ? m_tbMenu->height() : 0);
    in.statusHeight = twips(m_sbStat->isVisibleTo(this) ? m_sbStat->height() : 0);
    const QRect list = m_browse->geometry();
    in.current = {twips(list.x()), twips(list.y()) + in.toolbarTop + in.toolbarHeight,
                  twips(list.width()), twips(list.height())};

    const FormLayoutResult out = ComputeFormLayout(in);
    // The list lives in the area under the toolbar, so its top there is the
    // layout's top less the toolbar's bottom.
    const float toolbarBottom = in.toolbarTop + in.toolbarHeight;
    // The list's place holds the folder pane and the list side by side.
    m_browse->setGeometry(pixels(out.list.left), pixels(out.list.top - toolbarBottom),
                          pixels(out.list.width), pixels(out.list.height));
    // The columns follow the list's own width (sizeColumns).
    // The status bar is docked and follows the window's width by itself.
}

void fMain::sizeColumns()
{
    // The list's own width shared as the layout shares the whole place: four
    // tenths for names, a tenth for each number, until the user sizes them
    // (or they were remembered).
    if (m_columnsByUser)
        return;
    const double dpi = LogicalDpi(this);
    FormLayoutInput in{};
    in.clientWidth = static_cast<float>(PixelsToTwips(m_lvFiles->width(), dpi)) + 60.0f;
    const FormLayoutResult out = ComputeFormLayout(in);
    if (!out.columnsSet)
        return;
    QHeaderView* header = m_lvFiles->horizontalHeader();
    m_sizingColumns = true;
    for (int c = 0; c < 4; ++c)
        header->resizeSection(c, TwipsToPixels(out.columnWidths[static_cast<size_t>(c)], dpi));
    m_sizingColumns = false;
}

void fMain::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        // A run is pumping events inside this call chain: stop it first and
        // close once it has returned.
        m_closeAfterRun = true;
        requestCancel();
        event->ignore();
        return;
    }
    releasePrivateFolder();
    saveSettings();
    m_fileDialog.reset();
    QMainWindow::closeEvent(event);
}

} // namespace marrowick
