#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace marrowick {

// Shows an archive's comment, read-only, until the user closes it (OK, Esc
// or the title bar). A fresh window each time: nothing carries over.
class fComment final : public QDialog
{
    Q_OBJECT

public:
    explicit fComment(QWidget* owner = nullptr);

    void setComment(const QString& text);

    QPlainTextEdit* txtComment() const { return m_txtComment; }
    QPushButton* cmdOK() const { return m_cmdOK; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_txtComment;
    QPushButton* m_cmdOK;
};

// Puts the text into a new comment window and shows it modally over owner.
void ShowCommentWindow(QWidget* owner, const QString& text);

} // namespace marrowick
