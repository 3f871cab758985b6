// Every cut copy of each archive must be Cut exactly where `unrar t` rejects
// it. The lengths `unrar t` accepts (block boundaries, with or without the
// end-of-archive record) were recorded by running it on every cut copy.
#include "engine/ArchiveEnd.h"

#include "Rar4Archive.h"

#include <QFile>
#include <QtTest>

#include <algorithm>

using marrowick::ArchiveEnd;
using marrowick::CheckArchiveEnd;
using marrowick::test::Rar4;

namespace {

} // namespace

class TestArchiveEnd : public QObject
{
    Q_OBJECT

  private slots:
    void cutCopies_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QList<int>>("accepted");
        // Encrypted headers: past each of these offsets the walk sees whole
        // AES blocks only, so a copy that ends on one may go either way.
        QTest::addColumn<QList<int>>("aesFrom");

        const struct
        {
            const char* name;
            QList<int> accepted;
            QList<int> aesFrom = {};
        } fixtures[] = {
            {"basic.rar", {24, 67, 121, 162, 211, 240, 265, 298, 306}},
            {"solid.rar", {24, 84, 130, 179, 220, 249, 274, 282}},
            {"commented.rar", {23, 80, 123, 131}},
            {"bigcomment.rar", {23, 20049, 20092, 20100}},
            {"encrypted-files.rar", {24, 143, 250, 357, 467, 496, 521, 554, 562}},
            {"encrypted-headers.rar", {78, 222, 350, 478, 606, 654, 702, 766, 798}, {46}},
            // The recovery record, in the clear, ends at 604.
            {"ends/encrypted-headers-recovery.rar", {94, 238, 604, 636}, {46, 604}},
            // Extra records in file and service headers (owner, link, times),
            // a comment, a recovery record and a quick-open record.
            {"ends/records.rar", {539, 1182, 1190}},
            // A volume where another follows is cut; so is any copy that ends
            // before the quick-open record.
            {"multivolume.part1.rar", {}},
            {"multivolume.part3.rar", {54713, 54721}},
            {"zeros5g.rar", {216154, 216162}},
        };
        for (const auto& fixture : fixtures) {
            QFile file(QStringLiteral(MARROWICK_TEST_DATA "/") + QLatin1String(fixture.name));
            QVERIFY2(file.open(QIODevice::ReadOnly), fixture.name);
            QCOMPARE(CheckArchiveEnd(file.handle()) == ArchiveEnd::Whole,
                     fixture.accepted.contains(int(file.size())));
            QTest::newRow(fixture.name) << file.readAll() << fixture.accepted << fixture.aesFrom;
        }

        Rar4 stored;
        stored.block(0x73, 0, QByteArray(6, 0))
            .entry("CMT", "a comment\n", 0, 0x7A)
            .entry("hello.txt", "hello\n")
            .entry("dir/a.txt", QByteArray(300, 'a'), 0x100)
            .entry("empty.txt", {})
            .block(0x7B, 0x4000, {});
        QTest::newRow("rar4") << stored.bytes << stored.ends << QList<int>();
        // Cut once its last entry or its end record says another volume follows.
        Rar4 volume;
        volume.block(0x73, 0x111, QByteArray(6, 0))
            .entry("hello.txt", "hello\n")
            .entry("big.bin", QByteArray(1000, 'b'), 0x02)
            .block(0x7B, 0x4001, {});
        QTest::newRow("rar4 first volume") << volume.bytes << volume.ends.mid(0, 2) << QList<int>();
    }

    // RAR 4 entries of 4 GiB and more: the data that follows a header is
    // its packed size with the packed size's high half, whatever the
    // unpacked one says.
    void rar4HighHalves_data()
    {
        QTest::addColumn<quint32>("highPacked");
        QTest::addColumn<quint32>("highUnpacked");
        QTest::addColumn<bool>("cut");
        QTest::newRow("unpacked above 4 GiB") << 0u << 1u << false;
        QTest::newRow("packed above 4 GiB") << 1u << 0u << true;
        QTest::newRow("both above 4 GiB") << 2u << 2u << true;
    }
    void rar4HighHalves()
    {
        QFETCH(quint32, highPacked);
        QFETCH(quint32, highUnpacked);
        QFETCH(bool, cut);
        Rar4 archive;
        archive.block(0x73, 0, QByteArray(6, 0))
            .entry("big.bin", QByteArray(300, 'b'), 0x100, 0x74, 0x81A40020, highPacked, highUnpacked)
            .block(0x7B, 0x4000, {});
        QCOMPARE(CheckArchiveEnd(reinterpret_cast<const unsigned char*>(archive.bytes.constData()),
                                 std::size_t(archive.bytes.size())),
                 cut ? ArchiveEnd::Cut : ArchiveEnd::Whole);
    }

    void cutCopies()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QList<int>, accepted);
        QFETCH(QList<int>, aesFrom);
        const auto* bytes = reinterpret_cast<const unsigned char*>(archive.constData());
        for (int n = 0; n <= archive.size(); ++n) {
            const bool whole = accepted.contains(n);
            if (!whole && std::any_of(aesFrom.begin(), aesFrom.end(),
                                      [n](int from) { return n > from && (n - from) % 16 == 0; }))
                continue;
            QVERIFY2(CheckArchiveEnd(bytes, std::size_t(n)) ==
                         (whole ? ArchiveEnd::Whole : ArchiveEnd::Cut),
                     qPrintable(QStringLiteral("cut to %1 bytes").arg(n)));
        }
    }
};

QTEST_GUILESS_MAIN(TestArchiveEnd)
#include "tst_archive_end.moc"
