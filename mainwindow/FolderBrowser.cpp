#include "mainwindow/FolderBrowser.h"

#include "dialogs/ReadablePlaceholder.h"
#include "mainwindow/ArrowIcon.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderTreeModel.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace marrowick {

namespace {

// Esc in the filter clears it (before any window shortcut sees the key).
class ClearOnEscape final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = static_cast<QLineEdit*>(watched);
        if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !edit->text().isEmpty()) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                edit->clear();
            return true;
        }
        return false;
    }
};

// A button with a picture only: its name is for screen readers, its tip
// names the keys. Tab reaches it; a click leaves the focus where it was.
QToolButton* Button(QWidget* parent, const char* name, Qt::ArrowType picture,
                    const QString& accessibleName, const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(ArrowIcon(picture));
    button->setAccessibleName(accessibleName);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

FolderBrowser::FolderBrowser(FileListModel& model, QTableView& list, QWidget* parent,
                             std::function<void(const QString&)> say)
    : QObject(parent), m_model(model), m_list(list), m_say(std::move(say))
{
    const QIcon folderIcon = QIcon::fromTheme(QStringLiteral("folder"),
                                              parent->style()->standardIcon(QStyle::SP_DirIcon));
    m_model.setFolderIcon(folderIcon);
    m_tree = new FolderTreeModel(this);
    m_tree->setFolderIcon(folderIcon);
    m_pane = new QTreeView(parent);
    m_pane->setObjectName(QStringLiteral("folderPane"));
    m_pane->setModel(m_tree);
    m_pane->setHeaderHidden(true);
    m_pane->setUniformRowHeights(true);
    m_pane->setIconSize(QSize(16, 16));
    m_pane->setAccessibleName(tr("Folders"));
    m_pane->setAccessibleDescription(tr("The archive's folders; the list shows the one chosen"));
    connect(m_pane->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid() && FolderTreeModel::folderOf(index) != m_current)
                    goTo(FolderTreeModel::folderOf(index));
            });

    m_bar = new QWidget(parent);
    m_bar->setObjectName(QStringLiteral("browseBar"));
    auto* row = new QHBoxLayout(m_bar);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(2);
    //: Go back to the folder shown before (a button with an arrow only)
    m_back = Button(m_bar, "backButton", Qt::LeftArrow, tr("Back"), tr("Back (Alt+Left)"));
    //: Go forward again after Back (a button with an arrow only)
    m_forward = Button(m_bar, "forwardButton", Qt::RightArrow, tr("Forward"),
                       tr("Forward (Alt+Right)"));
    //: Go to the folder that holds this one (a button with an arrow only)
    m_up = Button(m_bar, "upButton", Qt::UpArrow, tr("Up"), tr("Up (Backspace, Alt+Up)"));
    m_location = new QLineEdit(m_bar);
    m_location->setObjectName(QStringLiteral("location"));
    m_location->setToolTip(tr("The folder shown; type a path and press Enter"));
    //: The name of the field that shows the path of the folder shown
    m_location->setAccessibleName(tr("Location"));
    m_location->setAccessibleDescription(m_location->toolTip());
    m_filter = new QLineEdit(m_bar);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Filter (Ctrl+F)"));
    KeepPlaceholderReadable(m_filter);
    m_filter->setToolTip(tr("Names containing this text; * and ? as wildcards"));
    //: The name of the field that narrows the list to the names typed
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setAccessibleDescription(m_filter->toolTip());
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(new ClearOnEscape(m_filter));
    //: Check box: the filter looks in every folder below the one shown
    m_allFolders = new QCheckBox(tr("All folders"), m_bar);
    m_allFolders->setObjectName(QStringLiteral("allFolders"));
    m_count = new QLabel(m_bar);
    m_count->setObjectName(QStringLiteral("filterCount"));
    //: The label that shows how many names the filter kept
    m_count->setAccessibleName(tr("Matches"));
    for (QWidget* widget : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_forward),
                            static_cast<QWidget*>(m_up)})
        row->addWidget(widget);
    row->addWidget(m_location, 3);
    row->addWidget(m_filter, 2);
    row->addWidget(m_allFolders);
    row->addWidget(m_count);
    connect(m_back, &QToolButton::clicked, this, &FolderBrowser::back);
    connect(m_forward, &QToolButton::clicked, this, &FolderBrowser::forward);
    connect(m_up, &QToolButton::clicked, this, &FolderBrowser::up);
    connect(m_location, &QLineEdit::returnPressed, this,
            [this] { goToPath(m_location->text()); });
    connect(m_filter, &QLineEdit::textChanged, this, &FolderBrowser::startFilter);
    connect(m_allFolders, &QCheckBox::toggled, this, &FolderBrowser::startFilter);
    syncControls();
}

FolderBrowser::~FolderBrowser() = default;

QString FolderBrowser::countText() const
{
    return m_countText;
}

void FolderBrowser::listingStarted()
{
    ++m_generation;
    m_job = Job();
    m_listed = false;
    m_tree->setTree(nullptr, {});
    m_current = FolderTree::Top;
    m_history.clear();
    m_future.clear();
    syncControls();
}

void FolderBrowser::listingFinished(const QString& archiveName)
{
    m_listed = true;
    m_tree->setTree(&m_model.folders(), archiveName);
    m_pane->expand(m_tree->indexOf(FolderTree::Top));
    m_current = FolderTree::Top;
    m_history.clear();
    m_future.clear();
    {
        const QSignalBlocker quiet(m_filter);
        m_filter->clear();
    }
    m_countText.clear();
    m_model.showAll();
    syncControls();
}

void FolderBrowser::goTo(std::uint32_t folder, bool remember)
{
    if (!m_listed || folder >= m_model.folders().folderCount())
        return;
    if (remember && folder != m_current) {
        m_history.push_back(m_current);
        m_future.clear();
    }
    m_current = folder;
    if (m_filter->text().isEmpty())
        showCurrent();
    else
        startFilter();
    syncControls();
}

bool FolderBrowser::goToPath(const QString& path)
{
    const std::uint32_t folder = m_listed ? m_model.folders().find(path) : FolderTree::None;
    if (folder == FolderTree::None) {
        m_say(tr("No folder named %1").arg(path));
        syncControls();
        return false;
    }
    goTo(folder);
    return true;
}

void FolderBrowser::up()
{
    if (m_listed && m_current != FolderTree::Top)
        goTo(m_model.folders().folder(m_current).parent);
}

void FolderBrowser::back()
{
    if (m_history.empty())
        return;
    m_future.push_back(m_current);
    const std::uint32_t to = m_history.back();
    m_history.pop_back();
    goTo(to, false);
}

void FolderBrowser::forward()
{
    if (m_future.empty())
        return;
    m_history.push_back(m_current);
    const std::uint32_t to = m_future.back();
    m_future.pop_back();
    goTo(to, false);
}

bool FolderBrowser::enterRow(int row)
{
    // The top node's list is every entry as listed: a folder row there is
    // opened as before, not entered.
    if (!m_listed || m_model.showsAll() || row < 0 || row >= m_model.rowCount())
        return false;
    const FileRow& entry = m_model.row(row);
    if (!entry.isFolder)
        return false;
    const std::uint32_t folder = m_model.folders().find(entry.name);
    if (folder == FolderTree::None)
        return false;
    goTo(folder);
    return true;
}

void FolderBrowser::showCurrent()
{
    m_countText.clear();
    m_count->clear();
    if (m_current == FolderTree::Top)
        m_model.showAll();
    else
        m_model.showItems(m_model.folderItems(m_current), m_model.folders().folder(m_current).depth);
}

void FolderBrowser::syncControls()
{
    const FolderTree& tree = m_model.folders();
    m_location->setText(m_listed ? QLatin1Char('/') + tree.path(m_current) : QString());
    m_back->setEnabled(!m_history.empty());
    m_forward->setEnabled(!m_future.empty());
    m_up->setEnabled(m_listed && m_current != FolderTree::Top);
    if (!m_listed)
        return;
    const QModelIndex index = m_tree->indexOf(m_current);
    if (m_pane->currentIndex() != index) {
        const QSignalBlocker quiet(m_pane->selectionModel());
        m_pane->setCurrentIndex(index);
    }
    // Once the pane has laid out what it just expanded.
    QTimer::singleShot(0, m_pane, [this, index] {
        m_pane->scrollTo(index, QAbstractItemView::PositionAtCenter);
    });
    m_pane->viewport()->update();
}

void FolderBrowser::startFilter()
{
    const NameFilter filter(m_filter->text());
    m_job = Job();
    m_job.generation = ++m_generation;
    if (!m_listed)
        return;
    if (filter.isEmpty()) {
        showCurrent();
        emit filterDone();
        return;
    }
    m_job.active = true;
    m_job.filter = filter;
    // The top node's list is every row; a folder's is its own items, or with
    // All folders every row below it.
    if (m_current == FolderTree::Top)
        m_job.scope = Job::Every;
    else if (m_allFolders->isChecked())
        m_job.scope = Job::Below;
    else {
        m_job.scope = Job::Items;
        m_job.items = m_model.folderItems(m_current);
    }
    filterSlice();
}

void FolderBrowser::filterSlice()
{
    const quint64 generation = m_job.generation;
    const FolderTree& tree = m_model.folders();
    const FileRowList& rows = m_model.rows();
    const std::uint32_t depth = tree.folder(m_current).depth;
    const std::size_t end = m_job.scope == Job::Items ? m_job.items.size() : rows.size();
    QElapsedTimer clock;
    clock.start();
    // A slice of about 10 ms, then the window's events; a keystroke in
    // between starts again with the new text.
    while (m_job.next < end) {
        const std::size_t stop = std::min(end, m_job.next + 4096);
        for (std::size_t i = m_job.next; i < stop; ++i) {
            if (m_job.scope == Job::Items) {
                const std::uint32_t item = m_job.items[i];
                const QStringView name = item & FileListModel::FolderItem
                                             ? QStringView(tree.folder(item & ~FileListModel::FolderItem).name)
                                             : OwnName(rows[item].name);
                if (m_job.filter.matches(name))
                    m_job.matches.push_back(item);
                continue;
            }
            const auto row = static_cast<std::uint32_t>(i);
            if (m_job.scope == Job::Below && !tree.isBelow(row, m_current))
                continue;
            ++m_job.total;
            const QStringView name = m_job.scope == Job::Every ? QStringView(rows[i].name)
                                                               : NameBelow(rows[i].name, depth);
            if (m_job.filter.matches(name))
                m_job.matches.push_back(row);
        }
        m_job.next = stop;
        if (m_job.next < end && clock.elapsed() >= 10) {
            QTimer::singleShot(0, this, [this, generation] {
                if (m_job.active && m_job.generation == generation)
                    filterSlice();
            });
            return;
        }
    }
    if (m_job.scope == Job::Items)
        m_job.total = m_job.items.size();
    finishFilter();
}

void FolderBrowser::finishFilter()
{
    const QLocale locale;
    //: The filter's count: %1 names kept of the %2 looked at
    m_countText = tr("%1 of %2").arg(locale.toString(qulonglong(m_job.matches.size())),
                                                 locale.toString(qulonglong(m_job.total)));
    m_count->setText(m_countText);
    m_job.active = false;
    m_model.showItems(std::move(m_job.matches),
                      m_current == FolderTree::Top ? 0 : m_model.folders().folder(m_current).depth);
    m_job.matches.clear();
    emit filterDone();
}

} // namespace marrowick
