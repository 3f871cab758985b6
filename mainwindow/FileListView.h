#pragma once

#include <QTableView>

#include <functional>

class QMimeData;

namespace marrowick {

// The file list. A drag of its rows asks the window for the files first.
class FileListView final : public QTableView
{
public:
    FileListView(QWidget* parent, std::function<QMimeData*()> prepare);

protected:
    void startDrag(Qt::DropActions) override;

private:
    std::function<QMimeData*()> m_prepare;
};

} // namespace marrowick
