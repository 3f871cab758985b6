#pragma once

#include "engine/ArchiveProperties.h"

#include <QDialog>

class QPushButton;

namespace marrowick {

// The properties of an archive or of entries: one line per property, every
// value selectable and copyable (each alone, or all with "Copy All"). Not
// modal, deleted when closed.
class PropertiesDialog final : public QDialog
{
    Q_OBJECT

public:
    PropertiesDialog(const QString& title, const PropertyLines& lines, QWidget* parent = nullptr);

    // Adds "Comment..." that shows the text in the comment window.
    void setComment(const QString& comment);
    // What Copy All puts on the clipboard: "label: value" lines.
    QString text() const;

private:
    PropertyLines m_lines;
    QString m_comment;
    QPushButton* m_commentButton = nullptr;
};

} // namespace marrowick
