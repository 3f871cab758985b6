#include "mainwindow/FileIcons.h"
#include "mainwindow/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace marrowick;

namespace {

FileRow Row(const QString& name, quint64 size = 0, quint64 packed = 0, quint32 crc = 0,
            bool folder = false)
{
    FileRow r;
    r.name = name;
    r.unpSize = size;
    r.packSize = packed;
    r.crc = crc;
    r.isFolder = folder;
    return r;
}

QString Cell(const FileListModel& m, int row, int column)
{
    return m.data(m.index(row, column)).toString();
}

} // namespace

class TestFileListModel : public QObject
{
    Q_OBJECT

private slots:
    void consistentUnderBatchesAndClear()
    {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        std::vector<FileRow> batch;
        for (int i = 0; i < 1000; ++i)
            batch.push_back(Row(QStringLiteral("f%1.txt").arg(i), i));
        model.appendRows(std::move(batch));
        model.appendRows({Row(QStringLiteral("last.txt"))});
        model.appendRows({});
        QCOMPARE(inserted.count(), 2); // one notification per batch, none for an empty one
        QCOMPARE(model.rowCount(), 1001);
        QCOMPARE(Cell(model, 1000, FileListModel::Name), QStringLiteral("last.txt"));

        model.clear();
        QCOMPARE(model.rowCount(), 0);
        model.clear();
        QCOMPARE(model.columnCount(), 5);
    }

    void headersAndCells()
    {
        FileListModel model;
        model.setLocale(QLocale(QStringLiteral("en_US")));
        const QStringList headers = {"Name", "Size", "Packed", "Ratio", "CRC32"};
        for (int c = 0; c < headers.size(); ++c)
            QCOMPARE(model.headerData(c, Qt::Horizontal).toString(), headers[c]);

        model.appendRows({Row(QStringLiteral("docs/readme.txt"), 1200, 300, 0x00ABCDEF),
                          Row(QStringLiteral("docs"), 0, 0, 0x1234, true),
                          Row(QStringLiteral("big.bin"), 5368709120ULL, 214748, 0xFFFFFFFF),
                          Row(QStringLiteral("docs/readme.txt"), 1, 1, 1)});
        QCOMPARE(Cell(model, 0, 0), QStringLiteral("docs/readme.txt"));
        QCOMPARE(Cell(model, 0, 1), QStringLiteral("1,200"));
        QCOMPARE(Cell(model, 0, 2), QStringLiteral("300"));
        QCOMPARE(Cell(model, 0, 3), QStringLiteral(" 25%"));
        QCOMPARE(Cell(model, 0, 4), QStringLiteral("ABCDEF"));
        // A folder: empty sizes and ratio, its own CRC.
        QCOMPARE(Cell(model, 1, 1), QString());
        QCOMPARE(Cell(model, 1, 2), QString());
        QCOMPARE(Cell(model, 1, 3), QString());
        QCOMPARE(Cell(model, 1, 4), QStringLiteral("1234"));
        QCOMPARE(Cell(model, 2, 1), QStringLiteral("5,368,709,120"));
        // A duplicate name is a row of its own.
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(Cell(model, 3, 0), QStringLiteral("docs/readme.txt"));
    }

    void iconsPerRowAndResetByClear()
    {
        FileListModel model;
        model.appendRows({Row(QStringLiteral("a.txt")), Row(QStringLiteral("b.txt")),
                          Row(QStringLiteral("c.png")), Row(QStringLiteral("d"), 0, 0, 0, true)});
        QVERIFY(model.data(model.index(0, 0), Qt::DecorationRole).isNull());

        FileIconProvider provider;
        std::vector<QIcon> table;
        std::vector<quint16> rowSlots;
        provider.assign(model.rows(), table, rowSlots);
        QCOMPARE(rowSlots.size(), size_t(4));
        QCOMPARE(rowSlots[0], rowSlots[1]); // same type, same picture
        QVERIFY(rowSlots[0] != rowSlots[2]);
        QVERIFY(rowSlots[0] != rowSlots[3]);
        model.setIcons(table, rowSlots);
        QVERIFY(!model.iconOfRow(2).isNull());
        QVERIFY(model.data(model.index(0, 1), Qt::DecorationRole).isNull());

        // After a clear, new rows have no picture until icons are given again.
        model.clear();
        model.appendRows({Row(QStringLiteral("x.png"))});
        QVERIFY(model.iconOfRow(0).isNull());
    }

    void themeIconsResolveHeadless()
    {
        FileIconProvider provider;
        const QIcon text = provider.iconForName(QStringLiteral("a.txt"), false);
        const QIcon image = provider.iconForName(QStringLiteral("b.png"), false);
        const QIcon folder = provider.iconForName(QStringLiteral("docs"), true);
        const QIcon unknown = provider.iconForName(QStringLiteral("x.qqqzzz"), false);
        for (const QIcon& icon : {text, image, folder, unknown})
            QVERIFY(!icon.isNull());
        QVERIFY(text.cacheKey() != image.cacheKey());
        QVERIFY(text.cacheKey() != folder.cacheKey());
        QVERIFY(image.cacheKey() != folder.cacheKey());
        QVERIFY(!text.pixmap(16, 16).isNull());
        // Upper-case suffixes and folder parts do not change the type.
        QCOMPARE(provider.iconForName(QStringLiteral("dir.png/A.TXT"), false).cacheKey(),
                 text.cacheKey());
    }
};

QTEST_MAIN(TestFileListModel)
#include "tst_filelistmodel.moc"
