#include "mainwindow/modMain.h"

#include "dialogs/cFileDialog.h"
#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/modRAR.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/fMain.h"

#include <QCoreApplication>

namespace marrowick {

QString ErrorNumberText(std::int32_t number, const QString& description)
{
    //: An error raised by a part of the program: %1 its number, %2 what it says.
    return QCoreApplication::translate("modMain", "Error no.%1\n%2")
        .arg(QString::number(number), description);
}

bool InitCommonControlsStart()
{
    return true;
}

void ParseCommandLine(fMain& window, const QString& commandLine)
{
    const ParsedCommandLine line = SplitCommandLine(commandLine);
    if (line.isEmpty) {
        window.CloseArc();
        return;
    }
    window.setArchivePath(line.archivePath);
    const QString missing = QCoreApplication::translate("CommandLine", "Missing argument(s)!");
    if (line.messages.contains(missing))
        ShowErrorBox(window.prompts(), missing);
    if (!line.mode) {
        ShowErrorBox(window.prompts(), QCoreApplication::translate("CommandLine", "Invalid Argument(s)!"));
        return;
    }
    QString password = line.password;
    window.runArchiveReported(*line.mode, line.archivePath, password);
}

void ListAndOpen(fMain& window, const QString& path)
{
    QString password;
    // An archive that did not open (its failure was shown) is not the open one.
    const RunOutcome outcome = window.runArchive(OP_LIST, path, password);
    if (!outcome.opened)
        return;
    window.enterArchiveOpenState(path, outcome.volumeSet);
    window.setArchivePath(path);
    window.setCurrentArchive(path);
}

void OpenArchive(fMain& window)
{
    cFileDialog& dialog = *window.FileDialog();
    dialog.setHWnd(&window);
    try {
        dialog.setDialogTitle(QCoreApplication::translate("modMain", "Select an Archive file..."));
        //: The open dialog's filter: a description, "|", then the pattern.
        dialog.setFilter(QCoreApplication::translate("modMain", "RAR Archive Files (*.rar)|*.rar"));
        dialog.ShowOpen();
        const QString fileName = dialog.FileName();
        if (fileName.isEmpty())
            return;
        ListAndOpen(window, fileName);
    } catch (const ComponentError& error) {
        if (error.number() != 0 && error.number() != cFileDialog::CancelErrorNumber)
            ShowErrorBox(window.prompts(), ErrorNumberText(error.number(), error.description()));
    }
}

} // namespace marrowick
