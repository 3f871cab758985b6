// marrowick-cli as scripts see it: arguments, exit statuses, output formats and
// the rules for runs without a terminal, against the archives of tests/data.
#include "CliProcess.h"
#include "marrowick_version.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace marrowick::test;

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Every regular file below the folder, relative, sorted.
QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

  private slots:
    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stderrHas");

        const QString basic = Fixture("basic.rar");
        QTest::newRow("nothing") << QStringList{} << 2 << "no command given";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate", basic} << 2 << "unknown command 'frobnicate'";
        QTest::newRow("no archive") << QStringList{"list"} << 2 << "no archive given";
        QTest::newRow("unknown option")
            << QStringList{"list", "--bogus", basic} << 2 << "unknown option '--bogus'";
        QTest::newRow("json outside list")
            << QStringList{"test", "--json", basic} << 2 << "--json is for list only";
        QTest::newRow("overwrite outside extract")
            << QStringList{"list", "--overwrite", "never", basic} << 2
            << "--overwrite is for extract only";
        QTest::newRow("bad overwrite word")
            << QStringList{"x", basic, "--overwrite", "sometimes"} << 2 << "not 'sometimes'";
        QTest::newRow("overwrite without its word")
            << QStringList{"x", basic, "--overwrite"} << 2 << "--overwrite needs";
        QTest::newRow("ask without a terminal")
            << QStringList{"x", "--overwrite=ask", basic} << 2 << "needs a terminal";
        QTest::newRow("-p without password")
            << QStringList{"list", basic, "-p"} << 2 << "-p needs a password";
        QTest::newRow("both password sources")
            << QStringList{"-p", "a", "--password-file", basic, "list", basic} << 2 << "not both";
        QTest::newRow("password file missing")
            << QStringList{"list", "--password-file", "/nonexistent/pw", basic} << 2
            << "cannot read the password file";
        QTest::newRow("extra argument to list")
            << QStringList{"list", basic, "extra"} << 2 << "unexpected argument 'extra'";
        QTest::newRow("archive missing") << QStringList{"l", "/nonexistent/a.rar"} << 1
                                         << "marrowick-cli: Cannot open /nonexistent/a.rar";
        QTest::newRow("archive is a folder")
            << QStringList{"t", MARROWICK_TEST_DATA} << 1 << "Cannot open";
        QTest::newRow("not an archive") << QStringList{"l", Fixture("make-fixtures.sh")} << 1
                                        << Fixture("make-fixtures.sh") + " is not RAR archive";
        // Names after DEST: nothing is written for a name that matches nothing.
        QTest::newRow("entry name matching nothing") << QStringList{"x", basic, MARROWICK_TEST_DATA,
            "docs/nope"} << 1 << "marrowick-cli: No entry named docs/nope";
        QTest::newRow("empty entry name")
            << QStringList{"x", basic, MARROWICK_TEST_DATA, ""} << 2 << "an entry name is empty";
        QTest::newRow("help wins over errors") << QStringList{"--help", "frobnicate"} << 0 << "";
    }
    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, stderrHas);
        const CliRun run = RunCli(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(stderrHas), qPrintable(run.err));
        if (status == 2)
            QVERIFY2(run.err.contains("Try 'marrowick-cli --help'"), qPrintable(run.err));
        if (status != 0)
            QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    }

    void helpAndVersion()
    {
        const CliRun help = RunCli({"-h"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: marrowick-cli COMMAND"));
        for (const char* word :
             {"list, l", "test, t", "extract, x", "--overwrite", "--password-file", "Exit status"})
            QVERIFY2(help.out.contains(word), word);

        const CliRun version = RunCli({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("marrowick-cli " MARROWICK_VERSION_STRING "\n"));
    }

    void listText_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("files and folders")
            << "basic.rar" << QStringList{}
            << QStringList{"readme.txt\t6\t6\t 100%\t363A3020",
                           "docs/a1200.txt\t1,200\t13\t 1%\tFB3D3A2B",
                           "docs/empty.txt\t\t\t\t0",
                           "docs/sub/deep.txt\t5\t5\t 100%\t279EB882",
                           "docs/sub\t\t\t\t0",
                           "docs\t\t\t\t0",
                           "empty-folder\t\t\t\t0",
                           "Total  7 Files "};
        QTest::newRow("unicode names")
            << "unicode.rar" << QStringList{}
            << QStringList{"Ünïcödé.txt\t1\t1\t 100%\t8CDC1683",
                           "Ελληνικά.txt\t1\t1\t 100%\t62D277AF",
                           "日本語.txt\t1\t1\t 100%\tFBDB2615", "Total  3 Files "};
        QTest::newRow("beyond 4 GiB")
            << "zeros5g.rar" << QStringList{}
            << QStringList{"zeros5g.bin\t5,368,709,120\t216,000\t 0%\t193838C3", "Total  1 Files "};
        QTest::newRow("encrypted headers, password given")
            << "encrypted-headers.rar" << QStringList{"-p", "secret"} << QStringList{};
    }
    void listText()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        const CliRun run = RunCli(QStringList{"list", Fixture(archive)} + arguments);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(run.status, 0);
        if (lines.isEmpty()) {
            // Salted checksums: compare names and the totals only.
            QStringList names;
            for (const QString& line : run.outLines())
                names << line.section(QLatin1Char('\t'), 0, 0);
            QCOMPARE(names, (QStringList{"readme.txt", "docs/a1200.txt", "docs/empty.txt",
                                         "docs/sub/deep.txt", "docs/sub", "docs", "empty-folder",
                                         "Total  7 Files "}));
        } else {
            QCOMPARE(run.outLines(), lines);
        }
    }

    void listJson()
    {
        const CliRun run = RunCli({"l", "--json", "-p", "secret", Fixture("encrypted-files.rar")});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.outLines();
        QCOMPARE(lines.size(), 7); // no totals line
        QStringList names;
        for (const QString& line : lines) {
            QJsonParseError error;
            const QJsonObject entry = QJsonDocument::fromJson(line.toUtf8(), &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
            QCOMPARE(entry.keys(), (QStringList{"crc32", "encrypted", "folder", "mtime", "name",
                                                "packed", "size"}));
            names << entry["name"].toString();
            const bool folder = entry["folder"].toBool();
            QCOMPARE(entry["encrypted"].toBool(), !folder);
            QCOMPARE(entry["crc32"].toString().size(), 8);
            QVERIFY2(entry["mtime"].toString().startsWith("2024-01-0"), qPrintable(line));
            QVERIFY2(entry["mtime"].toString().endsWith("Z"), qPrintable(line));
            if (entry["name"] == "docs/a1200.txt")
                QCOMPARE(entry["size"].toInteger(), 1200);
        }
        QCOMPARE(names.first(), QStringLiteral("readme.txt"));
    }

    void listProblems_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("stderrHas");
        QTest::addColumn<bool>("nothingListed");

        QTest::newRow("encrypted headers, no password, no terminal")
            << QStringList{"list", Fixture("encrypted-headers.rar")}
            << "the archive needs a password and there is no terminal to ask on" << true;
        QTest::newRow("encrypted headers, wrong password")
            << QStringList{"list", "-p", "wrong", Fixture("encrypted-headers.rar")}
            << "wrong password" << true;
        QTest::newRow("test of encrypted files, no password, no terminal")
            << QStringList{"t", Fixture("encrypted-files.rar")} << "no terminal to ask on" << false;
        QTest::newRow("flipped header byte")
            << QStringList{"list", Fixture("flipped-header.rar")} << "marrowick-cli: " << false;
    }
    void listProblems()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stderrHas);
        QFETCH(bool, nothingListed);
        const CliRun run = RunCli(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(stderrHas, Qt::CaseInsensitive), qPrintable(run.err));
        // An archive that could not be read has no totals to show.
        if (nothingListed)
            QCOMPARE(run.out, QString());
    }

    void passwordFile()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath("pw");
        WriteFile(file, "secret\r\n");
        const CliRun run =
            RunCli({"list", "--password-file", file, Fixture("encrypted-headers.rar")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.outLines().last(), QStringLiteral("Total  7 Files "));

        WriteFile(file, "\n");
        const CliRun empty =
            RunCli({"list", "--password-file=" + file, Fixture("encrypted-headers.rar")});
        QCOMPARE(empty.status, 2);
        QVERIFY(empty.err.contains("is empty"));
    }

    // stdin on a pseudo-terminal: the prompt comes on stderr, the typed
    // password is used and never echoed back.
    void passwordPromptOnTerminal()
    {
        const TerminalRun run =
            RunCliOnTerminal({"list", Fixture("encrypted-headers.rar")},
                             "Enter password for the encrypted file:", "secret\n");
        QVERIFY2(run.asked, qPrintable(run.err));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.outLines().value(7), QStringLiteral("Total  7 Files "));
        QVERIFY2(!run.echoed.contains("secret"), run.echoed.constData());
    }

    void overwriteQuestionOnTerminal_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("readmeAfter");
        QTest::newRow("no keeps everything") << QByteArray("n\n") << 1 << QByteArray("mine");
        QTest::newRow("yes replaces") << QByteArray("y\n") << 0 << QByteArray("hello\n");
        QTest::newRow("Enter is the default, yes")
            << QByteArray("\n") << 0 << QByteArray("hello\n");
    }
    void overwriteQuestionOnTerminal()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QFETCH(QByteArray, readmeAfter);
        QTemporaryDir dest;
        WriteFile(dest.filePath("readme.txt"), "mine");
        const TerminalRun run = RunCliOnTerminal({"x", Fixture("basic.rar"), dest.path()},
                                                 "File(s) Exist, Replace ?", answer);
        QVERIFY2(run.asked, qPrintable(run.err));
        QCOMPARE(run.status, status);
        QCOMPARE(ReadFile(dest.filePath("readme.txt")), readmeAfter);
        // No writes nothing at all.
        QCOMPARE(QFile::exists(dest.filePath("docs/sub/deep.txt")), status == 0);
    }

    void commentGoesToStderr()
    {
        const CliRun run = RunCli({"list", Fixture("commented.rar")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.outLines(),
                 (QStringList{"readme.txt\t6\t6\t 100%\t363A3020", "Total  1 Files "}));
        QVERIFY2(run.err.contains(QStringLiteral("Archive comment line 1\nline 2 é")),
                 qPrintable(run.err));
    }

    void testEntries_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("stdoutHas");

        QTest::newRow("sound archive")
            << QStringList{"t", Fixture("basic.rar")} << 0 << "docs/sub/deep.txt\tOK\n";
        QTest::newRow("flipped data byte")
            << QStringList{"t", Fixture("flipped-data.rar")} << 1 << "readme.txt\t";
        QTest::newRow("encrypted, right password")
            << QStringList{"t", "-p", "secret", Fixture("encrypted-files.rar")} << 0
            << "readme.txt\tOK\n";
    }
    void testEntries()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, stdoutHas);
        const CliRun run = RunCli(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.out.contains(stdoutHas), qPrintable(run.out + run.err));
        QCOMPARE(run.out.contains("No errors found during test operation"), status == 0);
        if (status != 0)
            QVERIFY(!run.out.contains(stdoutHas + "OK"));
    }

    void extractIntoNewFolder()
    {
        QTemporaryDir folder;
        const QString dest = folder.filePath("made/on/demand");
        const CliRun run = RunCli({"extract", Fixture("basic.rar"), dest});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(FilesBelow(dest), (QStringList{"docs/a1200.txt", "docs/empty.txt",
                                                "docs/sub/deep.txt", "readme.txt"}));
        QCOMPARE(ReadFile(dest + "/readme.txt"), QByteArray("hello\n"));
        QVERIFY(QFileInfo(dest + "/empty-folder").isDir());
        QVERIFY(run.out.contains("readme.txt\tOK\n"));

        // No DEST: the current folder.
        QTemporaryDir here;
        const CliRun inPlace = RunCli({"x", Fixture("unicode.rar")}, here.path());
        QCOMPARE(inPlace.status, 0);
        QCOMPARE(ReadFile(here.filePath("日本語.txt")), QByteArray("y"));
    }

    // Runs without a terminal never ask: an existing file is kept unless
    // --overwrite=always, and an encrypted archive writes nothing at all.
    void extractWithoutTerminal_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("readmeAfter");

        QTest::newRow("default keeps") << "basic.rar" << QStringList{} << 1 << QByteArray("mine");
        QTest::newRow("never keeps")
            << "basic.rar" << QStringList{"--overwrite", "never"} << 1 << QByteArray("mine");
        QTest::newRow("always replaces")
            << "basic.rar" << QStringList{"--overwrite=always"} << 0 << QByteArray("hello\n");
        QTest::newRow("encrypted files")
            << "encrypted-files.rar" << QStringList{"--overwrite", "always"} << 1
            << QByteArray("mine");
        QTest::newRow("encrypted headers")
            << "encrypted-headers.rar" << QStringList{"--overwrite", "always"} << 1
            << QByteArray("mine");
    }
    void extractWithoutTerminal()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, readmeAfter);
        QTemporaryDir dest;
        WriteFile(dest.filePath("readme.txt"), "mine");
        const CliRun run = RunCli(QStringList{"x", Fixture(archive), dest.path()} + options);
        QCOMPARE(run.status, status);
        QCOMPARE(ReadFile(dest.filePath("readme.txt")), readmeAfter);
        if (archive.startsWith(QLatin1String("encrypted"))) {
            QCOMPARE(FilesBelow(dest.path()), QStringList{"readme.txt"});
            return;
        }
        // The other entries are written either way.
        QCOMPARE(ReadFile(dest.filePath("docs/sub/deep.txt")), QByteArray("deep\n"));
        if (status != 0)
            QVERIFY2(run.err.contains("readme.txt"), qPrintable(run.err));
    }

    void interruptCleansUp_data()
    {
        QTest::addColumn<bool>("extract");
        QTest::addColumn<int>("signal");
        QTest::newRow("extract, Ctrl+C") << true << SIGINT;
        QTest::newRow("extract, SIGTERM") << true << SIGTERM;
        QTest::newRow("test, Ctrl+C") << false << SIGINT;
    }
    void interruptCleansUp()
    {
        QFETCH(bool, extract);
        QFETCH(int, signal);
        QTemporaryDir dest;
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.setWorkingDirectory(dest.path());
        process.start(MARROWICK_CLI, {extract ? "x" : "t", Fixture("zeros5g.rar")});
        QVERIFY(process.waitForStarted());
        // Well into the 5 GiB entry, far from its end.
        QTest::qWait(700);
        QCOMPARE(process.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        QVERIFY(process.readAllStandardError().contains("marrowick-cli: cancelled"));
        QVERIFY(!process.readAllStandardOutput().contains("\tOK"));
        QCOMPARE(
            QDir(dest.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
