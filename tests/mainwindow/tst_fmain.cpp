#include "dialogs/Twips.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/fMain.h"
#include "tests/mainwindow/ScriptedAnswers.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTableView>
#include <QtTest>

using namespace marrowick;

namespace {

QAction* Action(QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void menuTree()
    {
        test::ScriptedAnswers answers;
        fMain window(&answers);
        window.Form_Load(QString());
        const QList<QAction*> tops = window.menuBar()->actions();
        QCOMPARE(tops.size(), 3);
        QCOMPARE(tops[0]->text(), QStringLiteral("&File"));
        QCOMPARE(tops[1]->text(), QStringLiteral("&Actions"));
        QCOMPARE(tops[2]->text(), QStringLiteral("&Help"));
        QCOMPARE(Captions(tops[0]->menu()),
                 QStringList({"&Open Archive...", "&Close Archive...", "-", "E&xit"}));
        QCOMPARE(Captions(tops[1]->menu()), QStringList({"&Extract", "&Test"}));
        QCOMPARE(Captions(tops[2]->menu()), QStringList({" &Help", "&About"}));

        const QList<QPair<const char*, QKeySequence>> keys = {
            {"mnuopen", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"mnuclose", QKeySequence(QStringLiteral("Ctrl+C"))},
            {"mnuexit", QKeySequence(QStringLiteral("Ctrl+X"))},
            {"mnuextract", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"mnutest", QKeySequence(QStringLiteral("Ctrl+T"))},
            {"mnuhelp", QKeySequence(QStringLiteral("F1"))},
            {"mnuabout", QKeySequence(QStringLiteral("Ctrl+A"))},
        };
        for (const auto& [name, key] : keys)
            QCOMPARE(Action(window, name)->shortcut(), key);

        // Pictures beside Open Archive and Extract only.
        QVERIFY(!Action(window, "mnuopen")->icon().isNull());
        QVERIFY(!Action(window, "mnuextract")->icon().isNull());
        QVERIFY(Action(window, "mnuclose")->icon().isNull());
        QVERIFY(Action(window, "mnutest")->icon().isNull());
    }

    void toolbarButtonsDispatchByIndex()
    {
        test::ScriptedAnswers answers;
        fMain window(&answers);
        window.Form_Load(QStringLiteral("L=/nowhere.rar"));
        auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("tbMenu"));
        QVERIFY(toolbar);
        QCOMPARE(toolbar->actions().size(), 5);

        for (const char* name : {"mnuopen", "mnuextract", "mnutest"})
            QObject::disconnect(Action(window, name), &QAction::triggered, &window, nullptr);
        QSignalSpy open(Action(window, "mnuopen"), &QAction::triggered);
        QSignalSpy extract(Action(window, "mnuextract"), &QAction::triggered);
        QSignalSpy test(Action(window, "mnutest"), &QAction::triggered);

        // Entries 2 and 3 are invisible and start nothing, even when triggered.
        for (const char* inert : {"tbButton2", "tbButton3"}) {
            QAction* a = Action(window, inert);
            QVERIFY(!a->isVisible());
            QVERIFY(a->text().isEmpty());
            a->trigger();
        }
        QCOMPARE(open.count() + extract.count() + test.count(), 0);

        Action(window, "tbButton1")->trigger();
        QCOMPARE(open.count(), 1);
        Action(window, "tbButton4")->trigger();
        QCOMPARE(extract.count(), 1);
        Action(window, "tbButton5")->trigger();
        QCOMPARE(test.count(), 1);

        const QList<QStringList> visible = {{"tbButton1", "Open", "open RAR archive"},
                                            {"tbButton4", "Extract to", "Extract Files"},
                                            {"tbButton5", "Test", "Test archived file"}};
        for (const QStringList& b : visible) {
            QAction* a = window.findChild<QAction*>(b[0]);
            QCOMPARE(a->text(), b[1]);
            QCOMPARE(a->toolTip(), b[2]);
            QVERIFY(!a->icon().isNull());
        }
    }

    void shortcutsWorkFromTheList()
    {
        // Ctrl+C and Ctrl+A are also copy and select-all keys of item views;
        // the menu's meaning must win while the list has the focus.
        test::ScriptedAnswers answers;
        fMain window(&answers);
        window.Form_Load(QStringLiteral("L=/a.rar"));
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.fileList()->setFocus();
        for (const auto& [name, key] :
             {std::pair{"mnuopen", Qt::Key_O}, std::pair{"mnuextract", Qt::Key_E},
              std::pair{"mnuabout", Qt::Key_A}, std::pair{"mnuclose", Qt::Key_C}}) {
            // Only whether the key reaches the action matters here, not what the
            // command then does (it would open a modal dialog).
            QObject::disconnect(Action(window, name), &QAction::triggered, &window, nullptr);
            QSignalSpy spy(Action(window, name), &QAction::triggered);
            QTest::keyClick(window.fileList(), key, Qt::ControlModifier);
            QVERIFY2(spy.count() == 1, name);
        }
    }

    // The state without an archive is reached twice: by an empty command line,
    // and by Close, whose status text keeps its trailing blank.
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
        window.Form_Load(closeAnArchive ? QStringLiteral("L=/a.rar") : QString());
        if (closeAnArchive) {
            FileRow row;
            row.name = QStringLiteral("a.txt");
            window.appendRows({row});
            window.setPanelVisible(1, true);
            window.setPanelText(3, QStringLiteral("Total  1 Files "));
            window.setTitle(QStringLiteral("a.rar - Marrowick"));
            Action(window, "mnuclose")->trigger();
        }
        QCOMPARE(window.rowCount(), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Marrowick"));
        QVERIFY(!window.panelVisible(1));
        QCOMPARE(window.panelText(1), QStringLiteral("Encrypted"));
        QCOMPARE(window.panelText(2), status);
        QCOMPARE(window.panelText(3), QString());
        for (const char* on : {"mnuopen", "mnutest", "tbButton5", "mnuhelp", "mnuabout"})
            QVERIFY2(Action(window, on)->isEnabled(), on);
        for (const char* off : {"mnuclose", "mnuextract", "tbButton4"})
            QVERIFY2(!Action(window, off)->isEnabled(), off);
        QVERIFY(window.fileList()->viewport()->acceptDrops());
    }

    void opensCentredAtStoredSize()
    {
        test::ScriptedAnswers answers;
        fMain window(&answers);
        window.Form_Load(QString());
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double dpi = LogicalDpi(&window);
        QCOMPARE(window.clientSize(), QSize(TwipsToPixels(9780, dpi), TwipsToPixels(3885, dpi)));
        const QRect area = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.frameGeometry().center().x() - area.center().x()) <= 1);
        QVERIFY(qAbs(window.frameGeometry().center().y() - area.center().y()) <= 1);
        QCOMPARE(window.focusWidget(), window.fileList());

        // The list fills the width less the margins; columns 1 to 4 take 7/10.
        QTableView* list = window.fileList();
        QCOMPARE(list->width(), window.clientSize().width() - TwipsToPixels(60, dpi));
        const int w = TwipsToPixels(qRound(PixelsToTwips(list->width(), dpi) / 10), dpi);
        QVERIFY(qAbs(list->horizontalHeader()->sectionSize(1) - w) <= 1);
        QVERIFY(qAbs(list->horizontalHeader()->sectionSize(0) - TwipsToPixels(4 * qRound(PixelsToTwips(list->width(), dpi) / 10), dpi)) <= 1);
    }

    void resizingKeepsCrcColumnAndSurvivesExtremes()
    {
        test::ScriptedAnswers answers;
        fMain window(&answers);
        window.Form_Load(QString());
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHeaderView* header = window.fileList()->horizontalHeader();
        const int crcWidth = header->sectionSize(4);
        const int nameWidth = header->sectionSize(0);

        window.resize(window.width() + 300, window.height());
        QTRY_VERIFY(header->sectionSize(0) > nameWidth);
        QCOMPARE(header->sectionSize(4), crcWidth);

        // Shorter than toolbar and status bar together: the list keeps its height.
        const int listHeight = window.fileList()->height();
        window.resize(window.width(), 40);
        QCoreApplication::processEvents();
        QCOMPARE(window.fileList()->height(), listHeight);

        window.showMinimized();
        QCoreApplication::processEvents();
        window.showNormal();
        window.resize(800, 400);
        QCoreApplication::processEvents();
        QCOMPARE(window.fileList()->width(),
                 window.clientSize().width() - TwipsToPixels(60, &window));
        QCOMPARE(header->sectionSize(4), crcWidth);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_fmain.moc"
