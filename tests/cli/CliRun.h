#pragma once

#include <QProcess>
#include <QStringList>

namespace marrowick::test {

// One finished run of marrowick-cli.
struct CliRun
{
    int status = -1; // -2: it crashed or was killed
    QString out, err;
    QByteArray rawOut; // stdout as written
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
    run.rawOut = process.readAllStandardOutput();
    run.out = QString::fromUtf8(run.rawOut);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace marrowick::test
