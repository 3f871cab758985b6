#include "mainwindow/StatusBarPanel.h"

#include <QHBoxLayout>

namespace marrowick {

StatusBarPanel::StatusBarPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(3);
    m_picture = new QLabel(this);
    m_picture->hide();
    m_text = new QLabel(this);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(0);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_picture);
    layout->addWidget(m_text, 1);
}

void StatusBarPanel::setPicture(const QPixmap& pixmap, const QString& name)
{
    m_picture->setPixmap(pixmap);
    m_picture->setAccessibleName(name);
    m_picture->setVisible(!pixmap.isNull());
    fit();
}

void StatusBarPanel::setText(const QString& text)
{
    m_full = text;
    fit();
}

void StatusBarPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fit();
}

void StatusBarPanel::fit()
{
    if (m_fitting)
        return;
    m_fitting = true;
    const QFontMetrics metrics(m_text->font());
    const QMargins margins = layout()->contentsMargins();
    const int picture = m_picture->isVisibleTo(this) ? m_picture->sizeHint().width() + layout()->spacing() : 0;
    const int needed = margins.left() + margins.right() + picture + metrics.horizontalAdvance(m_full) + 4;
    const bool fixed = minimumWidth() == maximumWidth();
    if (fixed && needed > width()) {
        const int room = parentWidget() ? parentWidget()->width() * 2 / 3 : needed;
        if (room > width())
            setFixedWidth(std::min(needed, room));
    }
    const int available = width() - margins.left() - margins.right() - picture - 4;
    const bool cut = metrics.horizontalAdvance(m_full) > available;
    m_text->setText(cut ? metrics.elidedText(m_full, Qt::ElideRight, std::max(available, 0)) : m_full);
    setToolTip(cut ? m_full : QString());
    m_fitting = false;
}

} // namespace marrowick
