// The loader the preview pane reads entries with, until the engine's own
// in-memory read is in the build: `unrar p` writes the entry to a pipe.
#include "mainwindow/PreviewPane.h"

#include <QProcess>

namespace marrowick {

namespace {

EntryDataResult ReadThroughUnrar(const EntryDataRequest& request, qsizetype limit, QByteArray& data,
                                 const std::atomic<bool>& cancel, const EntryDataProgress&)
{
    using Status = EntryDataResult::Status;
    EntryDataResult result;
    QProcess unrar;
    unrar.start(QStringLiteral("unrar"),
                {QStringLiteral("p"), QStringLiteral("-inul"), QStringLiteral("-idq"),
                 request.password.isEmpty() ? QStringLiteral("-p-") : QStringLiteral("-p") + request.password,
                 QStringLiteral("--"), request.archivePath, request.entryName});
    if (!unrar.waitForStarted()) {
        result.message = QStringLiteral("unrar did not start");
        return result;
    }
    data.clear();
    while (unrar.state() != QProcess::NotRunning || unrar.bytesAvailable() > 0) {
        if (cancel.load()) {
            unrar.kill();
            unrar.waitForFinished();
            result.status = Status::Cancelled;
            return result;
        }
        unrar.waitForReadyRead(50);
        data += unrar.readAllStandardOutput();
        if (data.size() > limit) {
            data.truncate(limit);
            unrar.kill();
            unrar.waitForFinished();
            result.status = Status::Stopped;
            result.delivered = std::uint64_t(data.size());
            return result;
        }
        if (unrar.state() == QProcess::NotRunning)
            data += unrar.readAllStandardOutput();
        if (unrar.state() == QProcess::NotRunning && unrar.bytesAvailable() == 0)
            break;
    }
    result.delivered = std::uint64_t(data.size());
    switch (unrar.exitCode()) {
    case 0:
        result.status = Status::Complete;
        break;
    case 11: // a password is needed, or the one given is wrong
        result.status = request.password.isEmpty() ? Status::NeedPassword : Status::WrongPassword;
        break;
    default:
        result.message = QStringLiteral("unrar ended with status %1").arg(unrar.exitCode());
    }
    return result;
}

} // namespace

EntryLoader DefaultEntryLoader()
{
    return ReadThroughUnrar;
}

} // namespace marrowick
