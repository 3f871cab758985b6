// Hostile archives extracted by ProcessArchive with the installed library:
// every case checks that nothing outside the destination changed, that the user's files
// are intact, that refused entries are reported, and that no temporary file
// is left behind.
#include "engine/modRAR.h"

#include "HostileRar.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::test;

namespace {

struct Extraction
{
    RecordingView view;
    ScriptedPrompts prompts{view};
    QString password;

    void run(const QString& archive, const QString& dest)
    {
        RunContext context{view, prompts, nullptr, dest, OverwritePolicy::Always};
        ProcessArchive(OP_EXTRACT, archive, password, context);
    }
};

} // namespace

class TestHostileArchives final : public QObject
{
    Q_OBJECT

private:
    Sandbox m_box;
    QString m_dest;
    QString m_outside;

    QString expand(QString text) const
    {
        return text.replace(QStringLiteral("@OUTSIDE@"), m_outside);
    }

    // Copies a committed archive, applying "what:file:value" patches
    // separated by ";".
    QString makeArchive(const QString& name, const QString& patches) const
    {
        auto archive = HostileRar::load(QStringLiteral(MARROWICK_TEST_DATA "/hostile/") + name);
        if (!archive)
            return {};
        for (const QString& patch : patches.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString what = patch.section(QLatin1Char(':'), 0, 0);
            const int file = patch.section(QLatin1Char(':'), 1, 1).toInt();
            const QString value = expand(patch.section(QLatin1Char(':'), 2));
            if (what == QLatin1String("name"))
                archive->setFileName(file, value);
            else if (what == QLatin1String("attr"))
                archive->setAttributes(file, value.toULongLong(nullptr, 8));
            else if (what == QLatin1String("size"))
                archive->setUnpackedSize(file, value.toULongLong());
            else if (what == QLatin1String("redir"))
                archive->setRedirName(file, value);
            else if (what == QLatin1String("flip"))
                archive->flipDataByte(file);
        }
        const QString path = m_box.base() + QStringLiteral("/archive.rar");
        return archive->save(path) ? path : QString();
    }

    // "file:name=content", "link:name->target" and "hardlink:name->target"
    // (targets beneath the base).
    bool prepare(const QString& setup)
    {
        for (const QString& step : setup.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString kind = step.section(QLatin1Char(':'), 0, 0);
            const QString what = step.section(QLatin1Char(':'), 1);
            if (kind == QLatin1String("file")) {
                const QString path =
                    m_dest + QLatin1Char('/') + what.section(QLatin1Char('='), 0, 0);
                QDir().mkpath(QFileInfo(path).path());
                if (!WriteFile(path, what.section(QLatin1Char('='), 1).toUtf8()))
                    return false;
                continue;
            }
            const QString target =
                m_box.base() + QLatin1Char('/') + what.section(QStringLiteral("->"), 1);
            const QString path =
                m_dest + QLatin1Char('/') + what.section(QStringLiteral("->"), 0, 0);
            const bool made = kind == QLatin1String("hardlink")
                                  ? ::link(QFile::encodeName(target).constData(),
                                           QFile::encodeName(path).constData()) == 0
                                  : QFile::link(target, path);
            if (!made)
                return false;
        }
        return true;
    }

    // name=content of every regular file in the destination.
    QStringList destinationFiles() const
    {
        QStringList files;
        const auto tree = SnapshotTree(m_dest);
        for (auto it = tree.begin(); it != tree.end(); ++it) {
            if (it.value().startsWith(QLatin1String("100")))
                files << it.key().mid(1) + QLatin1Char('=') +
                             QString::fromUtf8(ReadFile(m_dest + it.key()));
        }
        files.sort();
        return files;
    }

private slots:
    void init()
    {
        QVERIFY(m_box.reset());
        m_dest = m_box.dest();
        m_outside = m_box.outside();
    }
    void cleanup()
    {
        QCOMPARE(m_box.outsideNow(), m_box.outsideBefore());
        QCOMPARE(m_box.leftovers(), QStringList());
    }

    void hostileArchive_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("patches");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QStringList>("files");
        const QString a = QStringLiteral("AAAA.txt=hello\n");
        const QString b = QStringLiteral("dir/BBBB.txt=inner\n");
        // clang-format off

        QTest::newRow("sound archive") << "plain.rar" << "" << "" << ""
            << QStringList{} << QStringList{a, b};
        QTest::newRow("../x") << "plain.rar" << "name:0:../outside/x" << "" << ""
            << QStringList{"../outside/x"} << QStringList{b};
        QTest::newRow("a/../../x") << "plain.rar" << "name:1:dir/../../outside/x" << "" << ""
            << QStringList{"dir/../../outside/x"} << QStringList{a};
        QTest::newRow("absolute name") << "plain.rar" << "name:0:@OUTSIDE@/abs" << "" << ""
            << QStringList{"@OUTSIDE@/abs"} << QStringList{b};
        // The link is refused, so the file lands in a real folder of its name.
        QTest::newRow("symlink then a file through it") << "symlink.rar" << "name:1:l/evil" << "" << ""
            << QStringList{"l"} << QStringList{"l/evil=evil\n"};
        // How RAR4 archives store links and special files: mode bits only.
        QTest::newRow("symlink by mode bits") << "plain.rar" << "attr:0:0120777" << "" << ""
            << QStringList{"AAAA.txt"} << QStringList{b};
        QTest::newRow("device by mode bits") << "plain.rar" << "attr:1:020666" << "" << ""
            << QStringList{"dir/BBBB.txt"} << QStringList{a};
        QTest::newRow("hard link") << "hardlink.rar" << "" << "" << ""
            << QStringList{"h2.txt"} << QStringList{"h1.txt=linked\n"};
        QTest::newRow("hard link to a file outside") << "hardlink.rar" << "redir:1:../outside/sentinel"
            << "" << "" << QStringList{"h2.txt"} << QStringList{"h1.txt=linked\n"};
        QTest::newRow("file copy inside the run") << "filecopy.rar" << "" << "" << ""
            << QStringList{} << QStringList{"one.txt=same content\n", "two.txt=same content\n"};
        QTest::newRow("file copy of a file outside") << "filecopy.rar" << "redir:1:../outside/sentinel"
            << "" << "" << QStringList{"two.txt"} << QStringList{"one.txt=same content\n"};
        QTest::newRow("file copy of an absolute path") << "filecopy.rar" << "redir:1:@OUTSIDE@/sentinel"
            << "" << "" << QStringList{"two.txt"} << QStringList{"one.txt=same content\n"};
        QTest::newRow("file copy of a user's file") << "filecopy.rar" << "name:0:uno.txt"
            << "file:one.txt=user\n" << "" << QStringList{"two.txt"}
            << QStringList{"one.txt=user\n", "uno.txt=same content\n"};
        QTest::newRow("symlink at a folder's path") << "plain.rar" << "" << "link:dir->outside" << ""
            << QStringList{"dir/BBBB.txt"} << QStringList{a};
        // The link is replaced by the file; its target is not written.
        QTest::newRow("symlink at a file's path") << "plain.rar" << "" << "link:AAAA.txt->outside/sentinel"
            << "" << QStringList{} << QStringList{a, b};
        QTest::newRow("folder entry ../x") << "folders.rar" << "name:1:../outside/newdir" << "" << ""
            << QStringList{"../outside/newdir"} << QStringList{b};
        QTest::newRow("folder entry at a symlink") << "folders.rar" << "" << "link:dir->outside" << ""
            << QStringList{"dir/BBBB.txt", "dir"} << QStringList{};
        // Writing into the existing file would write into the user's file
        // outside as well; the new file takes the name instead.
        QTest::newRow("hard link at a file's path") << "plain.rar" << "" << "hardlink:AAAA.txt->outside/sentinel"
            << "" << QStringList{} << QStringList{a, b};
        // A size that does not match the data fails the entry (the library
        // stops at the stated size; the writer would refuse more).
        QTest::newRow("understated size") << "plain.rar" << "size:0:3" << "file:AAAA.txt=original" << ""
            << QStringList{} << QStringList{"AAAA.txt=original", b};
        QTest::newRow("flipped data byte") << "plain.rar" << "flip:0" << "file:AAAA.txt=original" << ""
            << QStringList{} << QStringList{"AAAA.txt=original", b};
        QTest::newRow("wrong password") << "encrypted.rar" << "" << "file:AAAA.txt=original" << "wrong"
            << QStringList{} << QStringList{"AAAA.txt=original"};
        QTest::newRow("missing password") << "encrypted.rar" << "" << "file:AAAA.txt=original" << ""
            << QStringList{} << QStringList{"AAAA.txt=original"};
        QTest::newRow("right password") << "encrypted.rar" << "" << "file:AAAA.txt=original" << "secret"
            << QStringList{} << QStringList{a};
        // clang-format on
    }
    void hostileArchive()
    {
        QFETCH(QString, archive);
        QFETCH(QString, patches);
        QFETCH(QString, setup);
        QFETCH(QString, password);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, files);
        const QString path = makeArchive(archive, patches);
        QVERIFY(!path.isEmpty());
        QVERIFY(prepare(setup));

        Extraction run;
        run.password = password;
        run.run(path, m_dest);

        for (QString& name : refused)
            name = expand(name);
        QCOMPARE(run.view.refused, refused);
        QCOMPARE(destinationFiles(), files);
        // Refusals end in one report naming each, never in "Success".
        if (!refused.isEmpty()) {
            QVERIFY(!run.prompts.errors.isEmpty());
            const QString report = run.prompts.errors.last();
            QVERIFY(report.startsWith(QLatin1String("These entries were not extracted:")));
            for (const QString& name : refused)
                QVERIFY2(report.contains(QLatin1Char('\n') + name + QLatin1String(": ")),
                         qPrintable(report));
            QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        } else if (QTest::currentDataTag() == QLatin1String("sound archive")) {
            QCOMPARE(run.view.panels.value(2), QStringLiteral("Success"));
        }
    }

    void modesAndTimes()
    {
        const mode_t old = ::umask(022);
        const QString path = makeArchive(QStringLiteral("plain.rar"),
                                         QStringLiteral("attr:0:0104777;attr:1:0102666"));
        QVERIFY(!path.isEmpty());
        Extraction().run(path, m_dest);
        ::umask(old);
        struct stat st = {};
        QCOMPARE(::lstat(QFile::encodeName(m_dest + QStringLiteral("/AAAA.txt")).constData(), &st),
                 0);
        QCOMPARE(int(st.st_mode & 07777), 0755);
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1577934245)); // 2020-01-02 03:04:05 UTC
        QCOMPARE(
            ::lstat(QFile::encodeName(m_dest + QStringLiteral("/dir/BBBB.txt")).constData(), &st),
            0);
        QCOMPARE(int(st.st_mode & 07777), 0644);
        QCOMPARE(::lstat(QFile::encodeName(m_dest + QStringLiteral("/dir")).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0755);
    }

    // A folder's stored mode plays no part, so an archive cannot make a
    // world-writable, sticky or locked folder.
    void folderEntryMode_data()
    {
        QTest::addColumn<QString>("attr");
        QTest::newRow("sticky world-writable") << "041777";
        QTest::newRow("setgid") << "042775";
        QTest::newRow("no access") << "040000";
    }
    void folderEntryMode()
    {
        QFETCH(QString, attr);
        const mode_t old = ::umask(022);
        const QString path =
            makeArchive(QStringLiteral("folders.rar"), QStringLiteral("attr:1:") + attr);
        Extraction run;
        run.run(path, m_dest);
        ::umask(old);
        QCOMPARE(run.view.refused, QStringList());
        struct stat st = {};
        QCOMPARE(::lstat(QFile::encodeName(m_dest + QStringLiteral("/dir")).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0755);
        QCOMPARE(destinationFiles(), QStringList{QStringLiteral("dir/BBBB.txt=inner\n")});
    }

    // The chosen folder is a symlink: it leads to the real folder and is
    // neither deleted nor replaced.
    void destinationIsSymlink()
    {
        const QString real = m_box.base() + QStringLiteral("/real");
        const QString link = m_box.base() + QStringLiteral("/link");
        QVERIFY(QDir().mkpath(real));
        QVERIFY(QFile::link(real, link));
        const QString path = makeArchive(QStringLiteral("plain.rar"), QString());
        Extraction run;
        run.run(path, link + QLatin1Char('/'));
        QCOMPARE(run.view.refused, QStringList());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), real);
        QCOMPARE(ReadFile(real + QStringLiteral("/dir/BBBB.txt")), QByteArray("inner\n"));
    }

    // A damaged entry fails alone; the walk goes on to the next.
    void flippedByteFailsThatEntryOnly_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("extract") << int(OP_EXTRACT);
        QTest::newRow("test") << int(OP_TEST);
    }
    void flippedByteFailsThatEntryOnly()
    {
        QFETCH(int, mode);
        const QString path = makeArchive(QStringLiteral("plain.rar"), QStringLiteral("flip:0"));
        QVERIFY(!path.isEmpty());
        Extraction run;
        RunContext context{run.view, run.prompts, nullptr, m_dest, OverwritePolicy::Always};
        ProcessArchive(mode, path, run.password, context);
        QCOMPARE(run.view.outcomes, QStringList({"AAAA.txt=12", "dir/BBBB.txt=0"}));
        QCOMPARE(run.prompts.errors,
                 QStringList{"CRC failed in encrypted file (wrong password?)"});
        QCOMPARE(run.prompts.information, QStringList());
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(destinationFiles(), mode == OP_EXTRACT ? QStringList{"dir/BBBB.txt=inner\n"}
                                                        : QStringList());
    }

    void cancelMidEntry()
    {
        QVERIFY(prepare(QStringLiteral("file:AAAA.txt=original")));
        const QString path = makeArchive(QStringLiteral("plain.rar"), QString());
        Extraction run;
        // Asked once before the first entry, then at its first data.
        run.view.cancelAfterChecks = 1;
        run.run(path, m_dest);
        QVERIFY(run.view.cancel);
        QCOMPARE(run.view.outcomes, QStringList());
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Ready"));
        QCOMPARE(TemporaryFilesUnder(m_dest), QStringList());
        QCOMPARE(destinationFiles(), QStringList{QStringLiteral("AAAA.txt=original")});
    }
};

QTEST_GUILESS_MAIN(TestHostileArchives)
#include "tst_hostile_archives.moc"
