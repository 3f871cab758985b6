#include "mainwindow/modMain.h"

#include "dialogs/cFileDialog.h"
#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/modRAR.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/fMain.h"

namespace marrowick {

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
    const QString missing = QStringLiteral("Missing argument(s)!");
    if (line.messages.contains(missing))
        ShowErrorBox(window.prompts(), missing);
    if (!line.mode) {
        ShowErrorBox(window.prompts(), QStringLiteral("Invalid Argument(s)!"));
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
        dialog.setDialogTitle(QStringLiteral("Select an Archive file..."));
        dialog.setFilter(QStringLiteral("RAR Archive Files (*.rar)|*.rar"));
        dialog.ShowOpen();
        const QString fileName = dialog.FileName();
        if (fileName.isEmpty())
            return;
        ListAndOpen(window, fileName);
    } catch (const ComponentError& error) {
        if (error.number() != 0 && error.number() != cFileDialog::CancelErrorNumber)
            ShowErrorBox(window.prompts(), QStringLiteral("Error no.") +
                                               QString::number(error.number()) +
                                               QLatin1Char('\n') + error.description());
    }
}

} // namespace marrowick
