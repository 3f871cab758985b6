#include "mainwindow/ExtractHereCommand.h"

#include "engine/ComponentError.h"
#include "engine/ExtractHere.h"
#include "engine/Messages.h"
#include "engine/modRAR.h"
#include "mainwindow/fMain.h"
#include "mainwindow/modMain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace marrowick {

QString ExtractHereCommand(fMain& window)
{
    if (window.isRunning() || window.ArchivePath().isEmpty())
        return {};
    QString password;
    RunContext context{window, window.prompts(), window.unrarApi(), QString()};
    context.links = window.extractLinks();
    HereResult result;
    try {
        result = ExtractHere(window.ArchivePath(), password, context);
    } catch (const ComponentError& error) {
        ShowErrorBox(window.prompts(), ErrorNumberText(error.number(), error.description()));
        return {};
    }
    if (result.landed.isEmpty())
        return {};

    // Not modal: the window stays usable while the box is up.
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Marrowick"),
                                result.passed
                                    ? QCoreApplication::translate("ExtractHere", "Extracted to %1")
                                          .arg(result.landed)
                                    : QCoreApplication::translate(
                                          "ExtractHere", "Not every entry was extracted; the rest is in %1")
                                          .arg(result.landed),
                                QMessageBox::Close, &window);
    box->setObjectName(QStringLiteral("extractHereResult"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    QPushButton* open = box->addButton(QCoreApplication::translate("ExtractHere", "Open Folder"), QMessageBox::ActionRole);
    open->setObjectName(QStringLiteral("openFolder"));
    const QFileInfo landed(result.landed);
    const QString folder = landed.isDir() ? landed.filePath() : landed.absolutePath();
    QObject::connect(open, &QPushButton::clicked, &window,
                     [&window, folder] { window.entryOpener()(QUrl::fromLocalFile(folder)); });
    box->open();
    return result.landed;
}

} // namespace marrowick
