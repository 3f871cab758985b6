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
#include <sys/wait.h>
#include <unistd.h>

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

// "f:name" a file, "d:name" a folder, "s:name>target" a Unix symbolic link,
// "w:" a Windows one, "j:" a junction, "h:" a hard link and "c:" a file copy
// naming an entry, "4:name" a RAR 4 link whose target the reader could not read.
EntryHeader EntryOf(const QString& text)
{
    const QString kind = text.section(':', 0, 0), rest = text.section(':', 1);
    EntryHeader entry = File(rest.section('>', 0, 0), kind == "4" ? 0120777 : 0100644, kind == "d");
    entry.redirName = rest.section('>', 1);
    entry.redirType = std::uint32_t(std::max(0, int(QString("-swjhc").indexOf(kind))));
    if (kind == "4")
        entry.unpSize = 5;
    return entry;
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
        name("DEL", "a\x7f" "b", true);
        name("C1 control", QString("a") + QChar(0x9b) + "b", true);
        name("no-break space after C1", QString("a") + QChar(0xa0) + "b", false);
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
    // Both kinds of temporary file: unnamed, and the named ones of file
    // systems without O_TMPFILE. A replaced file is flushed before the
    // rename and its folder after.
    void replacingAFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("unnamed");
        for (const bool unnamed : {true, false}) {
            const auto row = [unnamed](const char* tag, const char* how, bool replaced) {
                QTest::addRow("%s, %s", tag, unnamed ? "unnamed" : "named") << how << replaced << unnamed;
            };
            row("accepted", "ok", true);
            row("exactly the stated size", "stated", true);
            row("library reports bad data", "result", false);
            row("cancelled", "abort", false);
            row("more than the stated size", "oversize", false);
            row("writer destroyed mid-entry", "destroy", false);
            row("write error", "write error", false);
            row("new file", "new", true);
        }
    }
    void replacingAFile()
    {
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        QFETCH(bool, unnamed);
        const QString target = m_dest + "/sub/f.txt";
        QVERIFY(QDir().mkpath(m_dest + "/sub") && (how == "new" || WriteFile(target, "original")));
        QStringList steps;
        {
            WriterOptions options;
            options.unnamedTemps = unnamed;
            options.onReplaceStep = [&steps](const char* step) { steps << step; };
            SafeWriter writer(m_dest, options);
            EntryHeader entry = File("sub/f.txt");
            if (how == "stated" || how == "oversize")
                entry.unpSize = 4;
            QVERIFY(writer.beginEntry(entry));
            QVERIFY(writer.write("new!", 4));
            QCOMPARE(ReadFile(target), how == "new" ? QByteArray() : QByteArray("original"));
            QCOMPARE(TemporaryFilesUnder(m_dest).size(), unnamed ? 0 : 1);
            if (how == "ok" || how == "stated" || how == "new")
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
        QCOMPARE(steps.join(" "), replaced && how != "new" ? "synced replacing replaced" : "");
    }

    // A writer killed while it replaces a file leaves the old file or the
    // new one, whole.
    void killedWhileReplacing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("after the flush") << "synced" << QByteArray("original");
        QTest::newRow("before the rename") << "replacing" << QByteArray("original");
        QTest::newRow("after the rename") << "replaced" << QByteArray("new data");
    }
    void killedWhileReplacing()
    {
        QFETCH(QString, step);
        QFETCH(QByteArray, left);
        QVERIFY(WriteFile(m_dest + "/f", "original"));
        const pid_t child = ::fork();
        if (child == 0) {
            WriterOptions options;
            options.onReplaceStep = [&step](const char* now) {
                if (step == now)
                    ::raise(SIGKILL);
            };
            SafeWriter writer(m_dest, options);
            WriteEntry(writer, File("f"), "new data");
            writer.finishRun();
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(ReadFile(m_dest + "/f"), left);
        // What a killed run leaves: at most the whole new file under a hidden name.
        for (const QString& temp : TemporaryFilesUnder(m_dest))
            QVERIFY(ReadFile(temp) == "new data" && QFile::remove(temp));
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

    // A time with its top bit set is clamped, not a reason to refuse.
    void hostileTime()
    {
        SafeWriter writer(m_dest);
        EntryHeader entry = File("f");
        entry.mtime = ~0ull;
        QVERIFY(WriteEntry(writer, entry, "x"));
        QVERIFY(QFileInfo(m_dest + "/f").lastModified().date().year() > 2100);
    }

    // Folders are private while the run fills them, 0755 minus the umask
    // after it, whatever the archive says; folders the user had keep theirs.
    void folderModesAfterRun_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("folder");
        QTest::addColumn<int>("file");
        QTest::newRow("022") << 022 << 0755 << 0644;
        QTest::newRow("077") << 077 << 0700 << 0600;
        QTest::newRow("0277: no write for the owner either") << 0277 << 0500 << 0400;
    }
    void folderModesAfterRun()
    {
        QFETCH(int, mask);
        QFETCH(int, folder);
        QFETCH(int, file);
        QVERIFY(QDir().mkpath(m_dest + "/mine"));
        QVERIFY(QFile::setPermissions(m_dest + "/mine", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const mode_t old = ::umask(mode_t(mask));
        SafeWriter writer(m_dest);
        QVERIFY(writer.beginEntry(File("new/deeper", 041777, true)) && writer.finishEntry(0));
        QVERIFY(WriteEntry(writer, File("new/deeper/f"), "x"));
        QVERIFY(WriteEntry(writer, File("mine/f"), "y"));
        QCOMPARE(ModeOf(m_dest + "/new/deeper"), 0700);
        writer.finishRun();
        ::umask(old);
        QCOMPARE(ModeOf(m_dest + "/new"), folder);
        QCOMPARE(ModeOf(m_dest + "/new/deeper"), folder);
        QCOMPARE(ModeOf(m_dest + "/new/deeper/f"), file);
        QCOMPARE(ModeOf(m_dest + "/mine"), 0700);
        QVERIFY(QFile::setPermissions(m_dest + "/new", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(m_dest + "/new/deeper", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
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
        writer.finishRun();
        QCOMPARE(writer.refusals().empty(), written);
        if (written && !isFolder)
            QCOMPARE(SnapshotTree(m_dest).value('/' + entry), "100644 " + QString(QByteArray("archive data").toHex()));
    }

    // Links of every shape, against what lands on disk: symbolic links only
    // inside the destination, and after every file of the run; hard links
    // only to a file of the run.
    void links_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("links");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("refused");
        const auto row = [](const char* tag, const char* entries, const char* tree, const char* refused,
                            const char* setup = "", bool links = true) {
            QTest::newRow(tag) << entries << setup << links << tree << refused;
        };
        const char* outside = "Link target points outside the destination";
        const char* notOfTheRun = "Hard link to a file not extracted in this run";
        const QByteArray folderThere = "A folder of that name exists";
        // clang-format off
        row("inside", "f:a/x;s:a/l>x", "a/ a/l->x a/x", "");
        row("\"..\" inside", "f:x;s:a/l>../x", "a/ a/l->../x x", "");
        row("\"..\" to the destination itself", "s:a/l>..", "a/ a/l->..", "");
        row("\"..\" escaping", "s:a/l>../../outside/sentinel", "", qPrintable(QString("a/l: ") + outside));
        row("absolute", "s:l>/etc/passwd", "", "l: Absolute link target");
        row("empty", "s:l>", "", "l: Empty link target");
        row("control character", "s:l>a\x1b" "b", "", "l: Control character in link target");
        row("\"..\" after a folder name", "f:x;s:l>d/../x", "x", "l: Link target with \"..\" after a folder name");
        row("windows, relative", "f:x;w:a/l>..\\x", "a/ a/l->../x x", "");
        row("windows drive", "w:l>C:\\x", "", "l: Link target is a Windows drive or network path");
        row("windows UNC", "w:l>\\\\srv\\share", "", "l: Link target is a Windows drive or network path");
        row("junction", "j:l>x", "", "l: Junction");
        row("RAR 4 link without its target", "4:l", "", "l: Link target cannot be read");
        row("a link, then a file through it", "s:d>sub;f:d/x", "d/ d/x", "d: " + folderThere);
        row("a link to a folder, then a file below it", "d:sub;s:l>sub;f:l/x", "l/ l/x sub/", "l: " + folderThere);
        row("link over a user's file", "f:x;s:l>x", "l->x x", "", "file:l");
        row("link over a user's folder", "s:l>x", "l/", "l: " + folderThere, "dir:l");
        row("hard link to an entry extracted", "f:x;h:y>x", "x=2 y=2", "");
        row("hard link over a user's file", "f:x;h:y>x", "x=2 y=2", "", "file:y");
        row("hard link to an entry refused", "f:../x;h:y>../x", "", qPrintable(QString("../x: Name points outside the destination (\"..\")|y: ") + notOfTheRun));
        row("hard link to a file not of the run", "h:y>u", "u", qPrintable(QString("y: ") + notOfTheRun), "file:u");
        row("file reference", "f:x;c:y>x", "x y", "");
        row("links refused by choice", "f:x;s:l>x;h:y>x", "x", "l: Symbolic link|y: Hard link", "", false);
        // clang-format on
    }
    void links()
    {
        QFETCH(QString, entries);
        QFETCH(QString, setup);
        QFETCH(bool, links);
        QFETCH(QString, tree);
        QFETCH(QString, refused);
        QVERIFY(prepare(setup));
        WriterOptions options;
        options.links = links;
        SafeWriter writer(m_dest, options);
        for (const QString& text : entries.split(';'))
            WriteEntry(writer, EntryOf(text), text.startsWith("f:") ? text.toUtf8() : QByteArray());
        QVERIFY(!TreeOf(m_dest).contains("->"));
        writer.finishRun();
        QCOMPARE(TreeOf(m_dest), tree);
        QStringList reasons;
        for (const RefusedEntry& entry : writer.refusals())
            reasons << entry.name + ": " + entry.reason;
        QCOMPARE(reasons.join('|'), refused);
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
