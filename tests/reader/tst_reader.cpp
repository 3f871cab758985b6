// The UnRAR library runs in marrowick-reader. These runs put a stand-in
// library that crashes, hangs or talks nonsense first on the library path
// and check that the program outlives it: a clear message, the entries
// finished before the fault kept, nothing half-written left, and the window
// ready for the next archive.
#include "mainwindow/FileListModel.h"
#include "mainwindow/fMain.h"
#include "tests/cli/CliRun.h"
#include "tests/engine/RecordingView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>

using namespace marrowick;
using namespace marrowick::test;

namespace {

const QString Archive = test::Fixture(QStringLiteral("basic.rar"));

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

void UseStandIn(const char* mode)
{
    qputenv("MARROWICK_STANDIN", mode);
    qputenv("LD_LIBRARY_PATH", MARROWICK_STANDIN_DIR);
}

void UseRealLibrary()
{
    qunsetenv("MARROWICK_STANDIN");
    qunsetenv("LD_LIBRARY_PATH");
}

} // namespace

class TestReader : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { UseRealLibrary(); }

    void cliOutlivesTheLibrary_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("segv") << QByteArray("segv")
                              << "The UnRAR library failed while reading two.txt in " + Archive +
                                     " (signal 11). Nothing more was extracted.";
        QTest::newRow("abort") << QByteArray("abort") << QStringLiteral("(signal 6)");
    }
    void cliOutlivesTheLibrary()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QString, message);
        QTemporaryDir dest;
        UseStandIn(mode);
        const CliRun run = RunCli({QStringLiteral("x"), Archive, dest.path()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        // The entry finished before the fault stays; the one in flight goes
        // with its temporary file.
        QCOMPARE(Files(dest.path()), QStringList{QStringLiteral("one.txt")});
    }

    void hijackedLibraryCannotEscape()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("written"));
        UseStandIn("escape");
        qputenv("MARROWICK_STANDIN_TARGET", target.toLocal8Bit());
        const CliRun run = RunCli({QStringLiteral("l"), Archive});
        qunsetenv("MARROWICK_STANDIN_TARGET");
        QVERIFY2(run.out.startsWith(QStringLiteral("write=0 fork=0 socket=0 read=0\t")),
                 qPrintable(run.out + run.err));
        QVERIFY(!QFile::exists(target));
    }

    void absurdHeadersAreBounded()
    {
        UseStandIn("absurd");
        const CliRun run = RunCli({QStringLiteral("l"), Archive});
        QVERIFY(run.status == 0 || run.status == 1);
        QVERIFY(run.out.contains(QString(1024, QLatin1Char('A')) + QLatin1Char('\t')));
        QVERIFY(!run.out.contains(QString(1025, QLatin1Char('A'))));
    }

    void windowSurvivesAndListsTheNextArchive()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        fMain window(&answers);
        UseStandIn("segv");
        window.Form_Load(QStringLiteral("T=") + Archive);
        QCOMPARE(answers.errors.size(), 1);
        QVERIFY(answers.errors.first().endsWith(QStringLiteral("(signal 11). Nothing more was tested.")));
        QVERIFY(window.isVisible());

        UseRealLibrary();
        window.Form_Load(QStringLiteral("L=") + Archive);
        QCOMPARE(window.fileModel()->rowCount(), 7);
        QCOMPARE(answers.errors.size(), 1);
    }

    void cancelEndsAHungLibrary()
    {
        QTemporaryDir dest;
        const QString here = QDir::currentPath();
        QDir::setCurrent(dest.path());
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        fMain window(&answers);
        UseStandIn("hang");
        QTimer::singleShot(300, &window, [&window] { window.requestCancel(); });
        QElapsedTimer clock;
        clock.start();
        window.Form_Load(QStringLiteral("X=") + Archive);
        const qint64 took = clock.elapsed();
        QDir::setCurrent(here);
        QVERIFY2(took < 1300, qPrintable(QString::number(took)));
        QVERIFY(answers.errors.isEmpty());
        QCOMPARE(Files(dest.path()), QStringList{QStringLiteral("one.txt")});
    }
};

QTEST_MAIN(TestReader)
#include "tst_reader.moc"
