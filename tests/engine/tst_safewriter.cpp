// The writer on its own, fed entries by hand: names, links, modes, the
// no-follow walk and what a failed or cancelled entry leaves behind.
#include "engine/SafeWriter.h"

#include "TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::test;

namespace {

EntryHeader File(const QString& name, std::uint32_t mode = 0100644)
{
    EntryHeader entry;
    entry.name = name;
    entry.fileAttr = mode;
    entry.unpSize = EntryHeader::UnknownSize;
    return entry;
}

mode_t ModeOf(const QString& path)
{
    struct stat st = {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode;
}

QStringList RefusedNames(const SafeWriter& writer)
{
    QStringList names;
    for (const RefusedEntry& refused : writer.refusals())
        names << refused.name;
    return names;
}

bool WriteEntry(SafeWriter& writer, const EntryHeader& entry, const QByteArray& data)
{
    if (!writer.beginEntry(entry))
        return false;
    writer.write(data.constData(), std::size_t(data.size()));
    return writer.finishEntry(0);
}

} // namespace

class TestSafeWriter final : public QObject
{
    Q_OBJECT

private:
    Sandbox m_box;
    QString m_dest;
    QString m_outside;

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

    void validateEntryName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "a.txt" << false;
        QTest::newRow("nested") << "dir/sub/a.txt" << false;
        QTest::newRow("dots inside a part") << "...a/..b/c.." << false;
        QTest::newRow("backslash is a plain character") << "a\\..\\b" << false;
        QTest::newRow("unicode") << QStringLiteral("d\u00e9j\u00e0/\u65e5\u672c.txt") << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("absolute") << "/etc/passwd" << true;
        QTest::newRow("parent") << "../x" << true;
        QTest::newRow("parent after a folder") << "a/../../x" << true;
        QTest::newRow("trailing parent") << "a/.." << true;
        QTest::newRow("dot part") << "./a" << true;
        QTest::newRow("empty part") << "a//b" << true;
        QTest::newRow("trailing slash") << "a/" << true;
        QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                             << true;
        QTest::newRow("newline") << "a\nb" << true;
        QTest::newRow("escape") << "a\x1b[2Jb" << true;
        QTest::newRow("DEL") << "a\x7f" << true;
        QTest::newRow("C1 control") << QStringLiteral("a\u009bb") << true;
        QTest::newRow("part of 255 bytes") << QString(255, QLatin1Char('x')) << false;
        QTest::newRow("part of 256 bytes") << QString(256, QLatin1Char('x')) << true;
        // NAME_MAX counts bytes: 128 two-byte characters are too many.
        QTest::newRow("part of 127 two-byte chars") << QString(127, QChar(0xe9)) << false;
        QTest::newRow("part of 128 two-byte chars") << QString(128, QChar(0xe9)) << true;
        QString deep;
        for (int i = 0; i < 21; ++i)
            deep += QString(200, QLatin1Char('d')) + QLatin1Char('/');
        // 21 parts of 201 bytes: 4221 bytes, over PATH_MAX with every part fine.
        QTest::newRow("whole name over PATH_MAX") << deep + QStringLiteral("f") << true;
        QTest::newRow("whole name under PATH_MAX")
            << deep.left(3800) + QStringLiteral("f") << false;
    }
    void validateEntryName()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        const auto refusal = ValidateEntryName(name);
        QCOMPARE(refusal.has_value(), refused);
        if (refusal)
            QVERIFY(!refusal->reason.isEmpty());
    }

    void refuseLinkOrDevice_data()
    {
        QTest::addColumn<std::uint32_t>("redirType");
        QTest::addColumn<std::uint32_t>("hostOS");
        QTest::addColumn<std::uint32_t>("attr");
        QTest::addColumn<bool>("refused");
        const std::uint32_t unix = EntryHeader::HostUnix;
        const std::uint32_t windows = EntryHeader::HostWindows;
        QTest::newRow("regular file") << 0u << unix << 0100644u << false;
        QTest::newRow("folder") << 0u << unix << 040755u << false;
        QTest::newRow("mode without type bits") << 0u << unix << 0644u << false;
        QTest::newRow("file copy") << 5u << unix << 0100644u << false;
        QTest::newRow("unix symlink") << 1u << unix << 0120777u << true;
        QTest::newRow("windows symlink") << 2u << windows << 0x20u << true;
        QTest::newRow("junction") << 3u << windows << 0x10u << true;
        QTest::newRow("hard link") << 4u << unix << 0100644u << true;
        QTest::newRow("unknown redirection") << 9u << unix << 0100644u << true;
        QTest::newRow("RAR4 symlink by mode") << 0u << unix << 0120777u << true;
        QTest::newRow("character device") << 0u << unix << 020666u << true;
        QTest::newRow("block device") << 0u << unix << 060660u << true;
        QTest::newRow("FIFO") << 0u << unix << 010644u << true;
        QTest::newRow("socket") << 0u << unix << 0140755u << true;
        // Windows attributes are not Unix mode bits, whatever they look like.
        QTest::newRow("windows attributes") << 0u << windows << 0120777u << false;
    }
    void refuseLinkOrDevice()
    {
        QFETCH(std::uint32_t, redirType);
        QFETCH(std::uint32_t, hostOS);
        QFETCH(std::uint32_t, attr);
        QFETCH(bool, refused);
        EntryHeader entry = File(QStringLiteral("x"), attr);
        entry.redirType = redirType;
        entry.hostOS = hostOS;
        QCOMPARE(RefuseLinkOrDevice(entry).has_value(), refused);
    }

    void refusalReport_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("namesShown");
        QTest::addColumn<QString>("moreLine");
        QTest::newRow("none") << 0 << 0 << QString();
        QTest::newRow("one") << 1 << 1 << QString();
        QTest::newRow("twenty") << 20 << 20 << QString();
        QTest::newRow("twenty-one") << 21 << 20 << "... and 1 more";
        QTest::newRow("many") << 1000 << 20 << "... and 980 more";
    }
    void refusalReport()
    {
        QFETCH(int, count);
        QFETCH(int, namesShown);
        QFETCH(QString, moreLine);
        std::vector<RefusedEntry> refused;
        for (int i = 0; i < count; ++i)
            refused.push_back({QStringLiteral("entry%1").arg(i), QStringLiteral("Hard link")});
        const QString text = RefusalReport(refused);
        QCOMPARE(text.isEmpty(), count == 0);
        QCOMPARE(int(text.count(QStringLiteral(": Hard link"))), namesShown);
        if (namesShown > 0)
            QVERIFY(text.contains(QStringLiteral("entry0: Hard link")));
        QVERIFY(!text.contains(QStringLiteral("entry%1:").arg(namesShown)));
        QCOMPARE(text.endsWith(moreLine), true);
        QCOMPARE(text.contains(QStringLiteral(" more")), !moreLine.isEmpty());
    }

    // Whatever goes wrong with an entry, the file it would have replaced is
    // left exactly as it was, and no temporary file stays behind.
    void failedEntryKeepsExistingFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("library reports bad data") << "result";
        QTest::newRow("cancelled") << "abort";
        QTest::newRow("more than the stated size") << "oversize";
        QTest::newRow("writer destroyed mid-entry") << "destroy";
        QTest::newRow("write error") << "write error";
    }
    void failedEntryKeepsExistingFile()
    {
        QFETCH(QString, how);
        const QString target = m_dest + QStringLiteral("/sub/f.txt");
        QVERIFY(QDir().mkpath(m_dest + QStringLiteral("/sub")));
        QVERIFY(WriteFile(target, "original"));
        {
            SafeWriter writer(m_dest);
            EntryHeader entry = File(QStringLiteral("sub/f.txt"));
            entry.unpSize = how == QLatin1String("oversize") ? 4 : EntryHeader::UnknownSize;
            QVERIFY(writer.beginEntry(entry));
            QVERIFY(writer.write("new!", 4));
            QCOMPARE(TemporaryFilesUnder(m_dest).size(), 1);
            if (how == QLatin1String("result")) {
                QVERIFY(!writer.finishEntry(12));
            } else if (how == QLatin1String("abort")) {
                writer.abortEntry();
            } else if (how == QLatin1String("oversize")) {
                QVERIFY(!writer.write("x", 1));
                QVERIFY(!writer.finishEntry(0));
                QCOMPARE(RefusedNames(writer), QStringList{QStringLiteral("sub/f.txt")});
            } else if (how == QLatin1String("write error")) {
                // A file-size limit makes the next write fail with EFBIG,
                // as a full disk would with ENOSPC.
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit old{};
                ::getrlimit(RLIMIT_FSIZE, &old);
                rlimit limit = old;
                limit.rlim_cur = 4;
                ::setrlimit(RLIMIT_FSIZE, &limit);
                const bool written = writer.write("more", 4);
                ::setrlimit(RLIMIT_FSIZE, &old);
                QVERIFY(!written);
                QVERIFY(!writer.finishEntry(0));
                QCOMPARE(RefusedNames(writer), QStringList{QStringLiteral("sub/f.txt")});
            }
        }
        QCOMPARE(ReadFile(target), QByteArray("original"));
    }

    void statedSizeIsAllowedExactly()
    {
        SafeWriter writer(m_dest);
        EntryHeader entry = File(QStringLiteral("f.txt"));
        entry.unpSize = 6;
        QVERIFY(writer.beginEntry(entry));
        QVERIFY(writer.write("abc", 3));
        QVERIFY(writer.write("def", 3));
        QVERIFY(writer.finishEntry(0));
        QCOMPARE(ReadFile(m_dest + QStringLiteral("/f.txt")), QByteArray("abcdef"));
    }

    // Modes come from two values only; the archive cannot ask for setuid,
    // setgid, sticky, or write access for others.
    void fileModes_data()
    {
        QTest::addColumn<std::uint32_t>("hostOS");
        QTest::addColumn<std::uint32_t>("attr");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("expected");
        const std::uint32_t unix = EntryHeader::HostUnix;
        QTest::newRow("plain") << unix << 0100644u << 022 << 0644;
        QTest::newRow("private in archive") << unix << 0100600u << 022 << 0644;
        QTest::newRow("executable") << unix << 0100755u << 022 << 0755;
        QTest::newRow("group executable only") << unix << 0100610u << 022 << 0755;
        QTest::newRow("setuid") << unix << 0104755u << 022 << 0755;
        QTest::newRow("setgid") << unix << 0102755u << 022 << 0755;
        QTest::newRow("sticky world-writable") << unix << 0101777u << 022 << 0755;
        QTest::newRow("world-writable") << unix << 0100666u << 0 << 0644;
        QTest::newRow("umask honoured") << unix << 0100755u << 077 << 0700;
        QTest::newRow("windows attributes") << EntryHeader::HostWindows << 0x21u << 022 << 0644;
    }
    void fileModes()
    {
        QFETCH(std::uint32_t, hostOS);
        QFETCH(std::uint32_t, attr);
        QFETCH(int, mask);
        QFETCH(int, expected);
        const mode_t old = ::umask(mode_t(mask));
        {
            SafeWriter writer(m_dest);
            EntryHeader entry = File(QStringLiteral("f"), attr);
            entry.hostOS = hostOS;
            QVERIFY(WriteEntry(writer, entry, "data"));
        }
        ::umask(old);
        QCOMPARE(int(ModeOf(m_dest + QStringLiteral("/f")) & 07777), expected);
    }

    void modificationTimeIsSet()
    {
        SafeWriter writer(m_dest);
        EntryHeader entry = File(QStringLiteral("f"));
        // 2020-01-02 03:04:05.5 UTC as a FILETIME.
        entry.mtime = (1577934245ULL + 11644473600ULL) * 10000000ULL + 5000000ULL;
        QVERIFY(WriteEntry(writer, entry, "x"));
        struct stat st = {};
        QCOMPARE(::lstat(QFile::encodeName(m_dest + QStringLiteral("/f")).constData(), &st), 0);
        QCOMPARE(qint64(st.st_mtim.tv_sec), qint64(1577934245));
        QCOMPARE(qint64(st.st_mtim.tv_nsec), qint64(500000000));
    }

    // Folders are private while the run fills them, 0755 minus the umask
    // after it; folders the user already had keep their modes.
    void folderModesAfterRun()
    {
        QVERIFY(QDir().mkpath(m_dest + QStringLiteral("/mine")));
        QVERIFY(QFile::setPermissions(m_dest + QStringLiteral("/mine"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        SafeWriter writer(m_dest);
        EntryHeader folder = File(QStringLiteral("new/deeper"), 040555);
        folder.isFolder = true;
        QVERIFY(writer.beginEntry(folder));
        QVERIFY(writer.finishEntry(0));
        QVERIFY(WriteEntry(writer, File(QStringLiteral("new/deeper/f")), "x"));
        QVERIFY(WriteEntry(writer, File(QStringLiteral("mine/f")), "y"));
        QCOMPARE(int(ModeOf(m_dest + QStringLiteral("/new/deeper")) & 07777), 0700);
        writer.finishRun();
        QCOMPARE(int(ModeOf(m_dest + QStringLiteral("/new")) & 07777), 0755);
        QCOMPARE(int(ModeOf(m_dest + QStringLiteral("/new/deeper")) & 07777), 0755);
        QCOMPARE(int(ModeOf(m_dest + QStringLiteral("/mine")) & 07777), 0700);
    }

    // What is already in the destination decides, never a link in it.
    void existingDestination_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<bool>("written");
        QTest::newRow("folder part is a symlink") << "link:d->outside"
                                                  << "d/sentinel" << false << false;
        QTest::newRow("deeper part is a symlink") << "dir:a;link:a/b->outside"
                                                  << "a/b/c/x" << false << false;
        QTest::newRow("folder part is a file") << "file:d"
                                               << "d/x" << false << false;
        QTest::newRow("folder entry is a symlink") << "link:d->outside"
                                                   << "d" << true << false;
        QTest::newRow("folder entry is a file") << "file:d"
                                                << "d" << true << false;
        QTest::newRow("file entry is a folder") << "dir:d"
                                                << "d" << false << false;
        // The link itself is replaced; what it pointed at is not touched.
        QTest::newRow("file entry is a symlink") << "link:f->outside/sentinel"
                                                 << "f" << false << true;
        QTest::newRow("file entry is a dangling symlink") << "link:f->outside/none"
                                                          << "f" << false << true;
        QTest::newRow("existing folder is reused") << "dir:d"
                                                   << "d/x" << false << true;
    }
    void existingDestination()
    {
        QFETCH(QString, setup);
        QFETCH(QString, entry);
        QFETCH(bool, isFolder);
        QFETCH(bool, written);
        for (const QString& step : setup.split(QLatin1Char(';'))) {
            const QString kind = step.section(QLatin1Char(':'), 0, 0);
            const QString what = step.section(QLatin1Char(':'), 1);
            const QString path =
                m_dest + QLatin1Char('/') + what.section(QStringLiteral("->"), 0, 0);
            if (kind == QLatin1String("dir"))
                QVERIFY(QDir().mkpath(path));
            else if (kind == QLatin1String("file"))
                QVERIFY(WriteFile(path, "user"));
            else
                QVERIFY(QFile::link(m_box.base() + QLatin1Char('/') +
                                        what.section(QStringLiteral("->"), 1),
                                    path));
        }
        SafeWriter writer(m_dest);
        EntryHeader header = File(entry);
        header.isFolder = isFolder;
        QCOMPARE(WriteEntry(writer, header, "archive data"), written);
        QCOMPARE(writer.refusals().empty(), written);
        if (written && !isFolder) {
            QVERIFY(!QFileInfo(m_dest + QLatin1Char('/') + entry).isSymLink());
            QCOMPARE(ReadFile(m_dest + QLatin1Char('/') + entry), QByteArray("archive data"));
        }
    }

    void destinationExists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << "nothing" << false;
        QTest::newRow("file") << "file" << true;
        QTest::newRow("folder") << "dir" << true;
        QTest::newRow("file in folder") << "dir/inner" << true;
        QTest::newRow("dangling symlink") << "dangling" << true;
        QTest::newRow("symlink to a file outside") << "tosentinel" << true;
        // Never looked at through a link: the entry will be refused anyway.
        QTest::newRow("through a symlink") << "tooutside/sentinel" << false;
        QTest::newRow("invalid name") << "../outside/sentinel" << false;
        QTest::newRow("through a file") << "file/x" << false;
    }
    void destinationExists()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QVERIFY(WriteFile(m_dest + QStringLiteral("/file"), "x"));
        QVERIFY(QDir().mkpath(m_dest + QStringLiteral("/dir")));
        QVERIFY(WriteFile(m_dest + QStringLiteral("/dir/inner"), "x"));
        QVERIFY(QFile::link(m_box.base() + QStringLiteral("/none"),
                            m_dest + QStringLiteral("/dangling")));
        QVERIFY(QFile::link(m_outside + QStringLiteral("/sentinel"),
                            m_dest + QStringLiteral("/tosentinel")));
        QVERIFY(QFile::link(m_outside, m_dest + QStringLiteral("/tooutside")));
        SafeWriter writer(m_dest);
        QCOMPARE(writer.DestinationExists(name), exists);
    }

    // A symlink chosen as the destination leads to its folder and stays a
    // symlink; the empty folder name means the current directory.
    void destinationRoot()
    {
        const QString real = m_box.base() + QStringLiteral("/real");
        const QString link = m_box.base() + QStringLiteral("/link");
        QVERIFY(QDir().mkpath(real));
        QVERIFY(QFile::link(real, link));
        {
            SafeWriter writer(link);
            QCOMPARE(writer.root(), QFileInfo(real).canonicalFilePath());
            QVERIFY(WriteEntry(writer, File(QStringLiteral("f")), "x"));
        }
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(ReadFile(real + QStringLiteral("/f")), QByteArray("x"));

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(real));
        SafeWriter here((QString()));
        QDir::setCurrent(previous);
        QCOMPARE(here.root(), QFileInfo(real).canonicalFilePath());
    }

    void fileCopies_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("written");
        QTest::newRow("earlier entry of this run") << "dir/first" << true;
        QTest::newRow("user's file in the destination") << "userfile" << false;
        QTest::newRow("file outside") << "../outside/sentinel" << false;
        QTest::newRow("absolute") << "/etc/hostname" << false;
        QTest::newRow("later replaced by a symlink") << "swapped" << false;
    }
    void fileCopies()
    {
        QFETCH(QString, source);
        QFETCH(bool, written);
        QVERIFY(WriteFile(m_dest + QStringLiteral("/userfile"), "user"));
        SafeWriter writer(m_dest);
        QVERIFY(WriteEntry(writer, File(QStringLiteral("dir/first")), "first data"));
        QVERIFY(WriteEntry(writer, File(QStringLiteral("swapped")), "swapped data"));
        QVERIFY(QFile::remove(m_dest + QStringLiteral("/swapped")));
        QVERIFY(QFile::link(m_outside + QStringLiteral("/sentinel"),
                            m_dest + QStringLiteral("/swapped")));

        EntryHeader copy = File(QStringLiteral("copy"));
        copy.redirType = EntryHeader::RedirFileCopy;
        copy.redirName = source;
        QCOMPARE(WriteEntry(writer, copy, QByteArray()), written);
        QCOMPARE(QFileInfo::exists(m_dest + QStringLiteral("/copy")), written);
        if (written)
            QCOMPARE(ReadFile(m_dest + QStringLiteral("/copy")), QByteArray("first data"));
        else
            QCOMPARE(RefusedNames(writer), QStringList{QStringLiteral("copy")});
        QCOMPARE(ReadFile(m_dest + QStringLiteral("/userfile")), QByteArray("user"));
    }
};

QTEST_GUILESS_MAIN(TestSafeWriter)
#include "tst_safewriter.moc"
