// Extraction cannot fill the disk unseen: the archive's stated size is
// checked against the destination's free space before a run, and an entry
// whose header gives no size stops while a reserve is still free.
#include "engine/FreeSpace.h"
#include "engine/SafeWriter.h"
#include "engine/modRAR.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

constexpr std::uint64_t MiB = 1ull << 20;

EntryHeader UnknownSizeFile(const QString& name)
{
    EntryHeader entry;
    entry.name = name;
    entry.unpSize = EntryHeader::UnknownSize;
    return entry;
}

} // namespace

class TestResourceLimits : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_dest = m_dir->filePath(QStringLiteral("dest"));
    }

    void statedSizeAgainstFreeSpace_data()
    {
        QTest::addColumn<std::uint64_t>("needed");
        QTest::addColumn<std::optional<std::uint64_t>>("free");
        QTest::addColumn<bool>("refused");
        using Free = std::optional<std::uint64_t>;
        QTest::newRow("fits exactly") << std::uint64_t(1000) << Free(1000) << false;
        QTest::newRow("one byte over") << std::uint64_t(1001) << Free(1000) << true;
        QTest::newRow("nothing to write") << std::uint64_t(0) << Free(0) << false;
        QTest::newRow("5 GB archive, 1 GB free") << (5000 * MiB) << Free(1000 * MiB) << true;
        // A file system that cannot say is not a reason to refuse a run.
        QTest::newRow("free space unknown") << (5000 * MiB) << Free() << false;
    }
    void statedSizeAgainstFreeSpace()
    {
        QFETCH(std::uint64_t, needed);
        QFETCH(std::optional<std::uint64_t>, free);
        QFETCH(bool, refused);
        QString asked;
        ScopedFreeSpaceProvider fake([&](const QString& folder) {
            asked = folder;
            return free;
        });
        const std::optional<QString> text = CheckFreeSpace(m_dest, needed);
        QCOMPARE(asked, m_dest);
        QCOMPARE(text.has_value(), refused);
        if (refused) {
            QVERIFY2(text->contains(m_dest), qPrintable(*text));
            QVERIFY2(text->contains(QLocale().toString(qulonglong(needed))), qPrintable(*text));
            QVERIFY2(text->contains(QStringLiteral("Nothing was extracted")), qPrintable(*text));
        }
    }

    void providerIsRestored()
    {
        {
            ScopedFreeSpaceProvider fake([](const QString&) { return std::optional<std::uint64_t>(7); });
            QCOMPARE(FreeSpaceAt(m_dest), std::optional<std::uint64_t>(7));
        }
        QCOMPARE(FreeSpaceAt(m_dir->path()), StatvfsFreeSpace(m_dir->path()));
    }

    // The destination is created by the run; before that its parent answers.
    void statvfsOfAFolderNotMadeYet()
    {
        const auto free = StatvfsFreeSpace(m_dest + QStringLiteral("/not/made/yet"));
        QVERIFY(free.has_value());
        QVERIFY(*free > 0);
    }

    void unknownSizeStopsAtTheReserve_data()
    {
        QTest::addColumn<std::uint64_t>("free");
        QTest::addColumn<bool>("written");
        QTest::newRow("plenty free") << (10000 * MiB) << true;
        QTest::newRow("reserve reached") << (FreeSpaceReserve + 4 * MiB) << false;
        QTest::newRow("disk full") << std::uint64_t(0) << false;
    }
    void unknownSizeStopsAtTheReserve()
    {
        QFETCH(std::uint64_t, free);
        QFETCH(bool, written);
        int looks = 0;
        ScopedFreeSpaceProvider fake([&](const QString&) {
            ++looks;
            return std::optional<std::uint64_t>(free);
        });
        const QByteArray chunk(MiB, 'z');
        SafeWriter writer(m_dest);
        QVERIFY(writer.beginEntry(UnknownSizeFile(QStringLiteral("big.bin"))));
        bool accepted = true;
        for (int i = 0; i < 40 && accepted; ++i)
            accepted = writer.write(chunk.constData(), std::size_t(chunk.size()));
        QCOMPARE(accepted, written);
        QCOMPARE(writer.finishEntry(0), written);
        QCOMPARE(QFileInfo::exists(m_dest + QStringLiteral("/big.bin")), written);
        QVERIFY(TemporaryFilesUnder(m_dest).isEmpty());
        // Looked at once per 16 MiB, not for every chunk.
        QVERIFY2(looks <= 3, qPrintable(QString::number(looks)));
        if (!written) {
            QCOMPARE(writer.refusals().size(), std::size_t(1));
            QVERIFY(writer.refusals().front().reason.contains(QStringLiteral("disk space")));
        }
    }

    // A stated size is enforced by the size itself, never by a free-space look.
    void statedSizeNeedsNoLook()
    {
        int looks = 0;
        ScopedFreeSpaceProvider fake([&](const QString&) {
            ++looks;
            return std::optional<std::uint64_t>(0);
        });
        SafeWriter writer(m_dest);
        EntryHeader entry = UnknownSizeFile(QStringLiteral("f.txt"));
        entry.unpSize = 3;
        QVERIFY(writer.beginEntry(entry));
        QVERIFY(writer.write("abc", 3));
        QVERIFY(!writer.write("d", 1));
        QVERIFY(!writer.finishEntry(0));
        QCOMPARE(looks, 0);
        QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/f.txt")));
    }

    // Through the whole run with the installed library: the check comes
    // before anything is written, and only extraction makes it.
    void runAgainstFreeSpace_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("mode");
        QTest::addColumn<std::uint64_t>("free");
        QTest::addColumn<bool>("refused");
        QTest::newRow("fits") << "basic.rar" << int(OP_EXTRACT) << (1024 * MiB) << false;
        QTest::newRow("does not fit") << "basic.rar" << int(OP_EXTRACT) << std::uint64_t(10) << true;
        QTest::newRow("5 GB of zeros, 1 GB free") << "zeros5g.rar" << int(OP_EXTRACT) << (1024 * MiB) << true;
        QTest::newRow("a test writes nothing") << "basic.rar" << int(OP_TEST) << std::uint64_t(0) << false;
    }
    void runAgainstFreeSpace()
    {
        QFETCH(QString, fixture);
        QFETCH(int, mode);
        QFETCH(std::uint64_t, free);
        QFETCH(bool, refused);
        ScopedFreeSpaceProvider fake([&](const QString&) { return std::optional<std::uint64_t>(free); });
        RecordingView view;
        ScriptedPrompts prompts(view);
        QString password;
        RunContext context{view, prompts, nullptr, m_dest};
        ProcessArchive(mode, QStringLiteral(MARROWICK_TEST_DATA "/") + fixture, password, context);

        const bool said = prompts.errors.size() == 1 &&
                          prompts.errors.front().contains(QStringLiteral("Not enough disk space"));
        QCOMPARE(said, refused);
        if (refused) {
            QVERIFY(SnapshotTree(m_dest).isEmpty());
            QVERIFY(view.panels.value(2) != QLatin1String("Success"));
        } else if (mode == OP_EXTRACT) {
            QCOMPARE(view.panels.value(2), QStringLiteral("Success"));
        } else {
            QVERIFY(prompts.information.join(u' ').contains(
                QStringLiteral("No errors found during test operation")));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dest;
};

QTEST_GUILESS_MAIN(TestResourceLimits)
#include "tst_resource_limits.moc"
