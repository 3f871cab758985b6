#include "dialogs/cFileDialog.h"
#include "engine/ComponentError.h"

#include <QFileDialog>
#include <QtTest>

#include <vector>

using namespace marrowick;

namespace {

const QChar Nul(u'\0');

QString Nuls(const QString& text)
{
    QString s = text;
    s.replace(u'~', Nul);
    return s;
}

// Answers every dialog from a script and keeps what it was asked.
struct ScriptedChooser
{
    std::vector<FileChooserRequest> requests;
    FileChooserOutcome answer;

    FileChooser chooser()
    {
        return [this](const FileChooserRequest& request) {
            requests.push_back(request);
            return answer;
        };
    }
};

// The number of the ComponentError that f raises (0 for none) and its text.
template <typename F> std::pair<int, QString> ErrorOf(F&& f)
{
    try {
        f();
    } catch (const ComponentError& e) {
        return {e.number(), e.description()};
    }
    return {0, QString()};
}

const QString InvalidArgument = QStringLiteral("Invalid procedure call or argument");

} // namespace

class TestFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void cancel_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("earlier");
        QTest::newRow("open, after a choice") << false << QStringLiteral("/data/a.rar");
        QTest::newRow("save, fresh") << true << QString();
    }
    void cancel()
    {
        QFETCH(bool, save);
        QFETCH(QString, earlier);
        ScriptedChooser script;
        cFileDialog dialog(script.chooser());
        if (!earlier.isEmpty()) {
            script.answer.paths = QStringList{earlier};
            dialog.ShowOpen();
            script.answer.paths.clear();
        }
        const QString title = dialog.FileTitle();
        auto show = [&] { save ? dialog.ShowSave() : dialog.ShowOpen(); };

        show();
        QCOMPARE(dialog.FileName(), earlier);
        QCOMPARE(dialog.FileTitle(), title);

        dialog.setCancelError(true);
        try {
            show();
            QFAIL("cancel raised nothing");
        } catch (const ComponentError& e) {
            QCOMPARE(e.number(), 32755);
            QCOMPARE(e.source(), ErrorSource(QStringLiteral("cFileDialog")));
            QCOMPARE(e.description(), QStringLiteral("User selected cancel."));
        }
        QCOMPARE(dialog.FileName(), earlier);
    }

    void filter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("list"); // "~" stands for NUL
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("archives") << "RAR Archive Files (*.rar)|*.rar"
                                  << "RAR Archive Files (*.rar)~*.rar~~"
                                  << QStringList{"RAR Archive Files (*.rar)"};
        QTest::newRow("two pairs") << "RAR (*.rar)|*.rar|All files|*"
                                   << "RAR (*.rar)~*.rar~All files~*~~"
                                   << QStringList{"RAR (*.rar)", "All files (*)"};
        QTest::newRow("several patterns") << "Volumes|*.rar;*.r00" << "Volumes~*.rar;*.r00~~"
                                          << QStringList{"Volumes (*.rar *.r00)"};
        // A colon in a description splits it like a bar; the pattern left
        // over without a partner is dropped.
        QTest::newRow("colon splits") << "Archives: RAR|*.rar"
                                      << "Archives~ RAR~*.rar~~" << QStringList{"Archives (RAR)"};
        QTest::newRow("empty") << "" << "~~" << QStringList{};
        QTest::newRow("no description ends the list") << "|*.rar" << "~*.rar~~" << QStringList{};
        QTest::newRow("description without pattern") << "Files|" << "Files~~~" << QStringList{};
    }
    void filter()
    {
        QFETCH(QString, filter);
        QFETCH(QString, list);
        QFETCH(QStringList, nameFilters);
        ScriptedChooser script;
        cFileDialog dialog(script.chooser());
        dialog.setFilter(filter);
        QCOMPARE(dialog.Filter(), filter);
        QCOMPARE(dialog.FilterList(), Nuls(list));
        dialog.ShowOpen();
        QCOMPARE(script.requests.front().nameFilters, nameFilters);
    }

    void filterOverflowKeepsPreviousList()
    {
        ScriptedChooser script;
        cFileDialog dialog(script.chooser());
        dialog.setFilter(QStringLiteral("RAR Archive Files (*.rar)|*.rar"));
        const QString tooLong(32768, u'a');
        QCOMPARE(ErrorOf([&] { dialog.setFilter(tooLong); }),
                 std::make_pair(6, QStringLiteral("Overflow")));
        QCOMPARE(dialog.Filter(), tooLong);
        dialog.ShowOpen();
        QCOMPARE(script.requests.front().nameFilters,
                 QStringList{QStringLiteral("RAR Archive Files (*.rar)")});
    }

    void multiSelection_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("start"); // of FileName, "~" for NUL
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("three files")
            << QStringList{"/data/arc/b.rar", "/data/arc/a.rar", "/data/arc/c d.rar"}
            << "/data/arc~b.rar~a.rar~c d.rar~~"
            << "/data/arc" << QStringList{"b.rar", "a.rar", "c d.rar"};
        QTest::newRow("one file") << QStringList{"/data/arc/a.rar"} << "/data/arc/a.rar~"
                                  << "/data/arc/" << QStringList{"a.rar"};
        QTest::newRow("two files in the root")
            << QStringList{"/a.rar", "/b.rar"} << "/~a.rar~b.rar~~"
            << "/" << QStringList{"a.rar", "b.rar"};
    }
    void multiSelection()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QString, start);
        QFETCH(QString, dir);
        QFETCH(QStringList, files);
        ScriptedChooser script;
        script.answer.paths = chosen;
        cFileDialog dialog(script.chooser());
        dialog.setFlags(0x200 | 0x4);
        dialog.ShowOpen();

        const FileChooserRequest& r = script.requests.front();
        QVERIFY(r.multiSelect);
        QCOMPARE(r.bufferSize, 8192);
        QCOMPARE(r.flags, 0x80204);
        QCOMPARE(dialog.RecordFlags(), 0x80204);
        QCOMPARE(dialog.flags(), 0x204);

        const QString name = dialog.FileName();
        QCOMPARE(name.size(), 8192);
        QVERIFY(name.startsWith(Nuls(start)));
        QCOMPARE(name.mid(Nuls(start).size()), QString(8192 - start.size(), Nul));
        QCOMPARE(dialog.FileTitle(), QFileInfo(chosen.first()).fileName());

        QString sDir;
        QStringList sFiles;
        std::int32_t lFileCount = 0;
        dialog.ParseMultiFileName(sDir, sFiles, lFileCount);
        QCOMPARE(sDir, dir);
        QCOMPARE(sFiles, files);
        QCOMPARE(lFileCount, files.size());
    }

    void plainResults()
    {
        ScriptedChooser script;
        script.answer.paths = QStringList{QStringLiteral("/data/arc/a.rar")};
        cFileDialog dialog(script.chooser());
        dialog.ShowOpen();
        QCOMPARE(dialog.FileName(), QStringLiteral("/data/arc/a.rar"));
        QCOMPARE(dialog.FileTitle(), QStringLiteral("a.rar"));

        QString sDir = QStringLiteral("untouched");
        QStringList sFiles{QStringLiteral("untouched")};
        std::int32_t lFileCount = 0;
        QCOMPARE(ErrorOf([&] { dialog.ParseMultiFileName(sDir, sFiles, lFileCount); }),
                 std::make_pair(5, InvalidArgument));
        QCOMPARE(sDir, QStringLiteral("untouched"));
        QCOMPARE(sFiles, QStringList{QStringLiteral("untouched")});
        QCOMPARE(lFileCount, 0);

        // Multi-selection has no meaning for a save dialog.
        dialog.setFlags(0x200);
        script.answer.paths = QStringList{QStringLiteral("/data/out.rar")};
        dialog.ShowSave();
        const FileChooserRequest& r = script.requests.back();
        QVERIFY(r.save);
        QVERIFY(!r.multiSelect);
        QCOMPARE(r.bufferSize, 1024);
        QCOMPARE(r.flags, 0x200);
        QCOMPARE(dialog.FileName(), QStringLiteral("/data/out.rar"));
    }

    void settingsReachTheNextDialog()
    {
        ScriptedChooser script;
        script.answer.paths = QStringList{QStringLiteral("/data/a.rar")};
        script.answer.filterIndex = 2;
        cFileDialog dialog(script.chooser());
        auto owner = std::make_unique<QWidget>();
        dialog.setHWnd(owner.get());
        dialog.setDialogTitle(QStringLiteral("Select an Archive file..."));
        dialog.setFilter(QStringLiteral("RAR Archive Files (*.rar)|*.rar|All|*"));
        dialog.setInitDir(QStringLiteral("/data"));
        dialog.setDefaultExt(QStringLiteral("rar"));
        dialog.ShowOpen();
        QCOMPARE(dialog.FilterIndex(), 2);

        // A cancel in which the user left the first filter selected still
        // reports it.
        script.answer = FileChooserOutcome{{}, 1};
        dialog.ShowSave();
        QCOMPARE(dialog.FilterIndex(), 1);
        // A chooser that cannot tell keeps the index.
        script.answer = FileChooserOutcome{{}, 0};
        dialog.ShowOpen();
        QCOMPARE(dialog.FilterIndex(), 1);

        const FileChooserRequest& r = script.requests.at(1);
        QCOMPARE(r.owner, owner.get());
        QCOMPARE(r.title, QStringLiteral("Select an Archive file..."));
        QCOMPARE(r.initialDir, QStringLiteral("/data"));
        QCOMPARE(r.defaultSuffix, QStringLiteral("rar"));
        QCOMPARE(r.initialFile, QStringLiteral("/data/a.rar"));
        QCOMPARE(r.filterIndex, 2);

        owner.reset();
        QCOMPARE(dialog.hWnd(), nullptr);
    }

    void lengths_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<int>("titleLength");
        QTest::addColumn<bool>("fails");
        QTest::newRow("name at the limit") << false << 0 << 1024 << 0 << false;
        QTest::newRow("name over") << false << 0 << 1025 << 0 << true;
        QTest::newRow("title over") << false << 0 << 0 << 1025 << true;
        QTest::newRow("title fits multi") << false << 0x200 << 0 << 8192 << false;
        QTest::newRow("title over multi") << false << 0x200 << 0 << 8193 << true;
        QTest::newRow("save ignores multi") << true << 0x200 << 0 << 1025 << true;
    }
    void lengths()
    {
        QFETCH(bool, save);
        QFETCH(int, flags);
        QFETCH(int, nameLength);
        QFETCH(int, titleLength);
        QFETCH(bool, fails);
        ScriptedChooser script;
        cFileDialog dialog(script.chooser());
        dialog.setFlags(flags);
        const QString name(nameLength, u'n');
        QCOMPARE(ErrorOf([&] { dialog.setFileName(name); }).first, nameLength > 1024 ? 5 : 0);
        // The setter keeps the text even when it fails.
        QCOMPARE(dialog.FileName(), name);
        dialog.setFileTitle(QString(titleLength, u't'));

        const auto error = ErrorOf([&] { save ? dialog.ShowSave() : dialog.ShowOpen(); });
        QCOMPARE(error, fails ? std::make_pair(5, InvalidArgument) : std::make_pair(0, QString()));
        QCOMPARE(script.requests.empty(), fails);
    }

    void answerTooLongIsNoChoice_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("path fills the buffer") << 0 << QStringList{'/' + QString(1023, u'a')};
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("/data/%1.rar").arg(QString(40, u'x') + QString::number(i));
        QTest::newRow("too many names") << 0x200 << many;
    }
    void answerTooLongIsNoChoice()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, chosen);
        ScriptedChooser script;
        script.answer.paths = chosen;
        cFileDialog dialog(script.chooser());
        dialog.setFlags(flags);
        dialog.ShowOpen();
        QVERIFY(dialog.FileName().isEmpty());
        dialog.setCancelError(true);
        QVERIFY_THROWS_EXCEPTION(ComponentError, dialog.ShowOpen());
    }

    void qtDialogFollowsRequest()
    {
        FileChooserRequest request;
        request.nameFilters = QStringList{"RAR Archive Files (*.rar)", "All (*)"};
        request.filterIndex = 2;
        request.multiSelect = true;
        request.initialDir = QDir::tempPath();
        request.defaultSuffix = QStringLiteral("rar");
        request.title = QStringLiteral("Select an Archive file...");
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureFileDialog(dialog, request);
        QCOMPARE(dialog.nameFilters(), request.nameFilters);
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("All (*)"));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.defaultSuffix(), QStringLiteral("rar"));
        QCOMPARE(dialog.windowTitle(), request.title);
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
        QCOMPARE(ReadFileDialog(dialog, false).filterIndex, 2);
        QVERIFY(ReadFileDialog(dialog, false).paths.isEmpty());

        dialog.selectNameFilter(QStringLiteral("RAR Archive Files (*.rar)"));
        QCOMPARE(ReadFileDialog(dialog, false).filterIndex, 1);

        QFileDialog save;
        save.setOption(QFileDialog::DontUseNativeDialog);
        request.save = true;
        request.filterIndex = 7; // out of range: the first
        ConfigureFileDialog(save, request);
        QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(save.fileMode(), QFileDialog::AnyFile);
        QCOMPARE(save.selectedNameFilter(), request.nameFilters.first());
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_cfiledialog.moc"
