#pragma once

#include "engine/FolderTree.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class QTreeView;
class QWidget;

namespace marrowick {

class FileListModel;
class FolderTreeModel;

// Browsing a listing like a folder: the folder pane, the location bar with
// Up, Back and Forward, and the filter above the list. The list follows the
// folder chosen: the top node shows every row as listed, a folder its own
// contents. The filter narrows what the folder shows on every keystroke, in
// slices that let the window repaint between them.
class FolderBrowser final : public QObject
{
    Q_OBJECT

public:
    // say: where "no such folder" is reported (the activity panel).
    FolderBrowser(FileListModel& model, QTableView& list, QWidget* parent,
                  std::function<void(const QString&)> say);
    ~FolderBrowser() override;

    QTreeView* pane() const { return m_pane; }
    // The location bar and the filter, one row above the list.
    QWidget* bar() const { return m_bar; }
    QLineEdit* location() const { return m_location; }
    QLineEdit* filter() const { return m_filter; }
    QCheckBox* allFolders() const { return m_allFolders; }
    // "100 of 100,100" while a filter is on; "" otherwise.
    QString countText() const;
    bool filtering() const { return m_job.active; }

    // A listing starts: the pane lets go of the tree it adds to.
    void listingStarted();
    // A listing ended: the top node, no history, no filter.
    void listingFinished(const QString& archiveName);

    std::uint32_t current() const { return m_current; }
    void goTo(std::uint32_t folder, bool remember = true);
    // A typed path; false (and said) when the archive has no such folder.
    bool goToPath(const QString& path);
    void up();
    void back();
    void forward();
    // Enter or double-click on a row of a folder's list: true when it was a
    // folder and the list went into it.
    bool enterRow(int row);

signals:
    void filterDone();

private:
    void showCurrent();
    void startFilter();
    void filterSlice();
    void finishFilter();
    void syncControls();

    struct Job
    {
        bool active = false;
        quint64 generation = 0;
        NameFilter filter;
        enum { Every, Below, Items } scope = Every;
        std::vector<std::uint32_t> items; // Items: the folder's own
        std::size_t next = 0;
        std::size_t total = 0;
        std::vector<std::uint32_t> matches;
    };

    FileListModel& m_model;
    QTableView& m_list;
    std::function<void(const QString&)> m_say;
    FolderTreeModel* m_tree = nullptr;
    QTreeView* m_pane = nullptr;
    QWidget* m_bar = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_up = nullptr;
    QLineEdit* m_location = nullptr;
    QLineEdit* m_filter = nullptr;
    QCheckBox* m_allFolders = nullptr;
    QLabel* m_count = nullptr;
    std::uint32_t m_current = FolderTree::Top;
    std::vector<std::uint32_t> m_history;
    std::vector<std::uint32_t> m_future;
    bool m_listed = false;
    Job m_job;
    quint64 m_generation = 0;
    QString m_countText;
};

} // namespace marrowick
