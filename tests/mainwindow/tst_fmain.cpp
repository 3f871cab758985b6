// The main window's own wiring (toolbar, keys, the state without an archive),
// its list model and its resize arithmetic.
#include "dialogs/Twips.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/FormLayout.h"
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace marrowick;

namespace {

QAction* Action(QWidget& window, const char* name)
{
    return window.findChild<QAction*>(name);
}

// Only whether a command is reached matters here, not what it then does
// (it would open a modal dialog).
std::unique_ptr<QSignalSpy> Watch(QWidget& window, const char* name)
{
    QObject::disconnect(Action(window, name), &QAction::triggered, &window, nullptr);
    return std::make_unique<QSignalSpy>(Action(window, name), &QAction::triggered);
}

FileRow Row(const QString& name, quint64 size = 0, bool folder = false)
{
    return FileRow{name, size, size / 4, 0x00ABCDEF, folder, false};
}

FormLayoutResult Layout(float clientWidth, float clientHeight = 3885)
{
    FormLayoutInput in;
    in.clientWidth = clientWidth;
    in.clientHeight = clientHeight;
    in.toolbarTop = 0;
    in.toolbarHeight = 1020;
    in.statusHeight = 360;
    in.current = {1380, 1260, 1245, 735};
    return ComputeFormLayout(in);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void toolbarAndKeysReachTheirCommands()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(QStringLiteral("L=/a.rar"));
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto open = Watch(window, "mnuopen"), extract = Watch(window, "mnuextract"),
                   test = Watch(window, "mnutest"), close = Watch(window, "mnuclose"), about = Watch(window, "mnuabout");
        // Buttons 2 and 3 are invisible and start nothing, even when triggered.
        for (const char* name : {"tbButton2", "tbButton1", "tbButton3", "tbButton4", "tbButton5"})
            Action(window, name)->trigger();
        QCOMPARE(open->count() + extract->count() + test->count(), 3);
        QVERIFY(open->count() == 1 && extract->count() == 1 && test->count() == 1);
        // Ctrl+C and Ctrl+A are also copy and select-all keys of item views;
        // the menu's meaning must win while the list has the focus.
        window.fileList()->setFocus();
        QTest::keyClick(window.fileList(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(window.fileList(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.fileList(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(close->count(), 1);
        QCOMPARE(about->count(), 1);
        QCOMPARE(open->count(), 2);
    }

    // Reached by an empty command line, and by Close, whose status text
    // keeps its trailing blank.
    void noArchiveState_data()
    {
        QTest::addColumn<bool>("closeAnArchive");
        QTest::addColumn<QString>("status");
        QTest::newRow("empty command line") << false << "Ready";
        QTest::newRow("after Close") << true << "Ready ";
    }
    void noArchiveState()
    {
        QFETCH(bool, closeAnArchive);
        QFETCH(QString, status);
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(closeAnArchive ? QStringLiteral("L=" MARROWICK_TEST_DATA "/encrypted-files.rar") : QString());
        if (closeAnArchive)
            Action(window, "mnuclose")->trigger();
        QCOMPARE(window.rowCount(), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Marrowick"));
        QVERIFY(!window.panelVisible(1));
        QCOMPARE(window.panelText(2), status);
        QCOMPARE(window.panelText(3), QString());
        for (const char* off : {"mnuclose", "mnuextract", "tbButton4"})
            QVERIFY2(!Action(window, off)->isEnabled(), off);
    }

    // Every menu's items have access keys of their own, and what shows no
    // text has a name a screen reader says.
    void keysAndNames()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(QString());
        QList<QList<QAction*>> menus = {window.menuBar()->actions()};
        for (qsizetype m = 0; m < menus.size(); ++m) {
            QString taken;
            const QList<QAction*> items = menus[m];
            for (QAction* item : items) {
                if (QMenu* menu = QMenu::menuInAction(item))
                    menus << menu->actions();
                if (item->isSeparator())
                    continue;
                const QString text = item->text();
                const qsizetype amp = text.indexOf(u'&');
                QVERIFY2(amp >= 0 && !taken.contains(text.at(amp + 1).toLower()), qPrintable(text));
                taken += text.at(amp + 1).toLower();
            }
            if (m == 0)
                menus << window.findChild<QMenu*>("rowMenu")->actions();
        }
        for (QWidget* widget : window.statusBar()->findChildren<QWidget*>() +
                                   window.findChild<QToolBar*>()->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QToolButton*>(widget);
            // Buttons 2 and 3 never show.
            if ((button && button->text().isEmpty() && button->defaultAction() &&
                 button->defaultAction()->isVisible()) ||
                qobject_cast<QProgressBar*>(widget) || dynamic_cast<StatusBarPanel*>(widget))
                QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
    }

    // The list's model: rows in batches, the cells of a folder.
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
        QCOMPARE(cells(999), (QStringList{"f999.txt", "1,200", "300", " 25%", "ABCDEF", "", "", "", ""}));
        // A folder: empty sizes and ratio, the CRC as given.
        QCOMPARE(cells(1000), (QStringList{"docs", "", "", "", "ABCDEF", "", "", "", ""}));
        // The optional columns: Unix or Windows attributes, the method.
        FileRow unix = Row("u", 1);
        unix.hostOs = 3, unix.attributes = 0100640, unix.version = 50, unix.method = 0x35;
        unix.dictionaryLog = 15, unix.isEncrypted = true, unix.mtime = 1700000000;
        FileRow windows = Row("w", 1);
        windows.attributes = 0x21, windows.version = 29, windows.method = 0x30;
        model.appendRows({unix, windows});
        QCOMPARE(cells(1001).mid(6), (QStringList{"-rw-r-----", "RAR 5, best, 32 MB dictionary", "Yes"}));
        QVERIFY(!cells(1001)[5].isEmpty());
        QCOMPARE(cells(1002).mid(5), (QStringList{"", "RA", "RAR 4, stored", ""}));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    // The list's place is set while the window is still hidden and again once
    // the bars have their heights: shown, and resized, it ends just above the
    // status bar instead of running under it.
    void listFitsBetweenTheBars()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(QString());
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto* browse = window.findChild<QWidget*>(QStringLiteral("browseSplitter"));
        for (const QSize size : {window.size(), QSize(700, 420)}) {
            window.resize(size);
            QTRY_COMPARE(window.centralWidget()->height() - browse->geometry().bottom() - 1,
                         TwipsToPixels(30, &window));
        }
    }

    // The resize arithmetic in twips: the rows that pin the rule.
    void layout()
    {
        // The list fills the space between the bars, less 30 twips a side.
        FormLayoutResult out = Layout(9780);
        QCOMPARE(out.list.left, 30.f);
        QCOMPARE(out.list.top, 1020.f);
        QCOMPARE(out.list.width, 9720.f);
        QCOMPARE(out.list.height, 3885.f - (1020 + 360 + 30));
        // A tenth of the width per size column, rounded half to even.
        QCOMPARE(out.columnWidths[1], 972.f);
        QCOMPARE(out.columnWidths[0], 4 * 972.f);
        QCOMPARE(Layout(9765).columnWidths[1], 970.f);
        // Shorter than the bars together: the height stays, the rest follows.
        out = Layout(9780, 1000);
        QCOMPARE(out.list.height, 735.f);
        QCOMPARE(out.list.width, 9720.f);
        // Narrower than the margins (minimized): the width stays, and the
        // columns follow the width as it stands.
        out = Layout(40);
        QCOMPARE(out.list.width, 1245.f);
        QCOMPARE(out.columnWidths[1], 124.f);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_fmain.moc"
