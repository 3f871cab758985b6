#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <pty.h>
#include <unistd.h>

namespace marrowick::test {

inline QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}

// One finished run of marrowick-cli: stdin is closed (not a terminal).
struct CliRun
{
    int status = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

inline CliRun RunCli(const QStringList& arguments, const QString& workingFolder = QString())
{
    QProcess process;
    process.setProgram(QStringLiteral(MARROWICK_CLI));
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    CliRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A run with stdin on a pseudo-terminal: waits for the question on stderr,
// types the answer, and keeps what the terminal echoed.
struct TerminalRun : CliRun
{
    QByteArray echoed;
    bool asked = false;
};

inline TerminalRun RunCliOnTerminal(const QStringList& arguments, const QByteArray& question,
                                    const QByteArray& typed)
{
    TerminalRun run;
    int master = -1;
    int slave = -1;
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
    while (!err.contains(question) && clock.elapsed() < 10000 &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        err += process.readAllStandardError();
    }
    run.asked = err.contains(question);
    if (run.asked &&
        ::write(master, typed.constData(), static_cast<size_t>(typed.size())) != typed.size())
        run.asked = false;
    if (!process.waitForFinished(30000))
        process.kill();
    char echoed[512] = {};
    const ssize_t got = ::read(master, echoed, sizeof echoed - 1);
    if (got > 0)
        run.echoed = QByteArray(echoed, got);
    ::close(master);
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(err + process.readAllStandardError());
    return run;
}

} // namespace marrowick::test
