#include "dialogs/PropertiesDialog.h"

#include "dialogs/fComment.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace marrowick {

PropertiesDialog::PropertiesDialog(const QString& title, const PropertyLines& lines,
                                   QWidget* parent)
    : QDialog(parent), m_lines(lines)
{
    setObjectName(QStringLiteral("propertiesDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setVerticalSpacing(0);
    // Wide enough for the longest value (a BLAKE2sp hash, a path), within reason.
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('x'));
    int width = em * 48;
    for (const PropertyLine& line : lines)
        width = std::max(width, std::min(fontMetrics().horizontalAdvance(line.value) + em * 2, em * 100));
    for (const PropertyLine& line : lines) {
        // A read-only line without a frame: selectable with mouse and keys,
        // long values (paths) scroll instead of widening the window.
        auto* value = new QLineEdit(line.value, this);
        value->setReadOnly(true);
        value->setFrame(false);
        value->setTextMargins(0, 0, 0, 0);
        value->setCursorPosition(0);
        value->setMinimumWidth(width);
        QPalette palette = value->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        value->setPalette(palette);
        form->addRow(line.labelText(), value);
    }
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy &All"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyAll"));
    m_commentButton = buttons->addButton(tr("&Comment..."), QDialogButtonBox::ActionRole);
    m_commentButton->setObjectName(QStringLiteral("showComment"));
    m_commentButton->hide();
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(m_commentButton, &QPushButton::clicked, this,
            [this] { ShowCommentWindow(this, m_comment); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

void PropertiesDialog::setComment(const QString& comment)
{
    m_comment = comment;
    m_commentButton->setVisible(!comment.isEmpty());
}

QString PropertiesDialog::text() const
{
    QString text;
    for (const PropertyLine& line : m_lines)
        text += line.text() + QLatin1Char('\n');
    return text;
}

} // namespace marrowick
