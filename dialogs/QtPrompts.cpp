#include "dialogs/QtPrompts.h"

#include "dialogs/fComment.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

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
    // Held by a QPointer, as QInputDialog does: the owner may go away while the
    // dialog runs its own event loop, and takes the dialog with it.
    QPointer<QDialog> dialog = new QDialog(m_owner);
    dialog->setWindowTitle(title);
    auto* label = new QLabel(prompt, dialog);
    auto* edit = new QLineEdit(dialog);
    edit->setEchoMode(QLineEdit::Password);
    label->setBuddy(edit);
    // Long passphrases are easier to get right when they can be read back.
    auto* show = new QCheckBox(QStringLiteral("&Show password"), dialog);
    QObject::connect(show, &QCheckBox::toggled, edit, [edit](bool on) {
        edit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(show);
    layout->addWidget(buttons);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    const QString text = edit->text();
    delete dialog;
    if (!accepted)
        return std::nullopt;
    return text;
}

void QtPrompts::showComment(const QString& text)
{
    ShowCommentWindow(m_owner, text);
}

} // namespace marrowick
