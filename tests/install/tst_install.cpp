// Installs the whole build into a temporary prefix and checks what a desktop
// and a user find there.
#include "help/LaunchHelp.h"
#include "tests/help/RecordingWinHelp.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

const QString AppId = "org.example.marrowick";

int RunTool(const QString& program, const QStringList& args, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool done = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return done ? process.exitCode() : -1;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString at(const char* dir, const QString& rest) const
    {
        return m_root.filePath(QStringLiteral("prefix/%1/%2").arg(dir, rest));
    }

private slots:
    void initTestCase()
    {
        QString output;
        QVERIFY2(RunTool(MARROWICK_CMAKE, {"--install", MARROWICK_BUILD_DIR, "--prefix", m_root.filePath("prefix")},
                         &output) == 0, qPrintable(output));
    }

    // A relative link (it keeps working when the tree is moved under another
    // root) to the program, which finds the guide beside it.
    void launcherFindsProgramAndHelp()
    {
        const QString launcher = at(MARROWICK_BINDIR, "marrowick");
        // Installed as root and used by everyone else.
        for (const QString& path : {at(MARROWICK_LIBEXECDIR, "marrowick/marrowick"), at(MARROWICK_BINDIR, "marrowick-cli")})
            QVERIFY2(QFileInfo(path).permissions() & QFileDevice::ExeOther, qPrintable(path));
        QVERIFY(std::filesystem::read_symlink(launcher.toStdString()).is_relative());

        RecordingWinHelp::Install();
        QStringList boxes;
        LaunchHelp(nullptr, QFileInfo(launcher).canonicalPath(),
                   [&boxes](QWidget*, const QString& text, const QString&) { boxes << text; });
        ReleaseProgramHelp();
        const auto calls = RecordingWinHelp::calls;
        RecordingWinHelp::Remove();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
        QCOMPARE(QFileInfo(calls.at(0).file).canonicalFilePath(),
                 QFileInfo(at(MARROWICK_LIBEXECDIR, "marrowick/marrowick-help.html")).canonicalFilePath());
    }

    // The menu entry starts the installed program on files through L=.
    void desktopEntry()
    {
        const QString entry = at(MARROWICK_DATADIR, "applications/" + AppId + ".desktop");
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains("\nExec=marrowick L=%f\n") && text.contains("\nIcon=" + AppId + "\n"));
        QVERIFY(text.contains("application/vnd.rar;"));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
