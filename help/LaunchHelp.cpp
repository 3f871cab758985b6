#include "help/LaunchHelp.h"

#include "help/CWinHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <memory>

namespace marrowick {

namespace {

// A plain pointer, not a static object: the instance must be released while
// the application and its windows still exist, never during static
// destruction, so a post routine of the application lets it go.
CWinHelp* g_help = nullptr;

void ShowCriticalBox(QWidget* owner, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner);
    box.exec();
}

void ReplaceProgramHelp(CWinHelp* help)
{
    static bool releaseAtExit = false;
    if (!releaseAtExit && QCoreApplication::instance()) {
        qAddPostRoutine(&ReleaseProgramHelp);
        releaseAtExit = true;
    }
    std::unique_ptr<CWinHelp> old(g_help);
    g_help = help;
}

} // namespace

void LaunchHelp(QWidget* owner)
{
    LaunchHelp(owner, QCoreApplication::applicationDirPath(), &ShowCriticalBox);
}

void LaunchHelp(QWidget* owner, const QString& folder, const CriticalMessageBox& messageBox)
{
    ReplaceProgramHelp(new CWinHelp);

    const QString path = QDir(folder).filePath(QString::fromLatin1(HelpFileName));
    if (!QFileInfo::exists(path)) {
        const QString product = QStringLiteral("Marrowick");
        if (messageBox)
            //: %1 is the program's name
            messageBox(owner,
                       QCoreApplication::translate("LaunchHelp", "%1 Documentation is not available.").arg(product),
                       product);
        return;
    }
    g_help->setFileName(path);
    g_help->ShowContents();
}

CWinHelp* ProgramHelp()
{
    return g_help;
}

void ReleaseProgramHelp()
{
    ReplaceProgramHelp(nullptr);
}

} // namespace marrowick
