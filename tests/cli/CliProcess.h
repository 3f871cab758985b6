#pragma once

#include <QElapsedTimer>
#include <QProcess>

#include <pty.h>
#include <unistd.h>

namespace marrowick::test {

inline QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}

// One finished run of marrowick-cli.
struct CliRun
{
    int status = -1;
    QString out, err;
    QByteArray echoed; // what the terminal showed, for runs on one
    bool asked = false;
};

// stdin closed (not a terminal).
inline CliRun RunCli(const QStringList& arguments, const QString& workingFolder = QString())
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(MARROWICK_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(120000))
        process.kill();
    process.waitForFinished();
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// stdin on a pseudo-terminal: waits for the question on stderr, types the
// answer, and keeps what the terminal echoed.
inline CliRun RunCliOnTerminal(const QStringList& arguments, const QByteArray& question, const QByteArray& typed)
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

} // namespace marrowick::test
