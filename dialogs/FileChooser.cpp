#include "dialogs/FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace marrowick {

void ConfigureFileDialog(QFileDialog& dialog, const FileChooserRequest& request)
{
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog hands back files that exist; a save dialog any name. The
    // save dialog always asks before an existing file is replaced.
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else
        dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles
                                               : QFileDialog::ExistingFile);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        // An index outside the list falls back to the first filter, as the
        // platform dialogs do.
        const int index =
            request.filterIndex >= 1 && request.filterIndex <= request.nameFilters.size()
                ? request.filterIndex - 1
                : 0;
        dialog.selectNameFilter(request.nameFilters.at(index));
    }
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
}

FileChooserOutcome ReadFileDialog(const QFileDialog& dialog, bool accepted)
{
    FileChooserOutcome outcome;
    const int index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    outcome.filterIndex = index >= 0 ? index + 1 : 0;
    if (accepted)
        outcome.paths = dialog.selectedFiles();
    return outcome;
}

FileChooserOutcome ShowQtFileDialog(const FileChooserRequest& request)
{
    QFileDialog dialog(request.owner);
    ConfigureFileDialog(dialog, request);
    dialog.setWindowModality(Qt::ApplicationModal);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return ReadFileDialog(dialog, accepted);
}

} // namespace marrowick
