#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace marrowick {

// The status bar's stored sizes, in twips: its height and a new panel's width.
constexpr double StatusHeightTwips = 360;
constexpr double PanelDefaultWidthTwips = 1440;

// One panel of the status bar: an optional picture and a text. The text is
// never cut off: a panel of a fixed width grows to fit it (up to two thirds of the
// status bar), and what still does not fit is elided, the whole text in the
// panel's tooltip.
class StatusBarPanel final : public QWidget
{
public:
    explicit StatusBarPanel(QWidget* parent);

    // name: what a screen reader says of the picture.
    void setPicture(const QPixmap& pixmap, const QString& name = {});
    void setText(const QString& text);
    QString text() const { return m_full; }
    // What the panel shows (elided or whole).
    QString shownText() const { return m_text->text(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QLabel* m_picture = nullptr;
    QLabel* m_text = nullptr;
    QString m_full;
    bool m_fitting = false;
};

} // namespace marrowick
