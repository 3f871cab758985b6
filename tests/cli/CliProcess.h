#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

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

} // namespace marrowick::test
