// marrowick-cli as scripts see it: arguments, exit statuses, output and the
// rules for runs without a terminal, against the archives of tests/data.
#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "cli/ConsoleView.h"
#include "tests/cli/CliRun.h"
#include "tests/engine/TreeSnapshot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <pty.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::cli;
using namespace marrowick::test;
namespace {

QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}

using TerminalRun = CliRun;

// stdin on a pseudo-terminal: waits for the question on stderr, types the
// answer, and keeps what the terminal echoed.
CliRun RunCliOnTerminal(const QStringList& arguments, const QByteArray& question, const QByteArray& typed)
{
    CliRun run;
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return run;
    QProcess process;
    process.setChildProcessModifier([slave] { dup2(slave, STDIN_FILENO); });
    process.start(QStringLiteral(MARROWICK_CLI), arguments);
    process.waitForStarted();
    ::close(slave);
    QByteArray err;
    QElapsedTimer clock;
    clock.start();
    while (!err.contains(question) && clock.elapsed() < 10000 && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        err += process.readAllStandardError();
    }
    run.asked = err.contains(question) && ::write(master, typed.constData(), size_t(typed.size())) == typed.size();
    if (!process.waitForFinished(30000))
        process.kill();
    char echoed[512] = {};
    const ssize_t got = ::read(master, echoed, sizeof echoed - 1);
    run.echoed = QByteArray(echoed, got > 0 ? got : 0);
    ::close(master);
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(err + process.readAllStandardError());
    return run;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    // The destination of the runs that must write nothing.
    QTemporaryDir m_untouched;

private slots:
    // Exit statuses: 0 all done, 1 the archive or an entry failed, 2 wrong usage.
    void statuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("outHas");
        QTest::addColumn<QString>("errHas");
        const QString basic = Fixture("basic.rar"), headers = Fixture("encrypted-headers.rar");
        const QString listing = "readme.txt\t6\t6\t 100%\t363A3020\ndocs/a1200.txt\t1,200\t13\t 1%\tFB3D3A2B\n"
                                "docs/empty.txt\t\t\t\t0\ndocs/sub/deep.txt\t5\t5\t 100%\t279EB882\ndocs/sub\t\t\t\t0\n"
                                "docs\t\t\t\t0\nempty-folder\t\t\t\t0\nTotal  7 Files \n";
        // clang-format off
        QTest::newRow("nothing") << QStringList{} << 2 << "" << "no command given";
        QTest::newRow("unknown option") << QStringList{"list", "--bogus", basic} << 2 << "" << "unknown option '--bogus'";
        QTest::newRow("lang without a value") << QStringList{"list", basic, "--lang"} << 2 << "" << "--lang needs a language";
        QTest::newRow("ask without a terminal") << QStringList{"x", "--overwrite=ask", basic} << 2 << "" << "needs a terminal";
        QTest::newRow("help wins over errors") << QStringList{"--help", "frobnicate"} << 0 << "Usage: marrowick-cli" << "";
        // Help in the language asked for; what scripts read, never.
        QTest::newRow("help in German") << QStringList{"--lang", "de", "--help"} << 0 << "Aufruf: marrowick-cli" << "";
        QTest::newRow("list in Russian, unchanged") << QStringList{"--lang", "ru", "list", basic} << 0 << listing << "";
        QTest::newRow("archive missing") << QStringList{"l", "/nonexistent/a.rar"} << 1 << ""
            << "marrowick-cli: Cannot open /nonexistent/a.rar";
        QTest::newRow("not an archive") << QStringList{"l", Fixture("make-fixtures.sh")} << 1 << ""
            << Fixture("make-fixtures.sh") + " is not RAR archive";
        QTest::newRow("list") << QStringList{"list", basic} << 0 << listing << "";
        QTest::newRow("list, the folder tree") << QStringList{"l", "--tree", basic} << 0
            << "basic.rar\t4 files\t3 folders\t1,211 bytes\n  docs/\t3 files\t1 folders\t1,205 bytes\n"
               "    sub/\t1 files\t0 folders\t5 bytes\n  empty-folder/\t0 files\t0 folders\t0 bytes\n"
               "Total  7 Files \n" << "";
        QTest::newRow("tree for list only") << QStringList{"t", "--tree", basic} << 2 << "" << "--tree is for list only";
        // The comment goes to stderr: stdout holds only results.
        QTest::newRow("comment") << QStringList{"list", Fixture("commented.rar")} << 0
            << "readme.txt\t6\t6\t 100%\t363A3020\nTotal  1 Files \n" << "Archive comment line 1\nline 2 é";
        QTest::newRow("encrypted headers, no password, no terminal") << QStringList{"list", headers} << 1 << ""
            << "the archive needs a password and there is no terminal to ask on";
        QTest::newRow("test, sound") << QStringList{"t", basic} << 0 << "docs/sub/deep.txt\tOK\n" << "";
        QTest::newRow("test, flipped data byte") << QStringList{"t", Fixture("flipped-data.rar")} << 1
            << "readme.txt\tCRC failed" << "";
        // Names after DEST: nothing is written for a name that matches nothing.
        QTest::newRow("entry name matching nothing") << QStringList{"x", basic, m_untouched.path(), "docs/nope"} << 1
            << "" << "marrowick-cli: No entry named docs/nope";
        QTest::newRow("empty entry name") << QStringList{"x", basic, m_untouched.path(), ""} << 2 << "" << "an entry name is empty";
        // The library calls a cut archive's end a normal one; the reader's walk does not.
        QTest::newRow("test, archive cut short") << QStringList{"t", Fixture("truncated.rar")} << 1
            << "docs/a1200.txt\tOK\n" << "marrowick-cli: Unexpected end of archive";
        QTest::newRow("list, a link's target") << QStringList{"l", Fixture("links-out.rar")} << 0 << "abs -> /etc/passwd\t" << "";
        QTest::newRow("list, json target") << QStringList{"l", "--json", Fixture("links-out.rar")} << 0
            << "\"mtime\":\"2024-01-02T03:04:05Z\",\"target\":\"/etc/passwd\",\"attributes\":\"lrwxrwxrwx\","
               "\"host_os\":\"Unix\",\"method\":\"stored\",\"dictionary\":null,\"link_target\":\"/etc/passwd\"}" << "";
        // A BLAKE2sp hash in place of the CRC32, times to the 100 ns.
        QTest::newRow("list, json BLAKE2") << QStringList{"l", "--json", Fixture("properties.rar")} << 0
            << "\"packed\":6,\"blake2sp\":\"68505689ed9e9910f32668d51bfc0ec82641936350099accdcda9ab464be1870\","
               "\"encrypted\":false,\"folder\":false,\"mtime\":\"2024-01-02T03:04:05Z\",\"ctime\":\"2026-12-07T12:22:51.2295355Z\"" << "";
        QTest::newRow("info, locked with a recovery record") << QStringList{"info", "--json", Fixture("properties.rar")} << 0
            << "\",\"format\":\"RAR 5\",\"solid\":false,\"volume\":null,\"volumes\":null,\"volumes_found\":null,"
               "\"first_volume\":null,\"recovery_record\":true,\"locked\":true,\"encrypted_headers\":false,"
               "\"encrypted_entries\":false,\"comment\":null,\"entries\":3,\"files\":2,\"folders\":1,\"size\":3006,"
               "\"packed\":21,\"size_on_disk\":671,\"largest\":\"docs/q.txt\",\"newest\":\"2024-01-02T03:04:05Z\","
               "\"oldest\":\"2024-01-02T03:04:05Z\"}\n" << "";
        QTest::newRow("info, a middle volume") << QStringList{"i", "--json", Fixture("multivolume.part2.rar")} << 0
            << "\",\"format\":\"RAR 5\",\"solid\":false,\"volume\":2,\"volumes\":3,\"volumes_found\":3,"
               "\"first_volume\":\"multivolume.part1.rar\",\"recovery_record\":false,\"locked\":false,"
               "\"encrypted_headers\":false,\"encrypted_entries\":false,\"comment\":null,\"entries\":2,\"files\":2,"
               "\"folders\":0,\"size\":300006,\"packed\":122738,\"size_on_disk\":300481," << "";
        QTest::newRow("no-links is for extract") << QStringList{"t", "--no-links", basic} << 2 << "" << "--no-links is for extract only";
        // clang-format on
    }
    void statuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, outHas);
        QFETCH(QString, errHas);
        const CliRun run = RunCli(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(errHas), qPrintable(run.err));
        if (status == 2)
            QVERIFY2(run.err.contains("Try 'marrowick-cli --help'"), qPrintable(run.err));
        if (outHas.isEmpty() && status != 0)
            QCOMPARE(run.out, QString());
        else if (outHas.contains("Total"))
            QCOMPARE(run.out, outHas);
        else
            QVERIFY2(run.out.contains(outHas), qPrintable(run.out));
        if (arguments.value(0) == "t")
            QCOMPARE(run.out.contains("No errors found during test operation"), status == 0);
        QCOMPARE(QDir(m_untouched.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // The links of a tree are made (exit 0) unless refused by choice; those
    // that leave it are refused, one stderr line each, names escaped.
    void links()
    {
        QTemporaryDir dir;
        QCOMPARE(RunCli({"x", Fixture("links.rar"), dir.filePath("in")}).status, 0);
        QCOMPARE(QFile::symLinkTarget(dir.filePath("in/src/sub/up.txt")), dir.filePath("in/src/a.txt"));
        const CliRun refused = RunCli({"x", "--no-links", Fixture("links.rar"), dir.filePath("no")});
        QVERIFY2(refused.status == 1 && refused.err.contains("\nmarrowick-cli: src/a.txt: Hard link\n"), qPrintable(refused.err));
        const CliRun out = RunCli({"x", Fixture("links-out.rar"), dir.filePath("out")});
        QCOMPARE(out.status, 1);
        QVERIFY2(out.err.endsWith("marrowick-cli: These entries were not extracted:\n"
                                  "marrowick-cli: up: Link target points outside the destination\n"
                                  "marrowick-cli: abs: Absolute link target\n"
                                  "marrowick-cli: line\\x0abreak: Control character in name\n"), qPrintable(out.err));
        QVERIFY(QDir(dir.filePath("out")).isEmpty());
    }

    void passwordFile()
    {
        QTemporaryDir folder;
        QVERIFY(WriteFile(folder.filePath("pw"), "secret\r\nthe next line is not the password\n"));
        const CliRun run = RunCli({"list", "--password-file", folder.filePath("pw"), Fixture("encrypted-headers.rar")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.endsWith("Total  7 Files \n"));
        QVERIFY(WriteFile(folder.filePath("pw"), "\n"));
        const CliRun empty = RunCli({"list", "--password-file=" + folder.filePath("pw"), Fixture("encrypted-headers.rar")});
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
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts).value(7), QStringLiteral("Total  7 Files "));
        QVERIFY2(!run.echoed.contains("secret"), run.echoed.constData());
    }

    void overwriteQuestionOnTerminal_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("status");
        QTest::newRow("no keeps everything") << QByteArray("n\n") << 1;
        QTest::newRow("Enter is yes") << QByteArray("\n") << 0;
    }
    void overwriteQuestionOnTerminal()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, status);
        QTemporaryDir dest;
        QVERIFY(WriteFile(dest.filePath("readme.txt"), "mine"));
        const CliRun run = RunCliOnTerminal({"x", Fixture("basic.rar"), dest.path()}, "File(s) Exist, Replace ?", answer);
        QVERIFY2(run.asked, qPrintable(run.err));
        QCOMPARE(run.status, status);
        QCOMPARE(ReadFile(dest.filePath("readme.txt")), QByteArray(status == 0 ? "hello\n" : "mine"));
        QCOMPARE(QFile::exists(dest.filePath("docs/sub/deep.txt")), status == 0);
    }

    // Without a terminal nothing is asked: an existing file is kept and
    // reported unless --overwrite=always, and an encrypted archive writes
    // nothing at all. Without DEST, into the current folder.
    void extractWithoutTerminal_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("readme");
        QTest::newRow("here, kept") << "basic.rar" << QStringList{} << 1 << QByteArray("mine");
        QTest::newRow("always replaces") << "basic.rar" << QStringList{"@", "--overwrite=always"} << 0 << QByteArray("hello\n");
        QTest::newRow("encrypted files") << "encrypted-files.rar" << QStringList{"@", "--overwrite", "always"} << 1
                                         << QByteArray("mine");
    }
    void extractWithoutTerminal()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, readme);
        QTemporaryDir dest;
        QVERIFY(WriteFile(dest.filePath("readme.txt"), "mine"));
        const CliRun run = RunCli(QStringList{"x", Fixture(archive)} + options.replaceInStrings("@", dest.path()), dest.path());
        QCOMPARE(run.status, status);
        QCOMPARE(ReadFile(dest.filePath("readme.txt")), readme);
        QCOMPARE(QFile::exists(dest.filePath("docs/sub/deep.txt")), !archive.startsWith("encrypted"));
        if (status)
            QVERIFY2(run.err.contains("readme.txt") || archive.startsWith("encrypted"), qPrintable(run.err));
    }

    // A folder's name takes what lies below it, not the entries whose names
    // only begin with it.
    void extractNamed()
    {
        QTemporaryDir dest;
        const CliRun run = RunCli({"x", Fixture("prefix.rar"), dest.path(), "dir", "dir.txt"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString("dir/a.txt\tOK\ndir.txt\tOK\ndir\tOK\n"));
        QCOMPARE(QDir(dest.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"dir", "dir.txt"}));
    }

    // cat through a pipe: the bytes `unrar p` prints, binary data too (it
    // is no terminal); a reader that stops early ends it quietly.
    void cat_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error"); // a part of stderr
        QTest::newRow("text") << QStringList{"basic.rar", "docs/a1200.txt"} << 0 << "";
        QTest::newRow("binary") << QStringList{"multivolume.part1.rar", "random.bin"} << 0 << "";
        QTest::newRow("no such entry") << QStringList{"basic.rar", "docs"} << 1 << "No entry named docs";
        QTest::newRow("wrong password") << QStringList{"encrypted-files.rar", "readme.txt", "--password=wrong"} << 1 << "Wrong password";
        QTest::newRow("pipe closed after 10 bytes") << QStringList{"zeros5g.rar", "zeros5g.bin"} << 0 << "";
    }
    void cat()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        const QString archive = Fixture(arguments[0]);
        CliRun run;
        if (QString(QTest::currentDataTag()).startsWith("pipe")) {
            QProcess shell;
            shell.start("bash", {"-c", "set -o pipefail; \"$0\" cat \"$1\" \"$2\" | head -c 10",
                                 MARROWICK_CLI, archive, arguments[1]});
            shell.waitForFinished(120000);
            run.status = shell.exitCode();
            run.err = shell.readAllStandardError();
            run.rawOut = shell.readAllStandardOutput();
            QCOMPARE(run.rawOut, QByteArray(10, '\0'));
        } else {
            run = RunCli(QStringList{"cat", archive} + arguments.mid(1));
            QProcess unrar;
            unrar.start("unrar", {"p", "-inul", "-p-", archive, arguments[1]});
            unrar.waitForFinished(60000);
            QCOMPARE(run.rawOut, status == 0 ? unrar.readAllStandardOutput() : QByteArray());
        }
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(error.isEmpty() ? "marrowick" : error) != error.isEmpty(), qPrintable(run.err));
    }

    // --here over several archives: each reported, a damaged one makes the
    // status 1 and stops none of the others; the password file serves all.
    void extractHere()
    {
        QTemporaryDir folder;
        const QString at = folder.path() + '/';
        for (const auto& [fixture, copy] : {std::pair{"flipped-data.rar", "bad.rar"}, {"encrypted-files.rar", "locked.rar"}})
            QVERIFY(QFile::copy(Fixture(fixture), at + copy));
        QVERIFY(WriteFile(at + "pw", "secret\n"));
        const CliRun run = RunCli({"x", "--here", "--password-file", at + "pw", at + "bad.rar", at + "locked.rar"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out.section('\n', -2, -2), at + "locked.rar: extracted to " + at + "locked");
        QCOMPARE(ReadFile(at + "locked/docs/sub/deep.txt"), QByteArray("deep\n"));
        QVERIFY2(run.err.contains("marrowick-cli: " + at + "bad.rar: nothing extracted"), qPrintable(run.err));
        QCOMPARE(QDir(at).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"bad.rar", "locked", "locked.rar", "pw"}));
    }

    void interruptCleansUp_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("signal");
        QTest::newRow("extract, Ctrl+C") << "x" << SIGINT;
        QTest::newRow("test, SIGTERM") << "t" << SIGTERM;
    }
    void interruptCleansUp()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        QTemporaryDir dest;
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.setWorkingDirectory(dest.path());
        process.start(MARROWICK_CLI, {command, Fixture("zeros5g.rar")});
        QVERIFY(process.waitForStarted());
        // Well into the 5 GiB entry, far from its end.
        QTest::qWait(700);
        QCOMPARE(process.state(), QProcess::Running);
        ::kill(pid_t(process.processId()), signal);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 130);
        QVERIFY(process.readAllStandardError().contains("marrowick-cli: cancelled"));
        QVERIFY(!process.readAllStandardOutput().contains("\tOK"));
        QCOMPARE(QDir(dest.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // The text written for names and rows.
    void escapeControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tab and line end") << "a\tb\nc" << "a\\x09b\\x0ac";
        QTest::newRow("terminal escape") << "x\x1b[2Jy" << "x\\x1b[2Jy";
        QTest::newRow("C1 control") << QString("a") + QChar(0x9b) + "b" << "a\\u009bb";
        QTest::newRow("quotes and backslashes") << R"(a "b" \c\\u0041)" << R"(a "b" \c\\u0041)";
        QTest::newRow("DEL, beyond 16 bits") << QString("a\x7f\U0001D11E") << QString("a\\x7f\U0001D11E");
        const QString unpaired = QStringLiteral(u"\u00e9\u4e2d") + QChar(0xdc00) + "x" + QChar(0xd800);
        QTest::newRow("two and three bytes, unpaired surrogates") << unpaired << unpaired;
    }
    void escapeControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(EscapeControls(name), shown);
        FileRow row;
        row.name = name;
        std::string text;
        AppendRowText(text, row, SizeFormat());
        QCOMPARE(QByteArray::fromStdString(text), (shown + "\t\t\t\t0").toUtf8());
        // JSON gives the name back whole, with no control character (on one line).
        std::string json;
        AppendRowJson(json, row);
        QVERIFY(!QString::fromStdString(json).contains(QRegularExpression("[\\x00-\\x1f\\x7f-\\x9f]")));
        QCOMPARE(QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["name"].toString(),
                 QString::fromUtf8(name.toUtf8()));
    }

    // Entry times in JSON, as QDateTime writes them in UTC.
    void jsonTimes_data()
    {
        QTest::addColumn<qint64>("seconds");
        for (const qint64 seconds : {1LL, 951782400LL, 1709164800LL + 86399, 4107542400LL, 253402300799LL,
                                     253402300800LL, -86401LL})
            QTest::newRow(qPrintable(QString::number(seconds))) << seconds;
    }
    void jsonTimes()
    {
        QFETCH(qint64, seconds);
        FileRow row;
        row.mtime = seconds;
        std::string json;
        AppendRowJson(json, row);
        const QString expected = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
        QCOMPARE(QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["mtime"].toString(), expected);
    }

    // --lang is read before the parse, for the parser's own errors: both
    // must find the same value, or none where it is another option's value.
    void languageArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::newRow("before the command") << QStringList{"--lang", "de", "list", "a.rar"} << "de";
        QTest::newRow("after it, with =") << QStringList{"list", "a.rar", "--lang=zh_CN"} << "zh_CN";
        QTest::newRow("the last one") << QStringList{"--lang", "de", "--lang=fr", "l"} << "fr";
        QTest::newRow("a password") << QStringList{"-p", "--lang", "list", "a.rar"} << "";
        QTest::newRow("a password, long form") << QStringList{"--password", "--lang=de", "l", "a.rar"} << "";
        QTest::newRow("after --") << QStringList{"list", "--", "--lang", "de"} << "";
        QTest::newRow("no value") << QStringList{"list", "a.rar", "--lang"} << "";
    }
    void languageArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QCOMPARE(LanguageArgument(arguments), language);
        QCOMPARE(ParseArguments(arguments).options.language, language);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
