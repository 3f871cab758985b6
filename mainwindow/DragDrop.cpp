// Rows dragged out of the list (extracted first) and archives dropped on it.
#include "mainwindow/fMain.h"

#include "engine/ArchiveSignature.h"
#include "engine/modRAR.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FileListView.h"

#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include <unordered_set>

namespace marrowick {

namespace {

struct ViewHash
{
    std::size_t operator()(QStringView view) const noexcept { return qHash(view); }
};

} // namespace

QStringList TopmostNames(const QStringList& names)
{
    // One look-up per folder part of each name: linear in the names' length.
    std::unordered_set<QStringView, ViewHash> chosen;
    chosen.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        chosen.insert(QStringView(name));
    QStringList topmost;
    for (const QString& name : names) {
        const QStringView view(name);
        bool below = false;
        for (qsizetype slash = view.indexOf(u'/'); slash >= 0 && !below;
             slash = view.indexOf(u'/', slash + 1))
            below = chosen.count(view.left(slash)) != 0;
        if (!below)
            topmost << name;
    }
    return topmost;
}

QMimeData* fMain::extractForDrag()
{
    if (!entriesReady())
        return nullptr;
    const QStringList names = selectedEntryNames();
    const QString folder = names.isEmpty() ? QString() : newPrivateRun();
    if (folder.isEmpty() || !runSelection(folder, names, OverwritePolicy::Always))
        return nullptr;
    QList<QUrl> urls;
    for (const QString& name : TopmostNames(names))
        if (QFileInfo::exists(folder + name))
            urls << QUrl::fromLocalFile(folder + name);
    if (urls.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void fMain::dropFiles(const QStringList& localFiles)
{
    if (localFiles.isEmpty() || m_running)
        return;
    const QString name = localFiles.first();
    // What the library would open, whatever the name: "ARCHIVE.RAR", a
    // volume "archive.r00", a self-extracting archive.
    if (!HasRarSignature(name))
        return;
    QString password;
    const RunOutcome outcome = runArchiveReported(OP_LIST, name, password);
    if (!outcome.opened)
        return;
    enterArchiveOpenState(name, outcome.volumeSet);
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
    if (watched == m_lvFiles && event->type() == QEvent::Resize)
        sizeColumns();
    // The form's resize is the client area's: it follows the window's size
    // and the bars' heights, which the window has laid out by then (before
    // the window is shown, they are not known yet).
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        Form_Resize();
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


FileListView::FileListView(QWidget* parent, std::function<QMimeData*()> prepare)
    : QTableView(parent), m_prepare(std::move(prepare))
{
}

void FileListView::startDrag(Qt::DropActions)
{
    QMimeData* data = m_prepare();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

} // namespace marrowick
