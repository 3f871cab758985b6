#include "dialogs/ModBrowse.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace marrowick {

namespace {

FolderChooser& CurrentChooser()
{
    static FolderChooser chooser = &ShowQtFolderDialog;
    return chooser;
}

} // namespace

QString BrowseForFolder(const QString& startFolder, QWidget* owner, const QString& title)
{
    return CurrentChooser()(FolderChooserRequest{startFolder, owner, title});
}

FolderChooser SetFolderChooser(FolderChooser chooser)
{
    FolderChooser previous = std::move(CurrentChooser());
    CurrentChooser() = chooser ? std::move(chooser) : FolderChooser(&ShowQtFolderDialog);
    return previous;
}

void BrowseCallback(QLabel* statusLine, const QString& selected)
{
    if (statusLine == nullptr || selected.isEmpty() || !QFileInfo(selected).isDir())
        return;
    statusLine->setText(selected);
}

std::unique_ptr<QFileDialog> CreateFolderDialog(const FolderChooserRequest& request)
{
    auto dialog = std::make_unique<QFileDialog>(request.owner);
    dialog->setWindowTitle(request.title);
    dialog->setFileMode(QFileDialog::Directory);
    // Qt's own dialog, because a platform dialog has no room for the status
    // line and does not report the selection. A link to a folder is chosen as
    // the link, not as the folder it points to.
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog |
                       QFileDialog::DontResolveSymlinks);
    dialog->setWindowModality(Qt::ApplicationModal);

    // The status line is a bonus: if the dialog's layout is not the grid it
    // has always been, the chooser works without one.
    QLabel* status = nullptr;
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
        status = new QLabel(dialog.get());
        status->setObjectName(QStringLiteral("statusLine"));
        status->setTextInteractionFlags(Qt::TextSelectableByMouse);
        //: The line under the folder chooser that shows the folder selected
        status->setAccessibleName(QCoreApplication::translate("ModBrowse", "Selected folder"));
        grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
        QObject::connect(dialog.get(), &QFileDialog::currentChanged, status,
                         [status](const QString& path) { BrowseCallback(status, path); });
    }

    // A start folder that does not exist is no error: the dialog opens where
    // it can.
    if (!request.startFolder.isEmpty()) {
        dialog->setDirectory(request.startFolder);
        BrowseCallback(status, request.startFolder);
    }
    return dialog;
}

QString ReadFolderDialog(const QFileDialog& dialog, bool accepted)
{
    if (!accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString ShowQtFolderDialog(const FolderChooserRequest& request)
{
    const std::unique_ptr<QFileDialog> dialog = CreateFolderDialog(request);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    return ReadFolderDialog(*dialog, accepted);
}

} // namespace marrowick
