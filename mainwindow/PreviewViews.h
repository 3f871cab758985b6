#pragma once

// The views the preview pane shows an entry in: read-only text with line
// numbers, and a picture scaled to fit that a click (or Enter) shows at 1:1.

#include <QImage>
#include <QPlainTextEdit>
#include <QScrollArea>

class QLabel;

namespace marrowick {

class NumberedTextView final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit NumberedTextView(QWidget* parent = nullptr);
    // Numbers beside the lines (the hex view has offsets of its own).
    void setNumbered(bool numbered);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class LineNumberArea;
    int numberWidth() const;
    void paintNumbers(QPaintEvent* event);
    void placeNumbers();

    QWidget* m_numbers = nullptr;
    bool m_numbered = true;
};

class ImagePreview final : public QScrollArea
{
    Q_OBJECT

public:
    explicit ImagePreview(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    bool actualSize() const { return m_actualSize; }
    void setActualSize(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QLabel* m_label = nullptr;
    QImage m_image;
    bool m_actualSize = false;
};

} // namespace marrowick
