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
#include "mainwindow/FormLayout.h"
#include "mainwindow/ModMenuBitmaps.h"
#include "mainwindow/modMain.h"

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
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
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

const QString ProductName = QStringLiteral("Marrowick");

// Stored sizes, in twips.
constexpr double ClientWidthTwips = 9780;
constexpr double ClientHeightTwips = 3885;
constexpr double ToolbarHeightTwips = 1020;
constexpr double ButtonWidthTwips = 825;
constexpr double StatusHeightTwips = 360;
constexpr double PanelDefaultWidthTwips = 1440;
constexpr double PanelWidthTwips = 4000;

QPixmap RenderPicture(const QString& resource, int width, int height, qreal ratio)
{
    QPixmap pixmap = QIcon(resource).pixmap(QSize(width, height), ratio);
    return pixmap;
}

// The file list. A drag of its rows asks the window for the files first.
class FileListView final : public QTableView
{
public:
    FileListView(QWidget* parent, std::function<QMimeData*()> prepare)
        : QTableView(parent), m_prepare(std::move(prepare))
    {
    }

protected:
    void startDrag(Qt::DropActions) override
    {
        QMimeData* data = m_prepare();
        if (!data)
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    std::function<QMimeData*()> m_prepare;
};

} // namespace

// One panel of the status bar: an optional picture and a text.
class StatusPanel final : public QWidget
{
public:
    explicit StatusPanel(QWidget* parent) : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(4, 0, 4, 0);
        layout->setSpacing(3);
        m_picture = new QLabel(this);
        m_picture->hide();
        m_text = new QLabel(this);
        m_text->setTextFormat(Qt::PlainText);
        layout->addWidget(m_picture);
        layout->addWidget(m_text, 1);
    }

    void setPicture(const QPixmap& pixmap)
    {
        m_picture->setPixmap(pixmap);
        m_picture->setVisible(!pixmap.isNull());
    }
    void setText(const QString& text) { m_text->setText(text); }
    QString text() const { return m_text->text(); }

private:
    QLabel* m_picture = nullptr;
    QLabel* m_text = nullptr;
};

fMain::fMain(IUserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_icons(std::make_unique<FileIconProvider>()),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    InitMarrowickResources();
    setObjectName(QStringLiteral("fMain"));
    if (prompts) {
        m_prompts = prompts;
    } else {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }

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
    m_mnufile = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnufile->setObjectName(QStringLiteral("mnufile"));
    m_mnuopen = makeAction("mnuopen", QStringLiteral("&Open Archive..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuclose = makeAction("mnuclose", QStringLiteral("&Close Archive..."), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_mnuexit = makeAction("mnuexit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_mnufile->addAction(m_mnuopen);
    m_mnufile->addAction(m_mnuclose);
    m_mnufile->addSeparator()->setObjectName(QStringLiteral("mnusep1"));
    m_mnufile->addAction(m_mnuexit);

    m_mnuedit = menuBar()->addMenu(QStringLiteral("&Actions"));
    m_mnuedit->setObjectName(QStringLiteral("mnuedit"));
    m_mnuextract = makeAction("mnuextract", QStringLiteral("&Extract"), QKeySequence(Qt::CTRL | Qt::Key_E));
    m_mnutest = makeAction("mnutest", QStringLiteral("&Test"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_mnuedit->addAction(m_mnuextract);
    m_mnuedit->addAction(m_mnutest);
    m_mnuedit->addSeparator();
    m_extractLinks = makeAction("mnuextractlinks", QStringLiteral("Extract &Links"), QKeySequence());
    m_extractLinks->setCheckable(true);
    m_extractLinks->setChecked(true);
    m_mnuedit->addAction(m_extractLinks);

    m_mnuhlp = menuBar()->addMenu(QStringLiteral("&Help"));
    m_mnuhlp->setObjectName(QStringLiteral("mnuhlp"));
    m_mnuhelp = makeAction("mnuhelp", QStringLiteral(" &Help"), QKeySequence(Qt::Key_F1));
    m_mnuabout = makeAction("mnuabout", QStringLiteral("&About"), QKeySequence(Qt::CTRL | Qt::Key_A));
    m_mnuhlp->addAction(m_mnuhelp);
    m_mnuhlp->addAction(m_mnuabout);

    // The row menu of the list; Extract Selected also answers its key
    // anywhere in the window.
    m_openEntry = makeAction("mnuopenentry", QStringLiteral("&Open"), QKeySequence());
    m_extractSelected = makeAction("mnuextractselected", QStringLiteral("Extract &Selected To..."),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    addAction(m_extractSelected);
    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("rowMenu"));
    m_rowMenu->addAction(m_openEntry);
    m_rowMenu->addAction(m_extractSelected);
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
}

void fMain::buildToolbar()
{
    m_tbMenu = new QToolBar(this);
    m_tbMenu->setObjectName(QStringLiteral("tbMenu"));
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
        {"Open", "open RAR archive", ":/icons/open.svg"},
        {nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr},
        {"Extract to", "Extract Files", ":/icons/extract.svg"},
        {"Test", "Test archived file", ":/icons/test.svg"},
    };
    const QSize buttonSize(TwipsToPixels(ButtonWidthTwips, this),
                           TwipsToPixels(ToolbarHeightTwips, this));
    for (int i = 0; i < 5; ++i) {
        const int index = i + 1;
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("tbButton%1").arg(index));
        action->setProperty("buttonIndex", index);
        if (buttons[i].caption) {
            action->setText(QString::fromLatin1(buttons[i].caption));
            action->setToolTip(QString::fromLatin1(buttons[i].tooltip));
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
    m_lvFiles->setModel(m_model);
    m_lvFiles->setShowGrid(false);
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
    connect(m_lvFiles, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { openEntry(index.row()); });
    m_lvFiles->setFocus();
    setTabOrder(m_lvFiles, m_tbMenu);
}

void fMain::buildStatusBar()
{
    m_sbStat = new QStatusBar(this);
    m_sbStat->setObjectName(QStringLiteral("sbStat"));
    m_sbStat->setSizeGripEnabled(true);
    m_sbStat->setFixedHeight(TwipsToPixels(StatusHeightTwips, this));
    setStatusBar(m_sbStat);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new StatusPanel(m_sbStat);
        m_panels[i]->setObjectName(QStringLiteral("sbStatPanel%1").arg(i + 1));
    }
    m_panels[0]->setProperty("key", QStringLiteral("lock"));
    // The stored bar holds three empty panels; the load handler sets them up.
    m_sbStat->addWidget(m_panels[0]);
    m_sbStat->addWidget(m_panels[1]);
    m_sbStat->addWidget(m_panels[2], 1);
    for (StatusPanel* panel : m_panels)
        panel->setFixedWidth(TwipsToPixels(PanelDefaultWidthTwips, this));
    // The encryption indicator is hidden until a run finds an encrypted entry,
    // also when a command-line run comes before the set-up of the controls.
    m_panels[0]->setText(QStringLiteral("Encrypted"));
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
    m_progress->setFixedWidth(TwipsToPixels(1800, this));
    m_progress->setMaximumHeight(TwipsToPixels(240, this));
    m_cancelAction = new QAction(QStringLiteral("Cancel"), this);
    m_cancelAction->setObjectName(QStringLiteral("cancelRun"));
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelAction->setShortcutContext(Qt::WindowShortcut);
    m_cancelAction->setToolTip(QStringLiteral("Stop the running operation (Esc)"));
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
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_panels[0]->setFixedWidth(TwipsToPixels(PanelDefaultWidthTwips, this));
    if (!keepPanelTexts) {
        m_panels[0]->setText(QStringLiteral("Encrypted"));
        m_panels[0]->hide();
        m_panels[1]->setText(QStringLiteral("Ready"));
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
    const int menuHeight = menuWidget() && menuWidget()->isVisible() ? menuWidget()->height() : 0;
    return QSize(width(), height() - menuHeight);
}

void fMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
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
    in.toolbarHeight = twips(m_tbMenu->isVisible() ? m_tbMenu->height() : 0);
    in.statusHeight = twips(m_sbStat->isVisible() ? m_sbStat->height() : 0);
    const QRect list = m_lvFiles->geometry();
    in.current = {twips(list.x()), twips(list.y()) + in.toolbarTop + in.toolbarHeight,
                  twips(list.width()), twips(list.height())};

    const FormLayoutResult out = ComputeFormLayout(in);
    // The list lives in the area under the toolbar, so its top there is the
    // layout's top less the toolbar's bottom.
    const float toolbarBottom = in.toolbarTop + in.toolbarHeight;
    m_lvFiles->setGeometry(pixels(out.list.left), pixels(out.list.top - toolbarBottom),
                           pixels(out.list.width), pixels(out.list.height));
    if (out.columnsSet) {
        QHeaderView* header = m_lvFiles->horizontalHeader();
        for (int c = 0; c < 4; ++c)
            header->resizeSection(c, pixels(out.columnWidths[static_cast<size_t>(c)]));
    }
    // The status bar is docked and follows the window's width by itself.
}

void fMain::CloseArc()
{
    m_model->clear();
    m_lvFiles->horizontalHeader()->setSortIndicatorShown(false);
    // What was opened from the archive goes with it.
    m_privateFolder.reset();
    m_panels[1]->setText(QStringLiteral("Ready "));
    m_panels[2]->setText(QString());
    m_panels[0]->hide();
    m_mnuclose->setEnabled(false);
    m_mnuextract->setEnabled(false);
    m_mnutest->setEnabled(true);
    syncToolbarButtons();
    setWindowTitle(ProductName);
}

void fMain::mnuopen_Click()
{
    m_panels[1]->setText(QStringLiteral("Ready"));
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
    return BrowseForFolder(start, this, QStringLiteral("Extract Archive to ..."));
}

void fMain::mnuextract_Click()
{
    const QString folder = chooseExtractFolder();
    if (folder.isEmpty())
        return;
    ExtractRAR(AddBackslash(folder));
}

bool fMain::entriesReady() const
{
    // Listed by any way in (the command line too), and no run going on.
    return !m_running && !m_archivePath.isEmpty() && m_model->rowCount() > 0;
}

QStringList fMain::selectedEntryNames() const
{
    QModelIndexList rows = m_lvFiles->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList names;
    for (const QModelIndex& index : rows)
        names << m_model->row(index.row()).name;
    return names;
}

void fMain::extractSelected_Click()
{
    if (!entriesReady())
        return;
    const QStringList names = selectedEntryNames();
    if (names.isEmpty()) {
        m_panels[1]->setText(QStringLiteral("Select the entries to extract"));
        return;
    }
    const QString folder = chooseExtractFolder();
    if (folder.isEmpty())
        return;
    m_extractFolder = AddBackslash(folder);
    runSelection(m_extractFolder, names, OverwritePolicy::Ask);
}

bool fMain::runSelection(const QString& folder, const QStringList& names,
                         OverwritePolicy overwrite)
{
    m_refusedInRun.clear();
    QString password;
    RunContext context{*this, *m_prompts, m_api, folder, overwrite, names,
                       m_extractLinks->isChecked()};
    try {
        ProcessArchive(OP_EXTRACT, m_archivePath, password, context);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
        return false;
    }
    return m_panels[1]->text() == QLatin1String("Success");
}

QString fMain::newPrivateRun()
{
    if (!m_privateFolder) {
        // QTemporaryDir makes its folder with mode 0700: ours alone.
        m_privateFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                          QStringLiteral("/marrowick-XXXXXX"));
        if (!m_privateFolder->isValid()) {
            m_privateFolder.reset();
            return {};
        }
    }
    // A folder of its own for every run: a file still open in another
    // program from an earlier run is never replaced under it.
    const QString folder = m_privateFolder->filePath(QString::number(++m_privateRuns));
    return QDir().mkpath(folder) ? folder + QLatin1Char('/') : QString();
}

QString fMain::privateFolder() const
{
    return m_privateFolder ? m_privateFolder->path() : QString();
}

void fMain::openEntry(int row)
{
    if (!entriesReady() || row < 0 || row >= m_model->rowCount())
        return;
    const FileRow entry = m_model->row(row);
    if (entry.isFolder) {
        m_panels[1]->setText(QStringLiteral("Not opened: %1 is a folder").arg(entry.name));
        return;
    }
    const QString folder = newPrivateRun();
    if (folder.isEmpty()) {
        m_panels[1]->setText(QStringLiteral("Not opened: no temporary folder"));
        return;
    }
    const bool extracted = runSelection(folder, {entry.name}, OverwritePolicy::Always);
    const QString file = folder + entry.name;
    if (!extracted || !QFileInfo(file).isFile()) {
        m_panels[1]->setText(m_refusedInRun.isEmpty()
                                 ? QStringLiteral("Not opened: %1 was not extracted").arg(entry.name)
                                 : QStringLiteral("Not opened: ") + m_refusedInRun.first());
        return;
    }
    if (m_opener(QUrl::fromLocalFile(file)))
        m_panels[1]->setText(QStringLiteral("Opened ") + entry.name);
    else
        m_panels[1]->setText(QStringLiteral("No application opens ") + entry.name);
}

QMimeData* fMain::extractForDrag()
{
    if (!entriesReady())
        return nullptr;
    const QStringList names = selectedEntryNames();
    const QString folder = names.isEmpty() ? QString() : newPrivateRun();
    if (folder.isEmpty() || !runSelection(folder, names, OverwritePolicy::Always))
        return nullptr;
    // A folder brings what is below it: its entries are not handed over again.
    QList<QUrl> urls;
    for (const QString& name : names) {
        bool below = false;
        for (const QString& other : names)
            below = below || name.startsWith(other + QLatin1Char('/'));
        if (!below && QFileInfo::exists(folder + name))
            urls << QUrl::fromLocalFile(folder + name);
    }
    if (urls.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void fMain::showRowMenu(const QPoint& position)
{
    const QModelIndex index = m_lvFiles->indexAt(position);
    if (!index.isValid())
        return;
    // A click outside the selection selects that row alone, as file managers do.
    if (!m_lvFiles->selectionModel()->isRowSelected(index.row(), {}))
        m_lvFiles->selectionModel()->select(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_lvFiles->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    const bool ready = entriesReady();
    m_openEntry->setEnabled(ready && !m_model->row(index.row()).isFolder);
    m_extractSelected->setEnabled(ready);
    m_rowMenu->popup(m_lvFiles->viewport()->mapToGlobal(position));
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
    ShowErrorBox(*m_prompts, QStringLiteral("Error no.") + QString::number(number) +
                                 QLatin1Char('\n') + description);
}

void fMain::runArchive(std::int32_t mode, const QString& path, QString& password)
{
    RunContext context{*this, *m_prompts, m_api, m_extractFolder};
    context.links = m_extractLinks->isChecked();
    ProcessArchive(mode, path, password, context);
}

void fMain::runArchiveReported(std::int32_t mode, const QString& path, QString& password)
{
    try {
        runArchive(mode, path, password);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
    }
}

void fMain::enterArchiveOpenState(const QString& fileName)
{
    // Files opened from another archive go when this one takes its place.
    if (fileName != m_archivePath)
        m_privateFolder.reset();
    setWindowTitle(fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1) +
                   QStringLiteral(" - ") + ProductName);
    m_mnuextract->setEnabled(true);
    m_mnutest->setEnabled(true);
    m_mnuclose->setEnabled(true);
    syncToolbarButtons();
}

void fMain::dropFiles(const QStringList& localFiles)
{
    if (localFiles.isEmpty() || m_running)
        return;
    const QString name = localFiles.first();
    if (!name.endsWith(QStringLiteral(".rar"), Qt::CaseSensitive))
        return;
    QString password;
    runArchiveReported(OP_LIST, name, password);
    enterArchiveOpenState(name);
    m_archivePath = name;
    m_currentArchive = name;
}

QStringList DroppedLocalFiles(const QMimeData* data)
{
    QStringList files;
    if (!data)
        return files;
    for (const QUrl& url : data->urls()) {
        // Only files on this machine; a remote address is not a file we can open.
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

bool fMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_lvFiles->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        // Our own rows dragged back onto the list are not an archive to open.
        const bool files = drag->mimeData()->hasUrls() && !m_running && drag->source() != m_lvFiles;
        drag->setDropAction(Qt::CopyAction);
        if (files)
            drag->accept();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        drop->acceptProposedAction();
        // The drag source waits for the drop to finish: list after it returns.
        const QStringList files = DroppedLocalFiles(drop->mimeData());
        QTimer::singleShot(0, this, [this, files] { dropFiles(files); });
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
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
    m_fileDialog.reset();
    QMainWindow::closeEvent(event);
}

void fMain::requestCancel()
{
    if (m_running)
        m_cancelRequested = true;
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
    m_lvFiles->viewport()->update();
    m_sbStat->update();
}

void fMain::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void fMain::clearRows()
{
    m_model->clear();
    m_lvFiles->horizontalHeader()->setSortIndicatorShown(false);
}

void fMain::entryRefused(const QString& name, const QString& reason)
{
    m_refusedInRun << name + QStringLiteral(": ") + reason;
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
    if (panel >= 1 && panel <= 3)
        m_panels[panel - 1]->setText(text);
}

void fMain::setPanelVisible(int panel, bool visible)
{
    if (panel >= 1 && panel <= 3)
        m_panels[panel - 1]->setVisible(visible);
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
    if (m_closeAfterRun)
        QTimer::singleShot(0, this, &QWidget::close);
}

void fMain::setProgress(const QString& entry, std::uint64_t done, std::uint64_t total)
{
    m_progressEntry->setText(entry);
    m_progress->setValue(total ? static_cast<int>(done * 1000 / total) : 0);
    m_progressEntry->show();
    m_progress->show();
    m_cancelButton->show();
}

} // namespace marrowick
