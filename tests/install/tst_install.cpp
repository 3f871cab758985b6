#include "help/LaunchHelp.h"
#include "marrowick_version.h"
#include "tests/help/RecordingWinHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

namespace {

const QString AppId = QStringLiteral("org.example.marrowick");

QString Rel(const char* dir, const QString& rest)
{
    return QString::fromUtf8(dir) + QLatin1Char('/') + rest;
}

// The [Desktop Entry] group as key -> value; enough for the keys we read.
QMap<QString, QString> ReadDesktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

struct Run
{
    int exitCode = -1;
    QString output;
};

Run RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return {-1, QStringLiteral("%1 did not finish").arg(program)};
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromLocal8Bit(process.readAll())};
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

  private:
    QTemporaryDir m_root;
    QString m_prefix;

    QString installed(const QString& relative) const { return QDir(m_prefix).filePath(relative); }
    QString launcher() const { return installed(Rel(MARROWICK_BINDIR, "marrowick")); }
    QString programDir() const { return installed(Rel(MARROWICK_LIBEXECDIR, "marrowick")); }
    QString desktopFile() const
    {
        return installed(Rel(MARROWICK_DATADIR, "applications/" + AppId + ".desktop"));
    }
    QString metainfoFile() const
    {
        return installed(Rel(MARROWICK_DATADIR, "metainfo/" + AppId + ".metainfo.xml"));
    }

  private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        m_prefix = QDir(m_root.path()).filePath(QStringLiteral("prefix"));
        const Run install =
            RunTool(QStringLiteral(MARROWICK_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(MARROWICK_BUILD_DIR),
                     QStringLiteral("--prefix"), m_prefix});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        const QString program = Rel(MARROWICK_LIBEXECDIR, QStringLiteral("marrowick/"));
        const QString share = Rel(MARROWICK_DATADIR, QString());
        const QString man = Rel(MARROWICK_MANDIR, QStringLiteral("man1/"));
        QTest::newRow("program") << program + "marrowick" << true;
        QTest::newRow("help beside it") << program + "marrowick-help.html" << false;
        QTest::newRow("desktop entry") << share + "applications/" + AppId + ".desktop" << false;
        QTest::newRow("metainfo") << share + "metainfo/" + AppId + ".metainfo.xml" << false;
        QTest::newRow("scalable icon")
            << share + "icons/hicolor/scalable/apps/" + AppId + ".svg" << false;
        QTest::newRow("manual page") << man + "marrowick.1.gz" << false;
        QTest::newRow("command-line tool") << Rel(MARROWICK_BINDIR, "marrowick-cli") << true;
        QTest::newRow("command-line manual page") << man + "marrowick-cli.1.gz" << false;
        QTest::newRow("copyright") << share + "doc/marrowick/copyright" << false;
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(path));
        QVERIFY(info.size() > 0);
        // Installed as root and used by everyone else.
        QVERIFY(info.permissions() & QFileDevice::ReadOther);
        QCOMPARE(bool(info.permissions() & QFileDevice::ExeOther), executable);
    }

    // A relative link keeps working when the tree is unpacked or moved under
    // another root, as a package build does.
    void launcherIsRelativeLinkToProgram()
    {
        const std::filesystem::path link = launcher().toStdString();
        QVERIFY(std::filesystem::is_symlink(link));
        QVERIFY2(std::filesystem::read_symlink(link).is_relative(),
                 std::filesystem::read_symlink(link).c_str());
        QCOMPARE(QFileInfo(launcher()).canonicalFilePath(),
                 QFileInfo(QDir(programDir()).filePath(QStringLiteral("marrowick")))
                     .canonicalFilePath());

        const QString moved = QDir(m_root.path()).filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(m_prefix, moved));
        const QString movedLauncher =
            QDir(moved).filePath(Rel(MARROWICK_BINDIR, QStringLiteral("marrowick")));
        const bool resolves = QFileInfo(movedLauncher)
                                  .canonicalFilePath()
                                  .startsWith(QFileInfo(moved).canonicalFilePath());
        QVERIFY(QDir().rename(moved, m_prefix));
        QVERIFY(resolves);
    }

    // With the folder the installed program gets, the Help command opens the
    // installed guide instead of saying there is none.
    void installedProgramFindsItsHelp()
    {
        RecordingWinHelp::Install();
        QStringList boxes;
        const QString programFolder = QFileInfo(launcher()).canonicalPath();
        LaunchHelp(nullptr, programFolder,
                   [&boxes](QWidget*, const QString& text, const QString&) { boxes << text; });
        ReleaseProgramHelp();
        const auto calls = RecordingWinHelp::calls;
        RecordingWinHelp::Remove();

        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
        QVERIFY(!calls.empty());
        QCOMPARE(QFileInfo(calls.front().file).canonicalFilePath(),
                 QFileInfo(QDir(programDir()).filePath(QString::fromLatin1(HelpFileName)))
                     .canonicalFilePath());
    }

    void iconsRendered_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void iconsRendered()
    {
        QFETCH(int, size);
        const QString path =
            installed(Rel(MARROWICK_DATADIR,
                          QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId)));
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        // A picture on a transparent ground: neither empty nor a filled square.
        image = image.convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        int clear = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                opaque += alpha == 255;
                clear += alpha == 0;
            }
        }
        QVERIFY(opaque > size * size / 4);
        QVERIFY(clear > 0);
    }

    // The menu entry must start the installed program with its icon, and open
    // files through the L= list mode.
    void desktopEntryMatchesInstall()
    {
        const auto entry = ReadDesktopEntry(desktopFile());
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("marrowick L=%f"));
        QVERIFY(QFileInfo(launcher()).isExecutable());

        const QString icon = entry.value(QStringLiteral("Icon"));
        QCOMPARE(icon, AppId);
        QVERIFY(QFileInfo::exists(installed(
            Rel(MARROWICK_DATADIR, QStringLiteral("icons/hicolor/48x48/apps/%1.png").arg(icon)))));

        const QStringList types =
            entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const char* type :
             {"application/vnd.rar", "application/x-rar", "application/x-rar-compressed"})
            QVERIFY2(types.contains(QString::fromLatin1(type)), type);
    }

    void desktopEntryValidates()
    {
        const QString tool =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (tool.isEmpty())
            QSKIP("desktop-file-validate is not installed (package desktop-file-utils; "
                  "scripts/setup installs it)");
        const Run run = RunTool(tool, {desktopFile()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    }

    void metainfoValidates()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (tool.isEmpty())
            QSKIP("appstreamcli is not installed (package appstream)");
        const Run run =
            RunTool(tool, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));

        QFile file(metainfoFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray xml = file.readAll();
        QVERIFY(xml.contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() +
                             ".desktop</launchable>"));
        QVERIFY(xml.contains("<release version=\"" MARROWICK_VERSION_STRING "\""));
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
