// Extraction of some entries only, through ProcessArchive and the installed
// library (passwords "secret").
#include "engine/modRAR.h"

#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

class TestSelection final : public QObject
{
    Q_OBJECT

private slots:
    void extractSome_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("selection");
        QTest::addColumn<QString>("typed");    // answer to a password prompt
        QTest::addColumn<QStringList>("files"); // the destination afterwards
        QTest::addColumn<QStringList>("outcomes");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QStringList>("errors"); // the error boxes
        QTest::addColumn<int>("prompts");        // password prompts and questions
        const QString a1200 = QStringLiteral("docs/a1200.txt#1200");
        const QStringList none;
        // clang-format off
        QTest::newRow("one entry") << "basic.rar" << QStringList{"docs/sub/deep.txt"} << ""
            << QStringList{"docs/", "docs/sub/", "docs/sub/deep.txt=deep\n", "readme.txt=mine"}
            << QStringList{"docs/sub/deep.txt=0"} << none << none << 0;
        QTest::newRow("a folder takes what is below it") << "basic.rar" << QStringList{"docs/"} << ""
            << QStringList{"docs/", a1200, "docs/empty.txt=", "docs/sub/", "docs/sub/deep.txt=deep\n",
                           "readme.txt=mine"}
            << QStringList{"docs/a1200.txt=0", "docs/empty.txt=0", "docs/sub/deep.txt=0", "docs/sub=0",
                           "docs=0"} << none << none << 0;
        QTest::newRow("an existing file asked for: one question") << "basic.rar"
            << QStringList{"readme.txt"} << "" << QStringList{"readme.txt=hello\n"}
            << QStringList{"readme.txt=0"} << none << none << 1;
        QTest::newRow("a folder, not those its name begins") << "prefix.rar" << QStringList{"dir"} << ""
            << QStringList{"dir/", "dir/a.txt=a\n", "readme.txt=mine"}
            << QStringList{"dir/a.txt=0", "dir=0"} << none << none << 0;
        QTest::newRow("one found, one not") << "basic.rar" << QStringList{"docs/nope", "docs/empty.txt"}
            << "" << QStringList{"docs/", "docs/empty.txt=", "readme.txt=mine"}
            << QStringList{"docs/empty.txt=0"} << none << QStringList{"No entry named docs/nope"} << 0;
        QTest::newRow("last of a solid archive") << "solid.rar" << QStringList{"docs/empty.txt"} << ""
            << QStringList{"docs/", "docs/empty.txt=", "readme.txt=mine"}
            << QStringList{"docs/empty.txt=0"} << none << none << 0;
        QTest::newRow("an encrypted entry asks") << "encrypted-files.rar" << QStringList{"docs/sub"}
            << "secret" << QStringList{"docs/", "docs/sub/", "docs/sub/deep.txt=deep\n", "readme.txt=mine"}
            << QStringList{"docs/sub/deep.txt=0", "docs/sub=0"} << none << none << 1;
        QTest::newRow("encrypted entries not asked for") << "encrypted-files.rar"
            << QStringList{"empty-folder"} << "" << QStringList{"empty-folder/", "readme.txt=mine"}
            << QStringList{"empty-folder=0"} << none << none << 0;
        QTest::newRow("a refused entry") << "hostile/symlink.rar" << QStringList{"l"} << ""
            << QStringList{"readme.txt=mine"} << none << QStringList{"l"}
            << QStringList{"These entries were not extracted:\nl: Link target points outside the destination"} << 0;
        QTest::newRow("a refused entry not asked for") << "hostile/symlink.rar" << QStringList{"m"}
            << "" << QStringList{"m/", "m/evil=evil\n", "readme.txt=mine"}
            << QStringList{"m/evil=0"} << none << none << 0;
        // clang-format on
    }
    void extractSome()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, selection);
        QFETCH(QString, typed);
        QFETCH(QStringList, files);
        QFETCH(QStringList, outcomes);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, errors);
        QFETCH(int, prompts);
        QTemporaryDir dest;
        QFile mine(dest.filePath(QStringLiteral("readme.txt")));
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        RecordingView view;
        ScriptedPrompts answers(view);
        if (!typed.isEmpty())
            answers.password = typed;
        QString password;
        RunContext context{view, answers, nullptr, dest.path() + QLatin1Char('/'),
                           OverwritePolicy::Ask, selection};
        ProcessArchive(OP_EXTRACT, Fixture(archive), password, context);

        QCOMPARE(Contents(dest.path()), files);
        QCOMPARE(view.outcomes, outcomes);
        QCOMPARE(view.refused, refused);
        QCOMPARE(answers.errors, errors);
        QCOMPARE(answers.passwordPrompts.size() + answers.questions.size(), prompts);
        QCOMPARE(view.panels.value(2) == QLatin1String("Success"),
                 errors.isEmpty() && refused.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
