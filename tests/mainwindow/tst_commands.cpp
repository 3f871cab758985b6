#include "dialogs/ModBrowse.h"
#include "dialogs/cFileDialog.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/fMain.h"
#include "tests/mainwindow/ScriptedAnswers.h"

#include <QAction>
#include <QMimeData>
#include <QTableView>
#include <QtTest>

using namespace marrowick;

namespace {

const QString Data = QStringLiteral(MARROWICK_TEST_DATA);

QString Fixture(const char* name)
{
    return Data + QLatin1Char('/') + QString::fromLatin1(name);
}

// The file dialog's answers, in order; an empty text is a cancel. Records
// the name each dialog started with.
struct ChooserScript
{
    QStringList answers;
    QStringList startNames;

    FileChooser chooser()
    {
        return [this](const FileChooserRequest& request) {
            startNames << request.initialFile;
            FileChooserOutcome outcome;
            const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
            if (!answer.isEmpty())
                outcome.paths << answer;
            outcome.filterIndex = 1;
            return outcome;
        };
    }
};

struct Window
{
    test::ScriptedAnswers answers;
    fMain window{&answers};
    ChooserScript files;

    explicit Window(const QString& commandLine = QString())
    {
        window.Form_Load(commandLine);
        window.FileDialog()->setChooser(files.chooser());
    }
    void trigger(const char* name)
    {
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    bool enabled(const char* name) const
    {
        return window.findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
    }
    QString cell(int row, int column) const
    {
        return window.fileModel()->cellText(row, column);
    }
};

void VerifyArchiveOpenState(const Window& w)
{
    QVERIFY(w.enabled("mnuclose"));
    QVERIFY(w.enabled("mnuextract"));
    QVERIFY(w.enabled("mnutest"));
    QVERIFY(w.enabled("tbButton4"));
    QVERIFY(w.enabled("tbButton5"));
}

void VerifyNoArchiveState(const Window& w)
{
    QVERIFY(w.enabled("mnuopen"));
    QVERIFY(!w.enabled("mnuclose"));
    QVERIFY(!w.enabled("mnuextract"));
    QVERIFY(w.enabled("mnutest"));
    QVERIFY(!w.enabled("tbButton4"));
    QVERIFY(w.enabled("tbButton5"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Marrowick"));
}

// Folder chooser answers for one test, restored afterwards.
class FolderScript
{
public:
    explicit FolderScript(QString answer)
    {
        m_previous = SetFolderChooser([this, answer](const FolderChooserRequest& request) {
            requests << request.startFolder;
            titles << request.title;
            return answer;
        });
    }
    ~FolderScript() { SetFolderChooser(m_previous); }
    QStringList requests;
    QStringList titles;

private:
    FolderChooser m_previous;
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void openListsTheChosenArchive()
    {
        Window w;
        w.files.answers = {Fixture("basic.rar")};
        w.trigger("mnuopen");
        QVERIFY(w.window.rowCount() > 0);
        QCOMPARE(w.window.windowTitle(), QStringLiteral("basic.rar - Marrowick"));
        VerifyArchiveOpenState(w);
        QCOMPARE(w.window.ArchivePath(), Fixture("basic.rar"));
        QCOMPARE(w.window.CurrentArchive(), Fixture("basic.rar"));
        QVERIFY(w.answers.errors.isEmpty());
        QVERIFY(w.window.fileModel()->hasIcons());

        // Open again and cancel: the dialog starts on the last choice, and that
        // archive is listed again.
        const int rows = w.window.rowCount();
        w.window.clearRows();
        w.trigger("tbButton1");
        QCOMPARE(w.files.startNames.last(), Fixture("basic.rar"));
        QCOMPARE(w.window.rowCount(), rows);

        // Close, then Open and cancel: the last archive is opened again.
        w.trigger("mnuclose");
        VerifyNoArchiveState(w);
        w.trigger("mnuopen");
        QCOMPARE(w.window.rowCount(), rows);
        VerifyArchiveOpenState(w);
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
        VerifyNoArchiveState(w);
        QCOMPARE(w.window.rowCount(), 0);
        QVERIFY(w.answers.errors.isEmpty());
        QVERIFY(w.answers.information.isEmpty());
    }

    void openOfAMissingFileStillEntersTheArchiveState()
    {
        Window w;
        w.files.answers = {Data + QStringLiteral("/no-such.rar")};
        w.trigger("mnuopen");
        QCOMPARE(w.answers.errors, QStringList{QStringLiteral("Cannot open ") + Data + "/no-such.rar"});
        QCOMPARE(w.window.windowTitle(), QStringLiteral("no-such.rar - Marrowick"));
        VerifyArchiveOpenState(w);
    }

    void openShowsComponentErrorsByNumber()
    {
        Window w;
        // A title longer than the dialog's buffer makes the dialog refuse to open.
        w.window.FileDialog()->setFileTitle(QString(2000, QLatin1Char('t')));
        w.trigger("mnuopen");
        QCOMPARE(w.answers.errors.size(), 1);
        QVERIFY2(w.answers.errors[0].startsWith(QStringLiteral("Error no.5\n")),
                 qPrintable(w.answers.errors[0]));
        VerifyNoArchiveState(w);
    }

    void extractAsksForAFolderStartingBesideTheArchive()
    {
        Window w;
        w.files.answers = {Fixture("basic.rar")};
        w.trigger("mnuopen");
        {
            FolderScript cancel{QString()};
            w.trigger("mnuextract");
            QCOMPARE(cancel.requests, QStringList{Data + QLatin1Char('/')});
            QCOMPARE(cancel.titles, QStringList{QStringLiteral("Extract Archive to ...")});
            QCOMPARE(w.window.ExtractFolder(), QString());
        }
        QTemporaryDir out;
        FolderScript choose{out.path()};
        w.trigger("tbButton4");
        QCOMPARE(w.window.ExtractFolder(), out.path() + QLatin1Char('/'));
        QVERIFY(w.enabled("mnuextract")); // unlocked again after the run
        QVERIFY(QFileInfo::exists(out.path() + QStringLiteral("/docs/sub/deep.txt")));
        QCOMPARE(w.window.panelText(2), QStringLiteral("Success"));
        QVERIFY(w.answers.errors.isEmpty());

        // A second extraction into the same folder asks once; No writes nothing.
        QFile::remove(out.path() + QStringLiteral("/readme.txt"));
        w.answers.yesNo = {false};
        w.trigger("mnuextract");
        QCOMPARE(w.answers.questions, QStringList{QStringLiteral("File(s) Exist, Replace ?")});
        QVERIFY(!QFileInfo::exists(out.path() + QStringLiteral("/readme.txt")));
    }

    void extractAfterCommandLineStartHasNoPresetFolder()
    {
        Window w(QStringLiteral("L=") + Fixture("basic.rar"));
        QTemporaryDir out;
        FolderScript choose{out.path()};
        w.trigger("mnuextract");
        QCOMPARE(choose.requests, QStringList{QString()});
        QCOMPARE(w.window.ArchivePath(), Fixture("basic.rar"));
    }

    void testListsThenTests()
    {
        Window w;
        w.files.answers = {Fixture("basic.rar")};
        w.trigger("mnutest");
        QVERIFY(w.window.rowCount() > 0);
        VerifyArchiveOpenState(w);
        QCOMPARE(w.window.FileDialog()->FileName(), Fixture("basic.rar"));
        QCOMPARE(w.answers.information,
                 QStringList{QStringLiteral("No errors found during test operation")});

        // Cancelled dialog after an earlier archive: the earlier one is tested,
        // and the dialog started empty.
        w.trigger("mnutest");
        QCOMPARE(w.files.startNames.last(), QString());
        QCOMPARE(w.window.ArchivePath(), Fixture("basic.rar"));
        QCOMPARE(w.answers.information.size(), 2);

        // A damaged archive does not pass.
        w.files.answers = {Fixture("flipped-data.rar")};
        w.trigger("mnutest");
        QCOMPARE(w.answers.information.size(), 2);
        QVERIFY(!w.answers.errors.isEmpty());
    }

    void dropsTakeTheFirstLowerCaseRarOnly()
    {
        Window w;
        w.window.dropFiles({Data + QStringLiteral("/make-fixtures.sh")});
        w.window.dropFiles({Data + QStringLiteral("/BASIC.RAR")});
        w.window.dropFiles({});
        VerifyNoArchiveState(w);

        w.window.dropFiles({Fixture("unicode.rar"), Fixture("basic.rar")});
        QCOMPARE(w.window.windowTitle(), QStringLiteral("unicode.rar - Marrowick"));
        QCOMPARE(w.window.CurrentArchive(), Fixture("unicode.rar"));
        QCOMPARE(w.window.ArchivePath(), Fixture("unicode.rar"));
        VerifyArchiveOpenState(w);
    }

    void droppedDataGivesLocalFilesOnly()
    {
        QMimeData text;
        text.setText(QStringLiteral("just text"));
        QCOMPARE(DroppedLocalFiles(&text), QStringList());
        QCOMPARE(DroppedLocalFiles(nullptr), QStringList());
        QMimeData mixed;
        mixed.setUrls({QUrl(QStringLiteral("https://example.org/a.rar")),
                       QUrl::fromLocalFile(QStringLiteral("/tmp/b.rar")),
                       QUrl::fromLocalFile(QStringLiteral("/tmp/c.rar"))});
        QCOMPARE(DroppedLocalFiles(&mixed), QStringList({"/tmp/b.rar", "/tmp/c.rar"}));
    }

    void commandLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("archivePath");
        const QString basic = Fixture("basic.rar");
        QTest::newRow("list") << "L=" + basic << QStringList() << basic + " - Marrowick" << basic;
        QTest::newRow("no letter") << "=" + basic
                                   << QStringList{"Missing argument(s)!", "Invalid Argument(s)!"}
                                   << QString() << basic;
        QTest::newRow("no archive") << "X="
                                    << QStringList{"Missing argument(s)!", "Cannot open "}
                                    << QString() << QString();
        QTest::newRow("quotes stay in the path")
            << "L=\"" + basic + "\"" << QStringList{"Cannot open \"" + basic + "\""} << QString()
            << "\"" + basic + "\"";
    }
    void commandLines()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, errors);
        QFETCH(QString, title);
        QFETCH(QString, archivePath);
        Window w(line);
        QCOMPARE(w.answers.errors, errors);
        QCOMPARE(w.window.windowTitle(), title);
        QCOMPARE(w.window.ArchivePath(), archivePath);
        QCOMPARE(w.window.CurrentArchive(), QString());
        // The stored states stay until the first command.
        QVERIFY(w.enabled("mnuclose"));
    }

    void commandLineListKeepsItsTotals()
    {
        Window w(QStringLiteral("l=") + Fixture("basic.rar"));
        QVERIFY(w.window.rowCount() > 0);
        QCOMPARE(w.window.panelText(3),
                 QStringLiteral("Total  %1 Files ").arg(w.window.rowCount()));
        QCOMPARE(w.window.panelText(2), QStringLiteral("Ready"));
        QVERIFY(!w.window.panelVisible(1));

        Window encrypted(QStringLiteral("L=") + Fixture("encrypted-files.rar"));
        QVERIFY(encrypted.window.panelVisible(1));
        QCOMPARE(encrypted.window.panelText(1), QStringLiteral("ENCRYPTED"));
    }

    void commandsAreLockedWhileARunAsks()
    {
        Window w;
        bool openEnabledDuringRun = true;
        bool dropIgnoredDuringRun = false;
        // The comment window opens inside the run: look at the commands then.
        w.files.answers = {Fixture("commented.rar")};
        QObject::connect(w.window.fileModel(), &QAbstractItemModel::rowsInserted, &w.window, [&] {
            openEnabledDuringRun = w.enabled("mnuopen") || w.enabled("tbButton1") ||
                                   w.enabled("mnuextract") || w.enabled("mnutest");
            const QString before = w.window.CurrentArchive();
            w.window.dropFiles({Fixture("basic.rar")});
            dropIgnoredDuringRun = w.window.CurrentArchive() == before;
        });
        w.trigger("mnuopen");
        QVERIFY(!openEnabledDuringRun);
        QVERIFY(dropIgnoredDuringRun);
        QVERIFY(w.enabled("mnuopen"));
        VerifyArchiveOpenState(w);
        QCOMPARE(w.answers.comments.size(), 1);
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
