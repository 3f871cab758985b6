#include "mainwindow/PreviewViews.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

namespace marrowick {

class LineNumberArea final : public QWidget
{
public:
    explicit LineNumberArea(NumberedTextView* view) : QWidget(view), m_view(view) {}
    QSize sizeHint() const override { return QSize(m_view->numberWidth(), 0); }

protected:
    void paintEvent(QPaintEvent* event) override { m_view->paintNumbers(event); }

private:
    NumberedTextView* m_view;
};

NumberedTextView::NumberedTextView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_numbers = new LineNumberArea(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &NumberedTextView::placeNumbers);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy)
            m_numbers->scroll(0, dy);
        else
            m_numbers->update(0, rect.y(), m_numbers->width(), rect.height());
    });
    placeNumbers();
}

void NumberedTextView::setNumbered(bool numbered)
{
    m_numbered = numbered;
    m_numbers->setVisible(numbered);
    placeNumbers();
}

int NumberedTextView::numberWidth() const
{
    if (!m_numbered)
        return 0;
    const int digits = QString::number(std::max(1, blockCount())).size();
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void NumberedTextView::placeNumbers()
{
    setViewportMargins(numberWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_numbers->setGeometry(area.left(), area.top(), numberWidth(), area.height());
}

void NumberedTextView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    placeNumbers();
}

void NumberedTextView::paintNumbers(QPaintEvent* event)
{
    QPainter painter(m_numbers);
    painter.fillRect(event->rect(), palette().alternateBase());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top())
            painter.drawText(0, top, m_numbers->width() - 4, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        top += height;
        block = block.next();
    }
}

ImagePreview::ImagePreview(QWidget* parent) : QScrollArea(parent), m_label(new QLabel)
{
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setToolTip(tr("Click to show the picture at its own size or to fit"));
    // The picture takes the keys: Enter does what a click does.
    setFocusPolicy(Qt::StrongFocus);
    setWidget(m_label);
    setWidgetResizable(true);
    setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
}

void ImagePreview::setImage(const QImage& image)
{
    m_image = image;
    m_actualSize = false;
    refresh();
}

void ImagePreview::setActualSize(bool on)
{
    m_actualSize = on;
    refresh();
}

void ImagePreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (!m_actualSize)
        refresh();
}

void ImagePreview::keyPressEvent(QKeyEvent* event)
{
    if (!m_image.isNull() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        setActualSize(!m_actualSize);
        event->accept();
        return;
    }
    QScrollArea::keyPressEvent(event);
}

bool ImagePreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        setActualSize(!m_actualSize);
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void ImagePreview::refresh()
{
    if (m_image.isNull()) {
        m_label->clear();
        return;
    }
    setWidgetResizable(!m_actualSize);
    const QSize room = viewport()->size();
    // Fitted pictures are only ever made smaller: a small icon stays sharp.
    const bool shrink = !m_actualSize &&
                        (m_image.width() > room.width() || m_image.height() > room.height());
    const QImage shown = shrink ? m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                : m_image;
    m_label->setPixmap(QPixmap::fromImage(shown));
    if (m_actualSize)
        m_label->resize(shown.size());
}

} // namespace marrowick
