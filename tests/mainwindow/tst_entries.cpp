// Single entries from the window: open, extract the selected rows, sort.
#include "dialogs/ModBrowse.h"
#include "dialogs/PropertiesDialog.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"
#include "tests/engine/TreeSnapshot.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;

namespace {

// A window with an archive listed; opened files are recorded, not shown.
struct Window
{
    test::RecordingView unused;
    test::ScriptedPrompts answers{unused};
    fMain window{&answers};
    QList<QUrl> opened;

    explicit Window(const QString& archive)
    {
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/") + archive);
        window.setEntryOpener([this](const QUrl& url) { return opened << url, true; });
    }
    void select(const QStringList& names)
    {
        QTableView* list = window.fileList();
        for (int row = 0; row < window.fileModel()->rowCount(); ++row)
            if (names.contains(window.fileModel()->row(row).name))
                list->selectionModel()->select(window.fileModel()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

} // namespace

class TestEntries : public QObject
{
    Q_OBJECT

private slots:
    void openWithEnter_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("content"); // of the opened file; empty: nothing opened
        QTest::addColumn<QString>("status");
        QTest::newRow("a file") << "basic.rar" << "docs/sub/deep.txt" << QByteArray("deep\n")
                                << "Opened docs/sub/deep.txt";
        QTest::newRow("a folder") << "basic.rar" << "docs" << QByteArray()
                                  << "Not opened: docs is a folder";
        QTest::newRow("a link") << "hostile/symlink.rar" << "l" << QByteArray() << "Not opened: l: ";
    }
    void openWithEnter()
    {
        QFETCH(QString, archive);
        QFETCH(QString, entry);
        QFETCH(QByteArray, content);
        QFETCH(QString, status);
        Window w(archive);
        w.select({entry});
        QTableView* list = w.window.fileList();
        list->setCurrentIndex(list->selectionModel()->selectedRows().value(0));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY2(w.window.panelText(2).startsWith(status), qPrintable(w.window.panelText(2)));
        QCOMPARE(w.opened.size(), content.isEmpty() ? 0 : 1);
        if (content.isEmpty())
            return;
        QCOMPARE(w.opened[0].toLocalFile().right(entry.size()), entry);
        QCOMPARE(test::ReadFile(w.opened[0].toLocalFile()), content);
        const QString folder = w.window.privateFolder();
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(folder).permissions() & others, QFile::Permissions());
        w.window.CloseArc();
        QVERIFY(!QFileInfo::exists(folder));
    }

    // Extract Selected To... writes the selected rows only; a drag hands over
    // each selected row that is not below another one.
    void extractSelected_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("dragged");
        QTest::newRow("files") << "basic.rar" << QStringList{"readme.txt", "docs/sub/deep.txt"}
                               << QStringList{"docs/", "docs/sub/", "docs/sub/deep.txt=deep\n", "readme.txt=hello\n"}
                               << QStringList{"readme.txt", "docs/sub/deep.txt"};
        QTest::newRow("names that begin with a folder's") << "prefix.rar"
            << QStringList{"dir/a.txt", "dir2/x.txt", "dir"} << QStringList{"dir/", "dir/a.txt=a\n", "dir2/", "dir2/x.txt=x\n"}
            << QStringList{"dir2/x.txt", "dir"};
    }
    void extractSelected()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, files);
        QFETCH(QStringList, dragged);
        Window w(archive);
        w.select(selected);
        QTemporaryDir dest;
        const FolderChooser previous =
            SetFolderChooser([&](const FolderChooserRequest&) { return dest.path(); });
        w.window.findChild<QAction*>(QStringLiteral("mnuextractselected"))->trigger();
        SetFolderChooser(previous);
        QCOMPARE(test::Contents(dest.path()), files);
        QCOMPARE(w.window.panelText(2), QStringLiteral("Success"));
        const std::unique_ptr<QMimeData> drag(w.window.extractForDrag());
        QVERIFY(drag);
        QStringList urls;
        for (const QUrl& url : drag->urls())
            urls << QDir(w.window.privateFolder()).relativeFilePath(url.toLocalFile()).section('/', 1);
        QCOMPARE(urls, dragged);
    }

    // A dragged folder brings what is below it; nothing is handed over twice.
    void dragOut()
    {
        Window w(QStringLiteral("basic.rar"));
        w.select({"docs/sub/deep.txt", "docs", "readme.txt", "docs/sub"});
        std::unique_ptr<QMimeData> data(w.window.extractForDrag());
        QVERIFY(data);
        QStringList names;
        for (const QUrl& url : data->urls())
            names << QFileInfo(url.toLocalFile()).fileName();
        QCOMPARE(names, (QStringList{"readme.txt", "docs"}));
        QVERIFY(QFileInfo(data->urls()[1].toLocalFile() + "/sub/deep.txt").isFile());
    }

    // An opened file changed since is not removed without a question; an
    // unchanged one goes without a word.
    void changedOpenedFile_data()
    {
        QTest::addColumn<QString>("how"); // what removes the private folder
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("save");
        QTest::newRow("close, unchanged") << "close" << false << true;
        QTest::newRow("close, saved") << "close" << true << true;
        QTest::newRow("another archive, discarded") << "list" << true << false;
        QTest::newRow("exit, saved") << "exit" << true << true;
    }
    void changedOpenedFile()
    {
        QFETCH(QString, how);
        QFETCH(bool, edited);
        QFETCH(bool, save);
        Window w(QStringLiteral("basic.rar"));
        QTemporaryDir out;
        QStringList questions;
        w.window.setSaveCopyChooser([&](const QString& question, const QString& name) {
            questions << question;
            return save ? out.filePath(name) : QString();
        });
        w.window.openEntry(0);
        QCOMPARE(w.opened.size(), 1);
        const QString opened = w.opened[0].toLocalFile();
        if (edited) {
            QFile file(opened);
            QVERIFY(file.open(QIODevice::Append));
            file.write("my notes\n");
        }
        if (how == "close")
            w.window.CloseArc();
        else if (how == "list")
            w.window.dropFiles({QStringLiteral(MARROWICK_TEST_DATA "/unicode.rar")});
        else
            w.window.close();
        QCOMPARE(questions, edited ? QStringList{"readme.txt was changed after it was opened. Save a copy?"}
                                   : QStringList());
        QVERIFY(!QFileInfo::exists(opened));
        const QByteArray copy = test::ReadFile(out.filePath("readme.txt"));
        QCOMPARE(copy.endsWith("my notes\n"), edited && save);
    }

    void sortByClicks_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("names");
        // Every column puts the rows in an order of its own.
        QTest::newRow("as listed") << QList<int>{} << QStringList{"b10", "B2", "a", "c1"};
        QTest::newRow("names, naturally") << QList<int>{0} << QStringList{"a", "B2", "b10", "c1"};
        QTest::newRow("names, descending") << QList<int>{0, 0} << QStringList{"c1", "b10", "B2", "a"};
        QTest::newRow("sizes as numbers") << QList<int>{1} << QStringList{"a", "B2", "c1", "b10"};
        QTest::newRow("packed") << QList<int>{2} << QStringList{"a", "c1", "B2", "b10"};
        QTest::newRow("packed, descending") << QList<int>{2, 2} << QStringList{"b10", "B2", "c1", "a"};
        QTest::newRow("ratio") << QList<int>{3} << QStringList{"a", "c1", "b10", "B2"};
        QTest::newRow("another column: ascending") << QList<int>{1, 1, 4}
                                                   << QStringList{"c1", "B2", "a", "b10"};
        // View > Sort By does what a click does (a column's number less 10).
        QTest::newRow("by the menu") << QList<int>{-8, 2} << QStringList{"b10", "B2", "c1", "a"};
    }
    void sortByClicks()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, names);
        Window w(QStringLiteral("basic.rar"));
        // name, size, packed, CRC; "a" has no ratio (nothing unpacked).
        w.window.clearRows();
        w.window.appendRows({{"b10", 100, 50, 0x20}, {"B2", 9, 9, 0xA}, {"a", 0, 0, 0x1F}, {"c1", 10, 4, 0x3}});
        w.window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QHeaderView* header = w.window.fileList()->horizontalHeader();
        for (const int column : clicks)
            if (column < 0)
                w.window.findChild<QAction*>(QStringLiteral("mnusort%1").arg(column + 10))->trigger();
            else
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, 3));
        QStringList shown;
        for (int row = 0; row < w.window.rowCount(); ++row)
            shown << w.window.fileModel()->cellText(row, FileListModel::Name);
        QCOMPARE(shown, names);
        QCOMPARE(header->isSortIndicatorShown(), !clicks.isEmpty());
    }

    // View > Columns shows and hides an optional column, and opens on the
    // header's right click as well (checked as the header stands).
    void columnsByMenu()
    {
        Window w(QStringLiteral("basic.rar"));
        QHeaderView* header = w.window.fileList()->horizontalHeader();
        auto* columns = w.window.findChild<QMenu*>(QStringLiteral("mnucolumns"));
        QAction* modified = columns->actions().value(0);
        QCOMPARE(modified->text(), QStringLiteral("&Modified"));
        QVERIFY(header->isSectionHidden(FileListModel::Modified));
        modified->trigger();
        QVERIFY(!header->isSectionHidden(FileListModel::Modified));
        header->setSectionHidden(FileListModel::Modified, true);
        emit columns->aboutToShow();
        QVERIFY(!modified->isChecked());
    }

    // Alt+Enter: the archive's properties with no row selected, the row's
    // with one; the same dialog the menus open.
    void propertiesDialogs_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("shows");
        QTest::newRow("the archive") << QStringList{} << "Recovery record: Yes\nLocked: Yes\n";
        QTest::newRow("an entry") << QStringList{"readme.txt"}
                                  << "Modified: 2024-01-02 03:04:05.25\nCreated: 2026-12-07 ";
        QTest::newRow("its checksum") << QStringList{"readme.txt"} << "Checksum: BLAKE2sp 68505689ed9e9910";
        QTest::newRow("two entries") << QStringList{"readme.txt", "docs/q.txt"} << "Entries: 2 (2 files, 0 folders)\n";
    }
    void propertiesDialogs()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, shows);
        qputenv("TZ", "UTC");
        Window w(QStringLiteral("properties.rar"));
        w.select(rows);
        w.window.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(w.window.fileList(), Qt::Key_Return, Qt::AltModifier);
        auto* dialog = w.window.findChild<PropertiesDialog*>();
        QVERIFY(dialog);
        QVERIFY2(dialog->text().contains(shows), qPrintable(dialog->text()));
        QVERIFY(w.opened.isEmpty());
    }
};

QTEST_MAIN(TestEntries)
#include "tst_entries.moc"
