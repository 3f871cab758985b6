#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace marrowick {

// One panel of the status bar: an optional picture and a text.
class StatusBarPanel final : public QWidget
{
public:
    explicit StatusBarPanel(QWidget* parent) : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(4, 0, 4, 0);
        layout->setSpacing(3);
        m_picture = new QLabel(this);
        m_picture->hide();
        m_text = new QLabel(this);
        m_text->setTextFormat(Qt::PlainText);
        layout->addWidget(m_picture);
        layout->addWidget(m_text, 1);
    }

    void setPicture(const QPixmap& pixmap)
    {
        m_picture->setPixmap(pixmap);
        m_picture->setVisible(!pixmap.isNull());
    }
    void setText(const QString& text) { m_text->setText(text); }
    QString text() const { return m_text->text(); }

private:
    QLabel* m_picture = nullptr;
    QLabel* m_text = nullptr;
};


} // namespace marrowick
