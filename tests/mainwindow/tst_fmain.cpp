// The main window's own wiring: toolbar, keys and the state without an archive.
#include "mainwindow/fMain.h"
#include "tests/mainwindow/ScriptedAnswers.h"

#include <QAction>
#include <QTableView>
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

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void toolbarAndKeysReachTheirCommands()
    {
        test::ScriptedAnswers answers;
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
        test::ScriptedAnswers answers;
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

};

QTEST_MAIN(TestMainWindow)
#include "tst_fmain.moc"
