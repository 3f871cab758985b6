#pragma once

#include "engine/ArchiveView.h"
#include "engine/modRAR.h"
#include "mainwindow/OpenedFiles.h"

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMimeData;
class QMenu;
class QProgressBar;
class QSettings;
class QSplitter;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTableView;
class QTemporaryDir;
class QUrl;

namespace marrowick {

class cFileDialog;
class FileIconProvider;
class FileListModel;
class FolderBrowser;
class IUserPrompts;
class PreviewPane;
class RecentArchives;
class RunNotifier;
class StatusBarPanel;
struct UnrarApi;
enum class OverwritePolicy;

// Hands an extracted entry to the desktop's application for its type; false
// when none took it. QDesktopServices::openUrl by default.
using EntryOpener = std::function<bool(const QUrl&)>;

// The local files of a drop, in order; remote addresses and text are left out.
QStringList DroppedLocalFiles(const QMimeData* data);
// The names not below another of them (a folder brings what is below it), in
// their order.
QStringList TopmostNames(const QStringList& names);

// The program's one main window: menu bar, toolbar, the file list and a
// three-panel status bar. It shows archive runs (IArchiveView) and carries the
// archive commands.
class fMain final : public QMainWindow, public IArchiveView
{
    Q_OBJECT

public:
    // prompts: who answers the questions of a run; the window's own dialogs
    // when null. Tests pass a scripted one.
    explicit fMain(IUserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~fMain() override;

    // The load sequence: common controls, the command line, then the set-up of
    // the controls.
    void Form_Load(const QString& commandLine);
    // Sizes the client area as stored and centres the window on its screen.
    void showCentred();

    void ExtractRAR(const QString& sPath);
    void CloseArc();
    void ShowIconsForFiles();

    // The archive Extract and Test work on.
    QString ArchivePath() const { return m_archivePath; }
    void setArchivePath(const QString& path) { m_archivePath = path; }
    // The archive last chosen in the dialog or dropped; empty at start.
    QString CurrentArchive() const { return m_currentArchive; }
    void setCurrentArchive(const QString& path) { m_currentArchive = path; }
    // Where extraction writes, with a trailing "/"; empty until the first Extract.
    QString ExtractFolder() const { return m_extractFolder; }
    // The shared open dialog; exists from the load sequence on.
    cFileDialog* FileDialog() const { return m_fileDialog.get(); }

    // One archive run shown in this window. Throws what the engine throws (a
    // library that cannot be loaded).
    RunOutcome runArchive(std::int32_t mode, const QString& path, QString& password);
    // The same for callers without an error trap of their own: such an error
    // is shown in the "Error no." box instead of ending the program.
    RunOutcome runArchiveReported(std::int32_t mode, const QString& path, QString& password);
    // After a listing by Open, Test or a drop: title, commands and buttons.
    // A whole set shown from a later volume says so in the title.
    void enterArchiveOpenState(const QString& fileName, const QString& volumeSet = {});
    // The list's drop handler, given the dropped files in order.
    void dropFiles(const QStringList& localFiles);
    bool isRunning() const { return m_running; }
    // Tests run the engine over a scripted library.
    void setUnrarApi(const UnrarApi* api) { m_api = api; }
    const UnrarApi* unrarApi() const { return m_api; }
    // Actions > Extract Links: extraction makes the links that stay inside
    // the destination.
    bool extractLinks() const;

    // Open on a row (double-click, Enter, the row menu): the entry alone is
    // extracted into the private folder and handed to the opener.
    void openEntry(int row);
    void setEntryOpener(EntryOpener opener) { m_opener = std::move(opener); }
    const EntryOpener& entryOpener() const { return m_opener; }
    // File > Open Recent, and the notifications of long runs.
    RecentArchives* recentArchives() const { return m_recent; }
    RunNotifier* notifier() const { return m_notifier; }
    // File > Properties and the status bar's button: the open archive's
    // properties (RAR format, solid, volumes, ..., totals) in a dialog.
    void showArchiveProperties();
    // The row menu's Properties: one selected entry's, or several's totals.
    void showEntryProperties();
    // Alt+Enter: the selected entries', or the archive's when none is.
    void showProperties();
    // What the last run that opened the archive reported (open flags, comment).
    const RunOutcome& listing() const { return m_listing; }
    // The names of the selected rows, in the list's order.
    QStringList selectedEntryNames() const;
    // A drag of the selected rows: they are extracted into the private folder
    // first; null when that did not succeed (nothing to drop then).
    QMimeData* extractForDrag();
    // The program's own folder for opened and dragged entries (mode 0700),
    // removed with the window or when the archive is closed; empty until used.
    QString privateFolder() const;
    // Asked for each opened file changed since it was opened, before the
    // private folder is removed (Close, another archive, Exit).
    void setSaveCopyChooser(SaveCopyChooser chooser) { m_saveCopy = std::move(chooser); }

    // View > Preview: the pane beside the list that shows the current row's
    // data without extracting it.
    PreviewPane* preview() const { return m_preview; }
    QAction* previewAction() const { return m_mnupreview; }
    // The windows of archives opened from this one's entries.
    QList<fMain*> nestedWindows() const;

    FileListModel* fileModel() const { return m_model; }
    FolderBrowser* browser() const { return m_browser; }
    // Where the window keeps its size, place, splitter, columns and folder
    // pane; nothing is kept without one (tests, the bench).
    void useSettings(std::unique_ptr<QSettings> settings);
    QTableView* fileList() const { return m_lvFiles; }
    IUserPrompts& prompts() const { return *m_prompts; }

    QString panelText(int panel) const;
    bool panelVisible(int panel) const;
    // The client area: the window less its menu bar.
    QSize clientSize() const;

    // IArchiveView
    void showWindow() override;
    void processEvents() override;
    void repaint() override;
    void setTitle(const QString& title) override;
    void clearRows() override;
    int rowCount() const override;
    void appendRows(std::vector<FileRow>&& rows) override;
    void setPanelText(int panel, const QString& text) override;
    void setPanelVisible(int panel, bool visible) override;
    void sandboxIncomplete(const QString& text) override;
    void showIconsForFiles() override { ShowIconsForFiles(); }
    void runStarted() override;
    void runFinished() override;
    void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total) override;
    bool cancelRequested() const override { return m_cancelRequested; }
    void entryRefused(const QString& name, const QString& reason) override;

    // Asks a running operation to stop; it ends at the next entry or data block.
    void requestCancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildList();
    void buildStatusBar();
    // The folder pane, location bar and filter around the list, their keys.
    void buildBrowsing(QWidget* client);
    void buildViewMenu();
    // View > Preview, its keys and the pane's place beside the list.
    void buildPreview();
    void previewRow(int row, bool now);
    // An archive entry extracted into the private folder, listed in a window
    // of its own whose title shows where it came from.
    void openNested(const QString& file);
    void showHeaderMenu(const QPoint& position);
    void restoreSettings();
    void saveSettings();
    void setupControls(bool keepPanelTexts);
    void Form_Resize();
    void sizeColumns();

    void buildProgress();
    // File > Properties, its key, the row menu's item and the status bar's button.
    void buildProperties();
    void mnuopen_Click();
    void mnuclose_Click();
    void mnuexit_Click();
    void mnuextract_Click();
    void mnutest_Click();
    void extractSelected_Click();
    void showRowMenu(const QPoint& position);
    void sortByHeader(int column);
    // View > Sort By: a column's sort, as a click on its header.
    void buildSortMenu();
    QString chooseExtractFolder();
    bool entriesReady() const;
    // A run over the named entries only; false when it did not end in success.
    bool runSelection(const QString& folder, const QStringList& names, OverwritePolicy overwrite);
    // A new numbered folder in the private folder, with a trailing "/".
    QString newPrivateRun();
    // Removes the private folder once the user had a say on opened files
    // changed since (a copy saved, or discarded).
    void releasePrivateFolder();
    void mnuhelp_Click();
    void mnuabout_Click();
    void showComponentError(std::int32_t number, const QString& description);
    void tbMenu_ButtonClick(int index);
    // Buttons 4 and 5 follow the Extract and Test menu items.
    void syncToolbarButtons();

    QAction* makeAction(const char* name, const QString& caption, const QKeySequence& key);

    std::unique_ptr<IUserPrompts> m_ownPrompts;
    IUserPrompts* m_prompts = nullptr;
    IUserPrompts* m_givenPrompts = nullptr; // as constructed; null: the window's dialogs
    std::unique_ptr<FileIconProvider> m_icons;

    QMenu* m_mnufile = nullptr;
    QMenu* m_mnuedit = nullptr;
    QMenu* m_mnuhlp = nullptr;
    QAction* m_mnuopen = nullptr;
    QAction* m_mnuclose = nullptr;
    QAction* m_mnuexit = nullptr;
    QAction* m_mnuextract = nullptr;
    QAction* m_mnutest = nullptr;
    QAction* m_mnuhelp = nullptr;
    QAction* m_mnuabout = nullptr;

    QToolBar* m_tbMenu = nullptr;
    QList<QAction*> m_buttons; // indices 1 to 5 at 0 to 4

    QTableView* m_lvFiles = nullptr;
    FileListModel* m_model = nullptr;
    FolderBrowser* m_browser = nullptr;
    QSplitter* m_browse = nullptr;
    QMenu* m_mnuview = nullptr;
    QMenu* m_mnucolumns = nullptr;
    QAction* m_mnufolders = nullptr;
    QAction* m_selectAll = nullptr;
    std::unique_ptr<QSettings> m_settings;
    bool m_columnsByUser = false;
    bool m_sizingColumns = false;
    bool m_listingRun = false;

    QStatusBar* m_sbStat = nullptr;
    StatusBarPanel* m_panels[3] = {nullptr, nullptr, nullptr};

    QPixmap m_picOpen;
    QPixmap m_picExtract;
    QPixmap m_image1;

    QProgressBar* m_progress = nullptr;
    QLabel* m_progressEntry = nullptr;
    QToolButton* m_cancelButton = nullptr;
    QAction* m_cancelAction = nullptr;
    QAction* m_openEntry = nullptr;
    QAction* m_extractSelected = nullptr;
    // Checked: extraction makes the links that stay inside the destination.
    QAction* m_extractLinks = nullptr;
    QMenu* m_rowMenu = nullptr;
    EntryOpener m_opener;
    std::unique_ptr<QTemporaryDir> m_privateFolder;
    OpenedFiles m_openedFiles;
    SaveCopyChooser m_saveCopy;
    int m_privateRuns = 0;
    QStringList m_refusedInRun; // "name: reason" of the run going on
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;

    std::unique_ptr<cFileDialog> m_fileDialog;
    const UnrarApi* m_api = nullptr;
    QString m_archivePath;
    QString m_currentArchive;
    QString m_extractFolder;
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_closeAfterRun = false;
    bool m_placed = false;
    int m_runsStarted = 0;
    // Enabled flags of the archive commands while a run has them locked.
    QList<bool> m_lockedStates;

    // Extract Here, Open Recent and the notifications of long runs.
    QAction* m_mnuextracthere = nullptr;
    RecentArchives* m_recent = nullptr;
    RunNotifier* m_notifier = nullptr;

    RunOutcome m_listing;
    PreviewPane* m_preview = nullptr;
    QAction* m_mnupreview = nullptr;
    // "outer.rar › " before the title of an archive opened from another.
    QString m_titleTrail;
    QString m_nestedFile;
    QAction* m_mnuproperties = nullptr;
};

} // namespace marrowick
