#include "dialogs/ModBrowse.h"

#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using namespace marrowick;

class TestBrowse : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetFolderChooser({}); }

    void answerReturnedAsChosen_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancel, missing start folder") << "/no/such/folder/" << "";
        QTest::newRow("cancel, no start folder") << "" << "";
        QTest::newRow("trailing / kept") << "/data/arc/" << "/data/out/";
        QTest::newRow("root") << "/data/arc/" << "/";
    }
    void answerReturnedAsChosen()
    {
        QFETCH(QString, start);
        QFETCH(QString, answer);
        std::vector<FolderChooserRequest> asked;
        SetFolderChooser([&](const FolderChooserRequest& request) {
            asked.push_back(request);
            return answer;
        });
        QWidget owner;
        QCOMPARE(BrowseForFolder(start, &owner, QStringLiteral("Extract Archive to ...")), answer);
        QCOMPARE(asked.size(), size_t(1));
        QCOMPARE(asked.front().startFolder, start);
        QCOMPARE(asked.front().owner, &owner);
        QCOMPARE(asked.front().title, QStringLiteral("Extract Archive to ..."));
    }

    void qtDialogOpensOnStartFolder()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("sub")));
        const QString start = root.path() + QLatin1Char('/');
        const auto dialog =
            CreateFolderDialog({start, nullptr, QStringLiteral("Extract Archive to ...")});
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Extract Archive to ..."));
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        QVERIFY(dialog->testOption(QFileDialog::DontResolveSymlinks));
        QCOMPARE(dialog->directory().canonicalPath(), QDir(root.path()).canonicalPath());

        // Choosing without moving picks the start folder; cancelling gives "".
        QCOMPARE(QDir(ReadFolderDialog(*dialog, true)).canonicalPath(),
                 QDir(root.path()).canonicalPath());
        QCOMPARE(ReadFolderDialog(*dialog, false), QString());

        auto* status = dialog->findChild<QLabel*>(QStringLiteral("statusLine"));
        QVERIFY(status != nullptr);
        QCOMPARE(status->text(), start);

        const QString sub = root.path() + QStringLiteral("/sub");
        emit dialog->currentChanged(sub);
        QCOMPARE(status->text(), sub);
        // Nothing on disk to show: the line stays as it was.
        emit dialog->currentChanged(QString());
        QCOMPARE(status->text(), sub);
        emit dialog->currentChanged(root.path() + QStringLiteral("/gone"));
        QCOMPARE(status->text(), sub);

        // A start folder that is gone is no error; the line starts empty.
        const auto missing = CreateFolderDialog({QStringLiteral("/no/such/folder/"), nullptr, {}});
        status = missing->findChild<QLabel*>(QStringLiteral("statusLine"));
        QVERIFY(status != nullptr);
        QVERIFY(status->text().isEmpty());
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_modbrowse.moc"
