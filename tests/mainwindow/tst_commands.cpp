// The window's commands from end to end: menus and toolbar, the dialogs'
// answers scripted, the real engine and library underneath.
#include "dialogs/ModBrowse.h"
#include "dialogs/cFileDialog.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/RecentArchives.h"
#include "mainwindow/RunNotifier.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace marrowick;
using marrowick::test::Fixture;

namespace {

struct Window
{
    test::RecordingView unused;
    test::ScriptedPrompts answers{unused};
    fMain window{&answers};
    QStringList files;      // the file dialog's answers in order; "" cancels
    QStringList startNames; // the name each file dialog started with

    explicit Window(const QString& commandLine = QString())
    {
        window.Form_Load(commandLine);
        window.FileDialog()->setChooser([this](const FileChooserRequest& request) {
            startNames << request.initialFile;
            const QString answer = files.isEmpty() ? QString() : files.takeFirst();
            return FileChooserOutcome{answer.isEmpty() ? QStringList() : QStringList{answer}, 1};
        });
    }
    void trigger(const char* name) { window.findChild<QAction*>(name)->trigger(); }
    bool enabled(const char* name) const { return window.findChild<QAction*>(name)->isEnabled(); }
    // 1: an archive is open (Close and Extract on), 0: none (both off), -1:
    // anything else. Open and Test are always on.
    int state() const
    {
        if (!enabled("mnuopen") || !enabled("mnutest") || !enabled("tbButton5"))
            return -1;
        const int on = enabled("mnuclose") + enabled("mnuextract") + enabled("tbButton4");
        return on == 3 ? 1 : on == 0 ? 0 : -1;
    }
};

// Folder chooser answers for one test, restored afterwards.
struct FolderScript
{
    explicit FolderScript(QString answer)
    {
        previous = SetFolderChooser([this, answer](const FolderChooserRequest& request) {
            return starts << request.startFolder, answer;
        });
    }
    ~FolderScript() { SetFolderChooser(previous); }
    QStringList starts;
    FolderChooser previous;
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void openCloseAndOpenAgain()
    {
        Window w;
        w.files = {Fixture("basic.rar")};
        w.trigger("mnuopen");
        QCOMPARE(w.window.rowCount(), 7);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("basic.rar - Marrowick"));
        QCOMPARE(w.state(), 1);
        QVERIFY(w.window.fileModel()->hasIcons());

        // Open again and cancel: the dialog starts on the last choice, and
        // that archive is listed again.
        w.window.clearRows();
        w.trigger("tbButton1");
        QCOMPARE(w.startNames.last(), Fixture("basic.rar"));
        QCOMPARE(w.window.rowCount(), 7);

        w.trigger("mnuclose");
        QCOMPARE(w.state(), 0);
        QCOMPARE(w.window.rowCount(), 0);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Marrowick"));
        QVERIFY(w.answers.errors.isEmpty());

        // What does not open is not the open archive.
        w.files = {Fixture("make-fixtures.sh")};
        w.trigger("mnuopen");
        QCOMPARE(w.answers.errors, QStringList{Fixture("make-fixtures.sh") + " is not RAR archive"});
        QCOMPARE(w.state(), 0);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Marrowick"));
    }

    // Any volume of a set opens the whole set, and the title says so.
    void laterVolume()
    {
        Window w;
        w.files = {Fixture("multivolume.part3.rar")};
        w.trigger("mnuopen");
        QCOMPARE(w.window.rowCount(), 2);
        QCOMPARE(w.window.windowTitle(),
                 QStringLiteral("Volume 3 of a set: showing the whole set from multivolume.part1.rar - Marrowick"));
        QCOMPARE(w.state(), 1);
    }

    // With no archive yet, a cancelled dialog is silent and changes nothing.
    void firstDialogCancelled_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Open") << "mnuopen";
        QTest::newRow("Test") << "mnutest";
    }
    void firstDialogCancelled()
    {
        QFETCH(QString, action);
        Window w;
        w.trigger(qPrintable(action));
        QCOMPARE(w.state(), 0);
        QCOMPARE(w.window.rowCount(), 0);
        QVERIFY(w.answers.errors.isEmpty() && w.answers.information.isEmpty());
    }

    void extract()
    {
        Window w;
        w.files = {Fixture("basic.rar")};
        w.trigger("mnuopen");
        QTemporaryDir out;
        {
            // The chooser starts beside the archive; a cancel extracts nothing.
            FolderScript cancel{QString()};
            w.trigger("mnuextract");
            QCOMPARE(cancel.starts, QStringList{Fixture("")});
        }
        FolderScript choose{out.path()};
        w.trigger("tbButton4");
        QVERIFY(QFileInfo::exists(out.filePath("docs/sub/deep.txt")));
        QCOMPARE(w.window.panelText(2), QStringLiteral("Success"));
        QCOMPARE(w.state(), 1); // unlocked again after the run

        // Into the same folder again: asked once, though the first entry is
        // not in the way; No writes nothing.
        QFile::remove(out.filePath("readme.txt"));
        w.answers.yes = false;
        w.trigger("mnuextract");
        QCOMPARE(w.answers.questions, QStringList{"File(s) Exist, Replace ?"});
        QVERIFY(!QFileInfo::exists(out.filePath("readme.txt")));
        QVERIFY(w.answers.errors.isEmpty());
    }

    void testListsThenTests()
    {
        Window w;
        w.files = {Fixture("basic.rar")};
        w.trigger("mnutest");
        QCOMPARE(w.window.rowCount(), 7);
        QCOMPARE(w.state(), 1);
        QCOMPARE(w.answers.information, QStringList{"No errors found during test operation"});

        // A damaged archive does not pass.
        w.files = {Fixture("flipped-data.rar")};
        w.trigger("mnutest");
        QCOMPARE(w.answers.information.size(), 1);
        QCOMPARE(w.answers.errors, QStringList{"CRC failed in readme.txt"});
    }

    // The first file of a drop is listed when its bytes make it an archive,
    // whatever its name says.
    void drops_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rows"); // -1: not taken
        QTest::newRow("an archive") << "unicode.rar" << "unicode.rar" << 3;
        QTest::newRow("upper case") << "basic.rar" << "BASIC.RAR" << 7;
        QTest::newRow("a volume") << "unicode.rar" << "set.r00" << 3;
        QTest::newRow("text named .rar") << "make-fixtures.sh" << "notes.rar" << -1;
        QTest::newRow("a script") << "make-fixtures.sh" << "make-fixtures.sh" << -1;
    }
    void drops()
    {
        QFETCH(QString, source);
        QFETCH(QString, name);
        QFETCH(int, rows);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Fixture(source), dir.filePath(name)));
        Window w;
        w.window.dropFiles({dir.filePath(name), Fixture("basic.rar")});
        QCOMPARE(w.state(), rows < 0 ? 0 : 1);
        if (rows >= 0)
            QCOMPARE(w.window.rowCount(), rows);
    }

    // The comment box opens inside the run: everything is locked then.
    void commandsAreLockedWhileARunAsks()
    {
        Window w;
        bool anyEnabled = true, dropTaken = true;
        w.files = {Fixture("commented.rar")};
        QObject::connect(w.window.fileModel(), &QAbstractItemModel::rowsInserted, &w.window, [&] {
            anyEnabled = w.enabled("mnuopen") || w.enabled("tbButton1") || w.enabled("mnuextract") || w.enabled("mnutest");
            w.window.dropFiles({Fixture("basic.rar")});
            dropTaken = w.window.CurrentArchive() == Fixture("basic.rar");
        });
        w.trigger("mnuopen");
        QVERIFY(!anyEnabled);
        QVERIFY(!dropTaken);
        QCOMPARE(w.window.rowCount(), 1);
        QCOMPARE(w.state(), 1);
    }

    // Extract Here beside the archive, its box's Open Folder, the
    // notification of a run that ended while another window was active; then
    // Open Recent lists the archive again and greys it out once it is gone.
    void extractHereAndOpenRecent()
    {
        QTemporaryDir folder;
        const QString archive = folder.filePath("basic.rar");
        QVERIFY(QFile::copy(Fixture("basic.rar"), archive));
        Window w;
        RecentArchives& recent = *w.window.recentArchives();
        recent.clear();
        w.files = {archive};
        w.trigger("mnuopen");
        QStringList opened, notified;
        w.window.setEntryOpener([&opened](const QUrl& url) { return opened << url.toLocalFile(), true; });
        w.window.notifier()->setLongRun(std::chrono::milliseconds(0));
        w.window.notifier()->setSender([&notified](const QString& summary, const QString& body) { notified << summary + ": " + body; });
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        w.trigger("mnuextracthere");
        QVERIFY(QFileInfo::exists(folder.filePath("basic/docs/sub/deep.txt")));
        auto* box = w.window.findChild<QMessageBox*>("extractHereResult");
        QVERIFY(box);
        QCOMPARE(box->text(), "Extracted to " + folder.filePath("basic"));
        box->findChild<QPushButton*>("openFolder")->click();
        QCOMPARE(opened, QStringList{folder.filePath("basic")});
        QCOMPARE(notified, QStringList{"Extraction of basic.rar finished: Success"});

        QCOMPARE(recent.archives(), QStringList{archive});
        w.trigger("mnuclose");
        w.trigger("mnurecent1");
        QCOMPARE(w.window.ArchivePath(), archive);
        QCOMPARE(w.window.rowCount(), 7);
        QFile::remove(archive);
        emit recent.menu()->aboutToShow();
        QVERIFY(!w.enabled("mnurecent1"));
        w.trigger("mnurecentclear");
        QCOMPARE(recent.archives(), QStringList());
    }

    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("rows");
        QTest::newRow("list") << "L=" + Fixture("encrypted-files.rar") << QStringList() << 7;
        QTest::newRow("no letter") << "=" + Fixture("basic.rar") << QStringList{"Missing argument(s)!", "Invalid Argument(s)!"} << 0;
        QTest::newRow("quotes stay in the path") << "L=\"" + Fixture("basic.rar") + "\""
                                                 << QStringList{"Cannot open \"" + Fixture("basic.rar") + "\""} << 0;
    }
    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, errors);
        QFETCH(int, rows);
        Window w(line);
        QCOMPARE(w.answers.errors, errors);
        QCOMPARE(w.window.rowCount(), rows);
        // A listing keeps its totals and lock panel.
        QCOMPARE(w.window.panelText(3), rows ? QStringLiteral("Total  7 Files ") : QString());
        QCOMPARE(w.window.panelVisible(1), rows > 0);

        // Extract after a start-up listing: no folder is preset.
        FolderScript cancel{QString()};
        w.trigger("mnuextract");
        QCOMPARE(cancel.starts, QStringList{QString()});
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
