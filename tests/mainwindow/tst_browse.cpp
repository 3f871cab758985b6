// The list as a folder browser: the pane, the location bar, going into and
// out of folders, and the filter.
#include "dialogs/ModBrowse.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FolderBrowser.h"
#include "mainwindow/FolderTreeModel.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

using namespace marrowick;

namespace {

struct Window
{
    test::RecordingView unused;
    test::ScriptedPrompts answers{unused};
    fMain window{&answers};

    Window()
    {
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/basic.rar"));
        window.showCentred();
        window.activateWindow();
        QTest::qWaitForWindowActive(&window);
    }
    FolderBrowser& browser() { return *window.browser(); }
    QStringList shown() const
    {
        QStringList names;
        for (int row = 0; row < window.fileModel()->rowCount(); ++row)
            names << window.fileModel()->cellText(row, FileListModel::Name);
        return names;
    }
    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

} // namespace

class TestBrowse : public QObject
{
    Q_OBJECT

private slots:
    void navigation()
    {
        Window w;
        QTableView* list = w.window.fileList();
        QCOMPARE(w.window.rowCount(), 7); // the top node: every entry as listed
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/"));
        QTreeView* pane = w.browser().pane();
        const QModelIndex top = pane->model()->index(0, 0);
        QCOMPARE(top.data().toString(), QStringLiteral("All entries  basic.rar"));
        QCOMPARE(pane->model()->rowCount(top), 2);
        pane->setCurrentIndex(pane->model()->index(0, 0, top)); // docs
        QCOMPARE(w.shown(), (QStringList{"sub", "a1200.txt", "empty.txt"}));
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.shown(), QStringList{"deep.txt"});
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/docs/sub"));
        QCOMPARE(pane->currentIndex().data().toString(), QStringLiteral("sub"));
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/docs"));
        QTest::keyClick(list, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/docs/sub"));
        QTest::keyClick(list, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/docs"));
        QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(w.window.rowCount(), 7);

        // Typed: a path goes there, one that does not exist says so.
        w.type(w.browser().location(), "docs/sub/");
        QTest::keyClick(w.browser().location(), Qt::Key_Return);
        QCOMPARE(w.shown(), QStringList{"deep.txt"});
        w.type(w.browser().location(), "docs/nowhere");
        QTest::keyClick(w.browser().location(), Qt::Key_Return);
        QCOMPARE(w.window.panelText(2), QStringLiteral("No folder named docs/nowhere"));
        QCOMPARE(w.browser().location()->text(), QStringLiteral("/docs/sub"));
        QCOMPARE(w.shown(), QStringList{"deep.txt"});
    }

    // Typing narrows the list; the totals stay; Select All and Extract
    // Selected take the rows that match, and the window's keys stay out of
    // the text field.
    void filter()
    {
        Window w;
        const QString totals = w.window.panelText(3);
        for (const char* name : {"mnuclose", "mnuexit", "mnuabout"})
            QObject::disconnect(w.window.findChild<QAction*>(name), &QAction::triggered, &w.window, nullptr);
        QSignalSpy closed(w.window.findChild<QAction*>("mnuclose"), &QAction::triggered);
        QSignalSpy exited(w.window.findChild<QAction*>("mnuexit"), &QAction::triggered);
        QSignalSpy about(w.window.findChild<QAction*>("mnuabout"), &QAction::triggered);
        QLineEdit* filter = w.browser().filter();
        QTest::keyClick(w.window.fileList(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(filter->hasFocus());
        QTest::keyClicks(filter, "*.TXT");
        QCOMPARE(w.shown(), (QStringList{"readme.txt", "docs/a1200.txt", "docs/empty.txt", "docs/sub/deep.txt"}));
        QCOMPARE(w.browser().countText(), QStringLiteral("4 of 7"));
        QTest::keyClick(filter, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(filter, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("*.TXT"));
        QTest::keyClick(filter, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(w.window.rowCount(), 7);
        QCOMPARE(closed.count() + exited.count() + about.count(), 0);

        w.browser().goToPath("docs");
        QTest::keyClicks(filter, "e");
        QCOMPARE(w.shown(), QStringList{"empty.txt"});
        QCOMPARE(w.browser().countText(), QStringLiteral("1 of 3"));
        w.browser().allFolders()->setChecked(true);
        QCOMPARE(w.shown(), (QStringList{"empty.txt", "sub/deep.txt"}));
        QCOMPARE(w.browser().countText(), QStringLiteral("2 of 4"));
        QCOMPARE(w.window.panelText(3), totals);

        QTemporaryDir dest;
        const FolderChooser previous = SetFolderChooser([&](const FolderChooserRequest&) { return dest.path(); });
        QTest::keyClick(w.window.fileList(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(w.window.fileList(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        SetFolderChooser(previous);
        QStringList written;
        for (QDirIterator it(dest.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            written << QDir(dest.path()).relativeFilePath(it.next());
        written.sort();
        QCOMPARE(written, (QStringList{"docs/empty.txt", "docs/sub/deep.txt"}));
        QTest::keyClick(filter, Qt::Key_Escape);
        QCOMPARE(w.shown(), (QStringList{"sub", "a1200.txt", "empty.txt"}));
    }

    // A status text reads in full however narrow its panel began (a run from
    // the command line fills it before the panels are set up).
    void statusTextNotCut()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        fMain window{&answers};
        QFont large = window.font(); // a desktop with large text
        large.setPointSize(16);
        window.setFont(large);
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/truncated.rar"));
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* panel = window.findChild<StatusBarPanel*>(QStringLiteral("sbStatPanel2"));
        QCOMPARE(panel->text(), QStringLiteral("Unexpected end of archive"));
        QCOMPARE(panel->shownText(), panel->text());
        QVERIFY(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
