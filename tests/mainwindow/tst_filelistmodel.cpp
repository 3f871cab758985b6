// The list's model: rows in batches, the cells of a folder, icons by type.
#include "mainwindow/FileIcons.h"
#include "mainwindow/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace marrowick;

namespace {

FileRow Row(const QString& name, quint64 size = 0, bool folder = false)
{
    return FileRow{name, size, size / 4, 0x00ABCDEF, folder, false};
}

} // namespace

class TestFileListModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndCells()
    {
        FileListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        std::vector<FileRow> batch;
        for (int i = 0; i < 1000; ++i)
            batch.push_back(Row(QStringLiteral("f%1.txt").arg(i), 1200));
        model.appendRows(std::move(batch));
        model.appendRows({Row("docs", 0, true)});
        model.appendRows({});
        QCOMPARE(inserted.count(), 2); // one notification per batch, none for an empty one
        QCOMPARE(model.rowCount(), 1001);
        const auto cells = [&](int row) {
            QStringList out;
            for (int c = 0; c < model.columnCount(); ++c)
                out << model.data(model.index(row, c)).toString();
            return out;
        };
        QCOMPARE(cells(999), (QStringList{"f999.txt", "1,200", "300", " 25%", "ABCDEF"}));
        // A folder: empty sizes and ratio, the CRC as given.
        QCOMPARE(cells(1000), (QStringList{"docs", "", "", "", "ABCDEF"}));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void iconsByType()
    {
        FileListModel model;
        model.appendRows({Row("a.txt"), Row("dir.png/B.TXT"), Row("c.png"), Row("d", 0, true)});
        QVERIFY(model.data(model.index(0, 0), Qt::DecorationRole).isNull());
        FileIconProvider provider;
        std::vector<QIcon> table;
        std::vector<quint16> rowIcons;
        provider.assign(model.rows(), table, rowIcons);
        // Same type, same picture, whatever the case and the folders.
        QCOMPARE(rowIcons[0], rowIcons[1]);
        QVERIFY(rowIcons[0] != rowIcons[2] && rowIcons[0] != rowIcons[3] && rowIcons[2] != rowIcons[3]);
        model.setIcons(table, rowIcons);
        QVERIFY(!model.iconOfRow(2).pixmap(16, 16).isNull());
        // After a clear, new rows have no picture until icons are given again.
        model.clear();
        model.appendRows({Row("x.png")});
        QVERIFY(model.iconOfRow(0).isNull());
    }
};

QTEST_MAIN(TestFileListModel)
#include "tst_filelistmodel.moc"
