#include "dialogs/QtPrompts.h"

#include "dialogs/fComment.h"

#include <QInputDialog>
#include <QMessageBox>

namespace marrowick {

void QtPrompts::showErrorBox(const QString& text)
{
    QMessageBox::critical(m_owner, QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool QtPrompts::askYesNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::showInformation(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_owner);
    box.exec();
}

std::optional<QString> QtPrompts::askPassword(const QString& prompt, const QString& title)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_owner, title, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtPrompts::showComment(const QString& text)
{
    ShowCommentWindow(m_owner, text);
}

} // namespace marrowick
