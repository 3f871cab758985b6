// The writer on its own, fed entries by hand: names, links, modes, the
// no-follow walk, free space, and what a failed entry leaves behind. Every case checks
// that nothing outside the destination changed and no temporary file stayed.
#include "engine/FreeSpace.h"
#include "engine/SafeWriter.h"

#include "TreeSnapshot.h"

#include <QRegularExpression>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace marrowick;
using namespace marrowick::test;

namespace {

constexpr std::uint64_t MiB = 1ull << 20;
using Free = std::optional<std::uint64_t>;

EntryHeader File(const QString& name, std::uint32_t mode = 0100644, bool folder = false)
{
    EntryHeader entry;
    entry.name = name;
    entry.fileAttr = mode;
    entry.unpSize = EntryHeader::UnknownSize;
    entry.isFolder = folder;
    return entry;
}

int ModeOf(const QString& path)
{
    struct stat st = {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return int(st.st_mode & 07777);
}

bool WriteEntry(SafeWriter& writer, const EntryHeader& entry, const QByteArray& data)
{
    return writer.beginEntry(entry) && writer.write(data.constData(), std::size_t(data.size())) &&
           writer.finishEntry(0);
}

} // namespace

class TestSafeWriter final : public QObject
{
    Q_OBJECT

private:
    Sandbox m_box;
    QString m_dest;

    // "dir:a", "file:a" and "link:a->target" (target beneath the base), ";"-separated.
    bool prepare(const QString& setup)
    {
        for (const QString& step : setup.split(';', Qt::SkipEmptyParts)) {
            const QString kind = step.section(':', 0, 0), what = step.section(':', 1);
            const QString path = m_dest + '/' + what.section("->", 0, 0);
            if (!(kind == "dir" ? QDir().mkpath(path)
                  : kind == "file" ? WriteFile(path, "user")
                                   : QFile::link(m_box.base() + '/' + what.section("->", 1), path)))
                return false;
        }
        return true;
    }

private slots:
    void init()
    {
        QVERIFY(m_box.reset());
        m_dest = m_box.dest();
    }
    void cleanup()
    {
        QCOMPARE(m_box.outsideNow(), m_box.outsideBefore());
        QCOMPARE(m_box.leftovers(), QStringList());
    }

    // Names that could reach outside the destination, links and devices.
    void refusals_data()
    {
        QTest::addColumn<EntryHeader>("entry");
        QTest::addColumn<bool>("refused");
        const auto name = [](const char* tag, const QString& name, bool refused) {
            QTest::newRow(tag) << File(name) << refused;
        };
        const auto kind = [](const char* tag, std::uint32_t redirType, std::uint32_t hostOS, std::uint32_t attr,
                             bool refused) {
            EntryHeader entry = File("x", attr);
            entry.redirType = redirType;
            entry.hostOS = hostOS;
            QTest::newRow(tag) << entry << refused;
        };
        name("nested", "dir/sub/a.txt", false);
        name("dots inside a part", "...a/..b/c..", false);
        name("empty", "", true);
        name("absolute", "/etc/passwd", true);
        name("parent", "../x", true);
        name("parent after a folder", "a/../../x", true);
        name("empty part", "a//b", true);
        name("NUL", QString("a") + QChar(0) + "b", true);
        name("escape", "a\x1b[2Jb", true);
        // NAME_MAX and PATH_MAX count bytes.
        name("part of 255 bytes", QString(255, 'x'), false);
        name("part of 128 two-byte chars", QString(128, QChar(0xe9)), true);
        name("whole name over PATH_MAX", QString(200, QChar(0x64)).append(QChar(0x2f)).repeated(21) + "f", true);
        const std::uint32_t unix = EntryHeader::HostUnix, windows = EntryHeader::HostWindows;
        kind("unix symlink", 1, unix, 0120777, true);
        kind("junction", 3, windows, 0x10, true);
        kind("hard link", 4, unix, 0100644, true);
        kind("RAR4 symlink by mode", 0, unix, 0120777, true);
        kind("device", 0, unix, 020666, true);
        // Windows attributes are not Unix mode bits, whatever they look like.
        kind("windows attributes", 0, windows, 0120777, false);
    }
    void refusals()
    {
        QFETCH(EntryHeader, entry);
        QFETCH(bool, refused);
        QCOMPARE(ValidateEntryName(entry.name).has_value() || RefuseLinkOrDevice(entry).has_value(), refused);
        SafeWriter writer(m_dest);
        QCOMPARE(WriteEntry(writer, entry, "x"), !refused);
        QCOMPARE(writer.refusals().size(), std::size_t(refused));
    }

    // Whatever goes wrong with an entry, the file it would have replaced is
    // left exactly as it was; only a complete, accepted entry replaces it.
    void replacingAFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("accepted") << "ok" << true;
        QTest::newRow("exactly the stated size") << "stated" << true;
        QTest::newRow("library reports bad data") << "result" << false;
        QTest::newRow("cancelled") << "abort" << false;
        QTest::newRow("more than the stated size") << "oversize" << false;
        QTest::newRow("writer destroyed mid-entry") << "destroy" << false;
        QTest::newRow("write error") << "write error" << false;
    }
    void replacingAFile()
    {
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        const QString target = m_dest + "/sub/f.txt";
        QVERIFY(QDir().mkpath(m_dest + "/sub") && WriteFile(target, "original"));
        {
            SafeWriter writer(m_dest);
            EntryHeader entry = File("sub/f.txt");
            if (how == "stated" || how == "oversize")
                entry.unpSize = 4;
            QVERIFY(writer.beginEntry(entry));
            QVERIFY(writer.write("new!", 4));
            QCOMPARE(ReadFile(target), QByteArray("original"));
            if (how == "ok" || how == "stated")
                QVERIFY(writer.finishEntry(0));
            else if (how == "result")
                QVERIFY(!writer.finishEntry(12));
            else if (how == "abort")
                writer.abortEntry();
            else if (how == "oversize")
                QVERIFY(!writer.write("x", 1) && !writer.finishEntry(0));
            if (how == "write error") {
                // A file-size limit makes the next write fail with EFBIG, as a
                // full disk would with ENOSPC.
                ::signal(SIGXFSZ, SIG_IGN);
                rlimit old{};
                ::getrlimit(RLIMIT_FSIZE, &old);
                rlimit limit = old;
                limit.rlim_cur = 4;
                ::setrlimit(RLIMIT_FSIZE, &limit);
                const bool written = writer.write("more", 4);
                ::setrlimit(RLIMIT_FSIZE, &old);
                QVERIFY(!written && !writer.finishEntry(0));
            }
            // Refused entries are named for the report.
            QCOMPARE(writer.refusals().size(), std::size_t(how == "oversize" || how == "write error"));
        }
        QCOMPARE(ReadFile(target), replaced ? QByteArray("new!") : QByteArray("original"));
        QCOMPARE(TemporaryFilesUnder(m_dest), QStringList());
    }

    // Modes come from two values only; the archive cannot ask for setuid,
    // setgid, sticky, or write access for others. The time is the entry's.
    void fileModes_data()
    {
        QTest::addColumn<std::uint32_t>("hostOS");
        QTest::addColumn<std::uint32_t>("attr");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("expected");
        const std::uint32_t unix = EntryHeader::HostUnix;
        QTest::newRow("private in archive") << unix << 0100600u << 022 << 0644;
        QTest::newRow("group executable only") << unix << 0100610u << 022 << 0755;
        QTest::newRow("setuid setgid") << unix << 0106755u << 022 << 0755;
        QTest::newRow("sticky world-writable") << unix << 0101777u << 022 << 0755;
        QTest::newRow("world-writable, no umask") << unix << 0100666u << 0 << 0644;
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
            EntryHeader entry = File("f", attr);
            entry.hostOS = hostOS;
            // 2020-01-02 03:04:05.5 UTC as a FILETIME.
            entry.mtime = (1577934245ULL + 11644473600ULL) * 10000000ULL + 5000000ULL;
            QVERIFY(WriteEntry(writer, entry, "data"));
        }
        ::umask(old);
        QCOMPARE(ModeOf(m_dest + "/f"), expected);
        QCOMPARE(QFileInfo(m_dest + "/f").lastModified().toUTC(),
                 QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5, 500), Qt::UTC));
    }

    // Folders are private while the run fills them, 0755 minus the umask
    // after it, whatever the archive says; folders the user had keep theirs.
    void folderModesAfterRun()
    {
        QVERIFY(QDir().mkpath(m_dest + "/mine"));
        QVERIFY(QFile::setPermissions(m_dest + "/mine", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        SafeWriter writer(m_dest);
        QVERIFY(writer.beginEntry(File("new/deeper", 041777, true)) && writer.finishEntry(0));
        QVERIFY(WriteEntry(writer, File("new/deeper/f"), "x"));
        QVERIFY(WriteEntry(writer, File("mine/f"), "y"));
        QCOMPARE(ModeOf(m_dest + "/new/deeper"), 0700);
        writer.finishRun();
        QCOMPARE(ModeOf(m_dest + "/new"), 0755);
        QCOMPARE(ModeOf(m_dest + "/new/deeper"), 0755);
        QCOMPARE(ModeOf(m_dest + "/mine"), 0700);
    }

    // What is already in the destination decides, never a link in it.
    void existingDestination_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("exists"); // as the overwrite question sees it
        // clang-format off
        QTest::newRow("folder part is a symlink") << "link:d->outside" << "d/sentinel" << false << false << false;
        QTest::newRow("folder part is a file") << "file:d" << "d/x" << false << false << false;
        QTest::newRow("folder entry is a symlink") << "link:d->outside" << "d" << true << false << true;
        QTest::newRow("file entry is a folder") << "dir:d" << "d" << false << false << true;
        // The link itself is replaced; what it pointed at is not touched.
        QTest::newRow("file entry is a symlink") << "link:f->outside/sentinel" << "f" << false << true << true;
        QTest::newRow("file entry is a dangling symlink") << "link:f->none" << "f" << false << true << true;
        QTest::newRow("existing folder is reused") << "dir:d" << "d/x" << false << true << false;
        QTest::newRow("existing file") << "file:f" << "f" << false << true << true;
        // clang-format on
    }
    void existingDestination()
    {
        QFETCH(QString, setup);
        QFETCH(QString, entry);
        QFETCH(bool, isFolder);
        QFETCH(bool, written);
        QFETCH(bool, exists);
        QVERIFY(prepare(setup));
        SafeWriter writer(m_dest);
        QCOMPARE(writer.DestinationExists(entry), exists);
        QCOMPARE(WriteEntry(writer, File(entry, 0100644, isFolder), "archive data"), written);
        QCOMPARE(writer.refusals().empty(), written);
        if (written && !isFolder)
            QCOMPARE(SnapshotTree(m_dest).value('/' + entry), "100644 " + QString(QByteArray("archive data").toHex()));
    }

    // A symlink chosen as the destination leads to its folder and stays a
    // symlink.
    void destinationRoot()
    {
        const QString real = m_box.base() + "/real", link = m_box.base() + "/link";
        QVERIFY(QDir().mkpath(real) && QFile::link(real, link));
        {
            SafeWriter writer(link);
            QVERIFY(WriteEntry(writer, File("f"), "x"));
        }
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(ReadFile(real + "/f"), QByteArray("x"));

    }

    // Only a file this run wrote may be copied.
    void fileCopies_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("written");
        QTest::newRow("earlier entry of this run") << "dir/first" << true;
        QTest::newRow("user's file in the destination") << "userfile" << false;
        QTest::newRow("file outside") << "../outside/sentinel" << false;
        QTest::newRow("later replaced by a symlink") << "swapped" << false;
    }
    void fileCopies()
    {
        QFETCH(QString, source);
        QFETCH(bool, written);
        QVERIFY(WriteFile(m_dest + "/userfile", "user"));
        SafeWriter writer(m_dest);
        QVERIFY(WriteEntry(writer, File("dir/first"), "first data"));
        QVERIFY(WriteEntry(writer, File("swapped"), "swapped data"));
        QVERIFY(QFile::remove(m_dest + "/swapped"));
        QVERIFY(QFile::link(m_box.outside() + "/sentinel", m_dest + "/swapped"));
        EntryHeader copy = File("copy");
        copy.redirType = EntryHeader::RedirFileCopy;
        copy.redirName = source;
        QCOMPARE(WriteEntry(writer, copy, QByteArray()), written);
        QCOMPARE(ReadFile(m_dest + "/copy"), written ? QByteArray("first data") : QByteArray());
        QCOMPARE(ReadFile(m_dest + "/userfile"), QByteArray("user"));
    }

    // Extraction cannot fill the disk unseen: the stated size is checked
    // against the free space before a run; an entry of unknown size stops
    // while a reserve is still free.
    void statedSizeAgainstFreeSpace_data()
    {
        QTest::addColumn<std::uint64_t>("needed");
        QTest::addColumn<Free>("free");
        QTest::addColumn<bool>("refused");
        QTest::newRow("fits exactly") << std::uint64_t(1000) << Free(1000) << false;
        QTest::newRow("one byte over") << std::uint64_t(1001) << Free(1000) << true;
        // A file system that cannot say is not a reason to refuse a run.
        QTest::newRow("free space unknown") << (5000 * MiB) << Free() << false;
    }
    void statedSizeAgainstFreeSpace()
    {
        QFETCH(std::uint64_t, needed);
        QFETCH(Free, free);
        QFETCH(bool, refused);
        const QString dest = m_dest + "/not/made/yet";
        QString asked;
        ScopedFreeSpaceProvider fake([&](const QString& folder) { return asked = folder, free; });
        const std::optional<QString> text = CheckFreeSpace(dest, needed);
        QCOMPARE(asked, dest);
        QCOMPARE(text.has_value(), refused);
        if (refused)
            QVERIFY2(text->contains(dest) && text->contains(QLocale().toString(qulonglong(needed))), qPrintable(*text));
        // The destination is made by the run; before that its parent answers.
        QVERIFY(StatvfsFreeSpace(dest).value_or(0) > 0);
    }

    void unknownSizeStopsAtTheReserve_data()
    {
        QTest::addColumn<std::uint64_t>("free");
        QTest::addColumn<bool>("written");
        QTest::newRow("plenty free") << (10000 * MiB) << true;
        QTest::newRow("reserve reached") << (FreeSpaceReserve + 4 * MiB) << false;
    }
    void unknownSizeStopsAtTheReserve()
    {
        QFETCH(std::uint64_t, free);
        QFETCH(bool, written);
        int looks = 0;
        ScopedFreeSpaceProvider fake([&](const QString&) { return ++looks, Free(free); });
        const QByteArray chunk(MiB, 'z');
        SafeWriter writer(m_dest);
        EntryHeader entry;
        entry.name = "big.bin";
        entry.unpSize = EntryHeader::UnknownSize;
        QVERIFY(writer.beginEntry(entry));
        bool accepted = true;
        for (int i = 0; i < 40 && accepted; ++i)
            accepted = writer.write(chunk.constData(), std::size_t(chunk.size()));
        QCOMPARE(accepted, written);
        QCOMPARE(writer.finishEntry(0), written);
        QCOMPARE(QFileInfo::exists(m_dest + "/big.bin"), written);
        QCOMPARE(TemporaryFilesUnder(m_dest), QStringList());
        // Looked at once per 16 MiB, not for every chunk.
        QVERIFY2(looks <= 3, qPrintable(QString::number(looks)));
    }
};

QTEST_GUILESS_MAIN(TestSafeWriter)
#include "tst_safewriter.moc"
