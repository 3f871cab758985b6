// The UnRAR library runs in marrowick-reader. These runs put a stand-in
// library that crashes, hangs or talks nonsense first on the library path
// and check that the program outlives it: a clear message, the entries
// finished before the fault kept, nothing half-written left, and the window
// ready for the next archive.
#include "dialogs/frmAbout.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/fMain.h"
#include "tests/cli/CliRun.h"
#include "tests/engine/RecordingView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>

#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

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
    qunsetenv("MARROWICK_READER_NO_NAMESPACES");
}

int Lines(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : -1;
}

// What a process that reached this one could have changed: its limits,
// priorities, CPU set and tracer, and the IPC objects of the system.
QStringList OwnState()
{
    QStringList state;
    for (int limit = 0; limit < RLIMIT_NLIMITS; ++limit) {
        rlimit value{};
        getrlimit(static_cast<__rlimit_resource>(limit), &value);
        state << QStringLiteral("limit %1: %2 %3").arg(limit).arg(value.rlim_cur).arg(value.rlim_max);
    }
    cpu_set_t cpus;
    sched_getaffinity(0, sizeof cpus, &cpus);
    state << QStringLiteral("nice %1, scheduler %2, io %3, cpus %4")
                 .arg(getpriority(PRIO_PROCESS, 0))
                 .arg(sched_getscheduler(0))
                 .arg(syscall(SYS_ioprio_get, 1, 0))
                 .arg(CPU_COUNT(&cpus));
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("TracerPid:"))
            state << QString::fromLatin1(line);
    for (const char* table : {"shm", "msg", "sem"})
        state << QStringLiteral("%1: %2").arg(table).arg(Lines(QStringLiteral("/proc/sysvipc/") + table));
    state << Files(QStringLiteral("/dev/mqueue"));
    return state;
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

    // Run from "/": a sandbox that fell back to the working folder would let
    // the library read /etc/passwd. A name the C locale cannot spell is
    // refused, not opened with a wider sandbox.
    void hijackedLibraryCannotEscape_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("output");
        QTest::newRow("spelled") << QStringLiteral("basic.rar") << QStringLiteral("write=0 fork=0 socket=0 read=0\t");
        QTest::newRow("unspellable") << QStringLiteral("b\u00E4sic.rar") << QString();
    }
    void hijackedLibraryCannotEscape()
    {
        QFETCH(QString, name);
        QFETCH(QString, output);
        QTemporaryDir dir;
        const QString archive = dir.filePath(name);
        QVERIFY(QFile::copy(Archive, archive));
        const QString target = dir.filePath(QStringLiteral("written"));
        UseStandIn("escape");
        qputenv("MARROWICK_STANDIN_TARGET", target.toLocal8Bit());
        qputenv("LC_ALL", "C");
        const QString here = QDir::currentPath();
        QDir::setCurrent(QStringLiteral("/"));
        const CliRun run = RunCli({QStringLiteral("l"), archive});
        QDir::setCurrent(here);
        qputenv("LC_ALL", "en_US.UTF-8");
        qunsetenv("MARROWICK_STANDIN_TARGET");
        QVERIFY2(output.isEmpty() ? run.status == 1 && run.err.contains(QStringLiteral("Cannot open"))
                                  : run.out.startsWith(output),
                 qPrintable(run.out + run.err));
        QVERIFY(!QFile::exists(target));
    }

    // The stand-in tries every way it knows to reach this process (the
    // window's program, and the command-line tool's parent); each must fail
    // with namespaces and with the filter and Landlock alone.
    void takenOverLibraryReachesNothing_data()
    {
        QTest::addColumn<bool>("namespaces");
        QTest::newRow("every layer") << true;
        QTest::newRow("without namespaces") << false;
    }
    void takenOverLibraryReachesNothing()
    {
        QFETCH(bool, namespaces);
        const QStringList before = OwnState();
        UseStandIn("victim");
        qputenv("MARROWICK_STANDIN_VICTIM", QByteArray::number(getpid()));
        if (!namespaces)
            qputenv("MARROWICK_READER_NO_NAMESPACES", "1");
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        fMain window(&answers);
        window.Form_Load(QStringLiteral("L=") + Archive);
        QCOMPARE(window.fileModel()->rowCount(), 2);
        QCOMPARE(window.fileModel()->row(0).name, QStringLiteral("escaped: none"));
        // A layer missing (here: switched off) is said once in the window.
        const auto* notice = window.findChild<QLabel*>(QStringLiteral("sandboxNotice"));
        QCOMPARE(notice ? notice->toolTip() : QString(),
                 namespaces ? QString() : QStringLiteral("The archive reader runs without namespaces of its own (see About)"));
        const CliRun run = RunCli({QStringLiteral("l"), Archive});
        qunsetenv("MARROWICK_STANDIN_VICTIM");
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("escaped: none\t")), qPrintable(run.out + run.err));
        QCOMPARE(run.err.contains(QStringLiteral("user namespaces")), !namespaces);
        QCOMPARE(frmAbout().Sandbox->text().contains(QStringLiteral("user namespaces")), !namespaces);
        QCOMPARE(OwnState(), before);
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
        // Cancel once the first entry is written and the library hangs in the
        // second (a loaded machine may take a while to get there).
        QElapsedTimer sinceCancel;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &window, [&] {
            if (!sinceCancel.isValid() && QFileInfo::exists(dest.filePath(QStringLiteral("one.txt")))) {
                sinceCancel.start();
                window.requestCancel();
            }
        });
        poll.start(20);
        window.Form_Load(QStringLiteral("X=") + Archive);
        QDir::setCurrent(here);
        QVERIFY(sinceCancel.isValid());
        QVERIFY2(sinceCancel.elapsed() < 1000, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(answers.errors.isEmpty());
        QCOMPARE(Files(dest.path()), QStringList{QStringLiteral("one.txt")});
    }
};

QTEST_MAIN(TestReader)
#include "tst_reader.moc"
