// An archive inside the open one: Open on its entry lists it in a window of
// its own, from the private folder it was extracted into.
#include "mainwindow/fMain.h"

#include "engine/ComponentError.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/modMain.h"

#include <QAction>
#include <QFileInfo>

namespace marrowick {

QList<fMain*> fMain::nestedWindows() const
{
    return findChildren<fMain*>(Qt::FindDirectChildrenOnly);
}

void fMain::openNested(const QString& file)
{
    // A child of this window: it is closed before the private folder that
    // holds its archive is removed (Close, another archive, Exit).
    auto* inner = new fMain(m_givenPrompts, this);
    inner->setWindowFlag(Qt::Window);
    inner->setAttribute(Qt::WA_DeleteOnClose);
    inner->setUnrarApi(m_api);
    inner->setEntryOpener(m_opener);
    inner->setSaveCopyChooser(m_saveCopy);
    inner->Form_Load(QString());
    inner->m_mnupreview->setChecked(m_mnupreview->isChecked());
    inner->m_titleTrail = m_titleTrail + QFileInfo(m_archivePath).fileName() + QStringLiteral(" › ");
    inner->m_nestedFile = file;
    const QString name = QFileInfo(file).fileName();
    try {
        ListAndOpen(*inner, file);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
    }
    if (inner->ArchivePath() != file) {
        inner->deleteLater();
        m_panels[1]->setText(tr("Not opened: %1").arg(name));
        return;
    }
    inner->resize(size());
    inner->move(pos() + QPoint(32, 32));
    inner->show();
    m_panels[1]->setText(tr("Opened %1").arg(name));
}

} // namespace marrowick
