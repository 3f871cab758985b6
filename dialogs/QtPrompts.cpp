#include "dialogs/QtPrompts.h"

#include "dialogs/fComment.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace marrowick {

namespace {

// More lines than a message box shows well (a report of refused entries):
// its first line above the rest in a scrolling box.
constexpr qsizetype kLinesInABox = 16;

void ShowLongError(QWidget* owner, const QString& text)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(QCoreApplication::translate("QtPrompts", "Error"));
    const qsizetype firstEnd = text.indexOf(QLatin1Char('\n'));
    auto* icon = new QLabel(&dialog);
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size, size));
    auto* first = new QLabel(text.left(firstEnd), &dialog);
    auto* rest = new QPlainTextEdit(text.mid(firstEnd + 1), &dialog);
    rest->setObjectName(QStringLiteral("errorLines"));
    first->setBuddy(rest);
    //: The box of the error's further lines
    rest->setAccessibleName(QCoreApplication::translate("QtPrompts", "Details"));
    rest->setReadOnly(true);
    rest->setLineWrapMode(QPlainTextEdit::NoWrap);
    rest->setMinimumSize(rest->fontMetrics().averageCharWidth() * 70,
                         rest->fontMetrics().lineSpacing() * kLinesInABox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(first, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addWidget(rest);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

void QtPrompts::showErrorBox(const QString& text)
{
    if (text.count(QLatin1Char('\n')) >= kLinesInABox) {
        ShowLongError(m_owner, text);
        return;
    }
    QMessageBox::critical(m_owner, tr("Error"), text, QMessageBox::Ok);
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
    auto* show = new QCheckBox(tr("&Show password"), dialog);
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
