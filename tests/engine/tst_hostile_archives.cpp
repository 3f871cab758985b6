// Hostile archives extracted by ProcessArchive with the installed library:
// every case checks that nothing outside the destination changed, that the
// user's files are intact, that refused entries are reported, and that no
// temporary file is left behind.
#include "HostileRar.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::test;

class TestHostileArchives final : public QObject
{
    Q_OBJECT

private:
    Sandbox m_box;

    QString expand(QString text) const { return text.replace("@OUTSIDE@", m_box.outside()); }

    // A copy of a committed archive with "what:file:value" patches, ";"-separated.
    QString makeArchive(const QString& name, const QString& patches) const
    {
        auto archive = HostileRar::load(Fixture("hostile/" + name));
        if (!archive)
            return {};
        for (const QString& patch : patches.split(';', Qt::SkipEmptyParts)) {
            const QString what = patch.section(':', 0, 0), value = expand(patch.section(':', 2));
            const int file = patch.section(':', 1, 1).toInt();
            if (what == "name")
                archive->setName(file, value);
            else if (what == "attr")
                archive->setAttributes(file, value.toULongLong(nullptr, 8));
            else if (what == "size")
                archive->setUnpackedSize(file, value.toULongLong());
            else if (what == "flip")
                archive->flipDataByte(file);
        }
        const QString path = m_box.base() + "/archive.rar";
        return archive->save(path) ? path : QString();
    }

    // "file:name=content", "link:name->target" and "hardlink:name->target"
    // (targets beneath the base).
    bool prepare(const QString& setup) const
    {
        for (const QString& step : setup.split(';', Qt::SkipEmptyParts)) {
            const QString kind = step.section(':', 0, 0), what = step.section(':', 1);
            const QString path = m_box.dest() + '/' + what.section(QRegularExpression("=|->"), 0, 0);
            const QString target = m_box.base() + '/' + what.section("->", 1);
            if (!(kind == "file" ? WriteFile(path, what.section('=', 1).toUtf8())
                  : kind == "link" ? QFile::link(target, path)
                                   : ::link(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0))
                return false;
        }
        return true;
    }

    // name=content of every regular file in the destination.
    QStringList destinationFiles() const
    {
        QStringList files;
        const auto tree = SnapshotTree(m_box.dest());
        for (auto it = tree.begin(); it != tree.end(); ++it)
            if (it.value().startsWith("100"))
                files << it.key().mid(1) + '=' + QString::fromUtf8(ReadFile(m_box.dest() + it.key()));
        return files;
    }

private slots:
    void init() { QVERIFY(m_box.reset()); }
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
        const QString a = "AAAA.txt=hello\n", b = "dir/BBBB.txt=inner\n", one = "one.txt=same content\n";
        // clang-format off
        QTest::newRow("sound archive") << "plain.rar" << "" << "" << "" << QStringList{} << QStringList{a, b};
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
        // A hard link to a file of the same run is made.
        QTest::newRow("hard link") << "hardlink.rar" << "" << "" << "" << QStringList{} << QStringList{"h1.txt=linked\n", "h2.txt=linked\n"};
        QTest::newRow("file copy inside the run") << "filecopy.rar" << "" << "" << ""
            << QStringList{} << QStringList{one, "two.txt=same content\n"};
        QTest::newRow("file copy of a user's file") << "filecopy.rar" << "name:0:uno.txt" << "file:one.txt=user\n" << ""
            << QStringList{"two.txt"} << QStringList{"one.txt=user\n", "uno.txt=same content\n"};
        // The link is replaced by the file; its target is not written.
        QTest::newRow("folder entry ../x") << "folders.rar" << "name:1:../outside/newdir" << "" << ""
            << QStringList{"../outside/newdir"} << QStringList{b};
        // Writing into the existing file would write into the user's file
        // outside as well; the new file takes the name instead.
        QTest::newRow("hard link at a file's path") << "plain.rar" << "" << "hardlink:AAAA.txt->outside/sentinel" << ""
            << QStringList{} << QStringList{a, b};
        // A size that does not match the data fails the entry.
        QTest::newRow("understated size") << "plain.rar" << "size:0:3" << "file:AAAA.txt=original" << ""
            << QStringList{} << QStringList{"AAAA.txt=original", b};
        // A damaged entry fails alone; the walk goes on to the next.
        QTest::newRow("flipped data byte") << "plain.rar" << "flip:0" << "file:AAAA.txt=original" << ""
            << QStringList{} << QStringList{"AAAA.txt=original", b};
        QTest::newRow("wrong password") << "encrypted.rar" << "" << "file:AAAA.txt=original" << "wrong"
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
        QVERIFY(!path.isEmpty() && prepare(setup));
        EngineRun run;
        run.password = password;
        run.process(OP_EXTRACT, path, m_box.dest(), OverwritePolicy::Always);

        QCOMPARE(run.view.refused, expand(refused.join('|')).split('|', Qt::SkipEmptyParts));
        QCOMPARE(destinationFiles(), files);
        // Never "Success" after an error; refusals end in one report naming each.
        QCOMPARE(run.passed(), run.prompts.errors.isEmpty());
        for (const QString& name : refused)
            QVERIFY2(run.prompts.errors.value(run.prompts.errors.size() - 1).contains('\n' + expand(name) + ": "),
                     qPrintable(run.prompts.errors.join('\n')));
    }

    // Modes and times come through the library; setuid and setgid do not.
    void modesAndTimes()
    {
        const mode_t old = ::umask(022);
        EngineRun run;
        run.process(OP_EXTRACT, makeArchive("plain.rar", "attr:0:0104777;attr:1:0102666"), m_box.dest());
        ::umask(old);
        QCOMPARE(run.prompts.errors, QStringList());
        struct stat st = {};
        for (const auto& [path, mode] : {std::pair{"/dir/BBBB.txt", 0644}, std::pair{"/AAAA.txt", 0755}}) {
            QCOMPARE(::lstat(QFile::encodeName(m_box.dest() + path).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 07777), mode);
        }
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1577934245)); // 2020-01-02 03:04:05 UTC
    }
};

QTEST_GUILESS_MAIN(TestHostileArchives)
#include "tst_hostile_archives.moc"
