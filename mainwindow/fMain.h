#pragma once

#include "engine/ArchiveView.h"

#include <QMainWindow>
#include <QPixmap>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QTreeView;

namespace marrowick {

class FileIconProvider;
class FileListModel;
class IUserPrompts;
class StatusPanel;

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

    void CloseArc();
    void ShowIconsForFiles();

    QString ArchivePath() const { return m_archivePath; }
    void setArchivePath(const QString& path) { m_archivePath = path; }

    FileListModel* fileModel() const { return m_model; }
    QTreeView* fileList() const { return m_lvFiles; }
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
    void showIconsForFiles() override { ShowIconsForFiles(); }
    void runStarted() override;
    void runFinished() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildList();
    void buildStatusBar();
    void setupControls();
    void Form_Resize();

    void mnuclose_Click();
    void mnuexit_Click();
    void tbMenu_ButtonClick(int index);
    // Buttons 4 and 5 follow the Extract and Test menu items.
    void syncToolbarButtons();

    QAction* makeAction(const char* name, const QString& caption, const QKeySequence& key);

    std::unique_ptr<IUserPrompts> m_ownPrompts;
    IUserPrompts* m_prompts = nullptr;
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

    QTreeView* m_lvFiles = nullptr;
    FileListModel* m_model = nullptr;

    QStatusBar* m_sbStat = nullptr;
    StatusPanel* m_panels[3] = {nullptr, nullptr, nullptr};

    QPixmap m_picOpen;
    QPixmap m_picExtract;
    QPixmap m_image1;

    QString m_archivePath;
    bool m_running = false;
};

} // namespace marrowick
