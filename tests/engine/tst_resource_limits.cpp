// Extraction cannot fill the disk unseen: the archive's stated size is
// checked against the destination's free space before a run, and an entry
// whose header gives no size stops while a reserve is still free.
#include "engine/FreeSpace.h"
#include "engine/SafeWriter.h"
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {
constexpr std::uint64_t MiB = 1ull << 20;
using Free = std::optional<std::uint64_t>;
} // namespace

class TestResourceLimits : public QObject
{
    Q_OBJECT

private slots:
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
        QTemporaryDir dir;
        const QString dest = dir.filePath("dest/not/made/yet");
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
        QTemporaryDir dir;
        const QByteArray chunk(MiB, 'z');
        SafeWriter writer(dir.path());
        EntryHeader entry;
        entry.name = "big.bin";
        entry.unpSize = EntryHeader::UnknownSize;
        QVERIFY(writer.beginEntry(entry));
        bool accepted = true;
        for (int i = 0; i < 40 && accepted; ++i)
            accepted = writer.write(chunk.constData(), std::size_t(chunk.size()));
        QCOMPARE(accepted, written);
        QCOMPARE(writer.finishEntry(0), written);
        QCOMPARE(QFileInfo::exists(dir.filePath("big.bin")), written);
        QCOMPARE(TemporaryFilesUnder(dir.path()), QStringList());
        // Looked at once per 16 MiB, not for every chunk.
        QVERIFY2(looks <= 3, qPrintable(QString::number(looks)));
    }

    // Through a whole run the check comes before anything is written.
    void runAgainstFreeSpace()
    {
        ScopedFreeSpaceProvider fake([](const QString&) { return Free(1024 * MiB); });
        QTemporaryDir dir;
        EngineRun run;
        run.process(OP_EXTRACT, Fixture("zeros5g.rar"), dir.filePath("dest"));
        QVERIFY2(run.prompts.errors.join("").startsWith("Not enough disk space"), qPrintable(run.prompts.errors.join("")));
        QCOMPARE(SnapshotTree(dir.filePath("dest")), (QMap<QString, QString>()));
        QVERIFY(!run.passed());
    }
};

QTEST_GUILESS_MAIN(TestResourceLimits)
#include "tst_resource_limits.moc"
