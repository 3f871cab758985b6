// An archive's properties from a listing through the installed library:
// open flags, signature, volumes beside it, totals; and an entry's checksum.
#include "engine/ArchiveProperties.h"
#include "engine/EntryProperties.h"
#include "engine/modRAR.h"
#include "RecordingView.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

// What a properties record says, in a few words.
QString Summary(const ArchiveProperties& p)
{
    QStringList words{QStringLiteral("RAR %1").arg(p.format)};
    const std::pair<bool, const char*> flags[] = {
        {p.solid, "solid"},       {p.recoveryRecord, "recovery"},  {p.locked, "locked"},
        {p.encryptedHeaders, "headers"}, {p.encryptedEntries, "encrypted"},
        {p.hasComment && !p.comment.isEmpty(), "comment"}};
    for (const auto& [set, word] : flags)
        if (set)
            words << QLatin1String(word);
    if (p.volume)
        words << QStringLiteral("volume %1 of %2 %3, first %4")
                     .arg(p.volumeNumber)
                     .arg(p.volumesFound)
                     .arg(p.setComplete ? "complete" : "incomplete", p.firstVolume);
    words << QStringLiteral("%1 entries, %2 files, %3 bytes")
                 .arg(p.totals.entries)
                 .arg(p.totals.files)
                 .arg(p.totals.size);
    return words.join(QStringLiteral(", "));
}

} // namespace

class TestProperties : public QObject
{
    Q_OBJECT

private slots:
    void archives_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("leftOut"); // a volume of the set not copied beside it
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("firstChecksum"); // the CRC column of the first row
        // clang-format off
        QTest::newRow("plain") << "basic.rar" << "" << "RAR 5, 7 entries, 4 files, 1211 bytes" << "363A3020";
        QTest::newRow("solid") << "solid.rar" << "" << "RAR 5, solid, 6 entries, 4 files, 1211 bytes" << "";
        QTest::newRow("BLAKE2, recovery record, locked") << "properties.rar" << ""
            << "RAR 5, recovery, locked, 3 entries, 2 files, 3006 bytes" << QString("68505689") + QChar(0x2026);
        QTest::newRow("encrypted headers") << "encrypted-headers.rar" << ""
            << "RAR 5, headers, encrypted, 7 entries, 4 files, 1211 bytes" << "";
        QTest::newRow("encrypted entries") << "encrypted-files.rar" << ""
            << "RAR 5, encrypted, 7 entries, 4 files, 1211 bytes" << "";
        QTest::newRow("comment") << "commented.rar" << "" << "RAR 5, comment, 1 entries, 1 files, 6 bytes" << "";
        QTest::newRow("first volume") << "multivolume.part1.rar" << ""
            << "RAR 5, volume 1 of 3 complete, first multivolume.part1.rar, 2 entries, 2 files, 300006 bytes" << "";
        QTest::newRow("middle volume") << "multivolume.part2.rar" << ""
            << "RAR 5, volume 2 of 3 complete, first multivolume.part1.rar, 2 entries, 2 files, 300006 bytes" << "";
        QTest::newRow("last volume missing") << "multivolume.part2.rar" << "multivolume.part3.rar"
            << "RAR 5, volume 2 of 2 incomplete, first multivolume.part1.rar, 1 entries, 1 files, 300000 bytes" << "";
        QTest::newRow("encrypted headers, middle volume") << "encrypted-volumes.part2.rar" << ""
            << "RAR 5, headers, encrypted, volume 2 of 3 complete, first encrypted-volumes.part1.rar, 2 entries, 2 files, 300006 bytes" << "";
        QTest::newRow("encrypted headers, last volume missing") << "encrypted-volumes.part2.rar" << "encrypted-volumes.part3.rar"
            << "RAR 5, headers, encrypted, volume 2 of 2 incomplete, first encrypted-volumes.part1.rar, 1 entries, 1 files, 300000 bytes" << "";
        QTest::newRow("RAR 4, old numbering") << "volumes/old4.r00" << ""
            << "RAR 4, volume 2 of 3 complete, first old4.rar, 3 entries, 3 files, 20 bytes" << "";
        // clang-format on
    }
    void archives()
    {
        QFETCH(QString, archive);
        QFETCH(QString, leftOut);
        QFETCH(QString, summary);
        QFETCH(QString, firstChecksum);
        QString path = Fixture(archive);
        QTemporaryDir copies;
        if (!leftOut.isEmpty()) {
            const QString set = archive.left(archive.indexOf(QLatin1String(".part")));
            for (const QString& name : QDir(Fixture(QString())).entryList({set + QLatin1String(".part*.rar")}))
                if (name != leftOut)
                    QVERIFY(QFile::copy(Fixture(name), copies.filePath(name)));
            path = copies.filePath(archive);
        }
        RecordingView view;
        ScriptedPrompts prompts(view);
        prompts.password = QStringLiteral("secret");
        QString password;
        RunContext context{view, prompts, nullptr, QString()};
        const RunOutcome outcome = ProcessArchive(OP_LIST, path, password, context);
        QVERIFY(outcome.opened);
        ListingTotals totals;
        for (const FileRow& row : view.rows)
            totals.add(row);
        const ArchiveProperties properties =
            ReadArchiveProperties(path, outcome.openFlags, outcome.comment, totals);
        QCOMPARE(Summary(properties), summary);
        if (!firstChecksum.isEmpty())
            QCOMPARE(ChecksumCell(view.rows.front()), firstChecksum);
    }
};

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
