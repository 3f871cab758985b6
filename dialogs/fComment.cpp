#include "dialogs/fComment.h"

#include "dialogs/Twips.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace marrowick {

namespace {
QRect TwipsRect(int left, int top, int width, int height, const QWidget* widget)
{
    return QRect(TwipsToPixels(left, widget), TwipsToPixels(top, widget),
                 TwipsToPixels(width, widget), TwipsToPixels(height, widget));
}
} // namespace

fComment::fComment(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_txtComment(new QPlainTextEdit(this)), m_cmdOK(new QPushButton(tr("&OK"), this))
{
    setObjectName(QStringLiteral("fComment"));
    //: The title of the window that shows an archive's comment
    setWindowTitle(tr("Comments"));
    // An empty icon would fall back to the program's own; a blank one shows none.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);

    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    m_txtComment->setObjectName(QStringLiteral("txtComment"));
    m_txtComment->setAccessibleName(tr("Comment"));
    m_txtComment->setReadOnly(true);
    // Read-only still lets the user select and copy, with keyboard or mouse.
    m_txtComment->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_txtComment->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtComment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtComment->setGeometry(TwipsRect(60, 60, 6765, 4035, this));

    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(TwipsRect(5370, 4170, 1455, 345, this));
    m_cmdOK->setDefault(true);
    m_cmdOK->setAutoDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // Focus order: the button first, then the text.
    setTabOrder(m_cmdOK, m_txtComment);
    setFixedSize(TwipsToPixels(6885, this), TwipsToPixels(4560, this));
    // QDialog closes on Esc whichever control has the focus.
}

void fComment::setComment(const QString& text)
{
    m_txtComment->setPlainText(text);
}

void fComment::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect ownerFrame = owner->frameGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(ownerFrame.center());
        move(frame.topLeft());
    }
    m_cmdOK->setFocus(Qt::OtherFocusReason);
}

void ShowCommentWindow(QWidget* owner, const QString& text)
{
    fComment window(owner);
    window.setComment(text);
    window.exec();
}

} // namespace marrowick
