#include "mainwindow/ArrowIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace marrowick {
namespace {

class ArrowEngine : public QIconEngine
{
public:
    explicit ArrowEngine(Qt::ArrowType direction) : m_direction(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor colour = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                            QPalette::ButtonText);
        // A shaft and a head on a 16-unit square, pointing left; turned for the others.
        QPainterPath arrow;
        arrow.moveTo(13, 8);
        arrow.lineTo(3.5, 8);
        arrow.moveTo(8, 3.5);
        arrow.lineTo(3.5, 8);
        arrow.lineTo(8, 12.5);
        const qreal side = qMin(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.center() + QPointF(0.5, 0.5));
        painter->scale(side / 16.0, side / 16.0);
        painter->rotate(m_direction == Qt::RightArrow ? 180 : m_direction == Qt::UpArrow ? 90
                        : m_direction == Qt::DownArrow ? -90 : 0);
        painter->translate(-8, -8);
        painter->setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(arrow);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return image;
    }

    QIconEngine* clone() const override { return new ArrowEngine(m_direction); }

private:
    Qt::ArrowType m_direction;
};

} // namespace

QIcon ArrowIcon(Qt::ArrowType direction)
{
    return QIcon(new ArrowEngine(direction));
}

} // namespace marrowick
