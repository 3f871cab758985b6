// One entry's data in memory through the installed library and the archives
// of tests/data (password "secret"), against what `unrar p` prints for it.
#include "engine/EntryPreview.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using Status = EntryDataResult::Status;

namespace {

QString Fixture(const QString& name)
{
    return QStringLiteral(MARROWICK_TEST_DATA "/") + name;
}

QByteArray UnrarPrints(const QString& archive, const QString& entry, const QString& password)
{
    QProcess unrar;
    unrar.start("unrar", {"p", "-inul", password.isEmpty() ? "-p-" : "-p" + password,
                          Fixture(archive), entry});
    unrar.waitForFinished(60000);
    return unrar.readAllStandardOutput();
}

} // namespace

class TestEntryData : public QObject
{
    Q_OBJECT

    // The temporary folder and the working folder of every read: nothing
    // may appear in either.
    QTemporaryDir m_scratch;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_scratch.path()).mkdir("tmp") && QDir(m_scratch.path()).mkdir("cwd"));
        qputenv("TMPDIR", (m_scratch.path() + "/tmp").toLocal8Bit());
        QVERIFY(QDir::setCurrent(m_scratch.path() + "/cwd"));
    }

    void read_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("password");
        QTest::addColumn<qsizetype>("limit");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message"); // a part of it
        // clang-format off
        QTest::newRow("small entry") << "basic.rar" << "docs/a1200.txt" << "" << qsizetype(4096) << int(Status::Complete) << "";
        QTest::newRow("exactly the limit") << "basic.rar" << "docs/a1200.txt" << "" << qsizetype(1200) << int(Status::Complete) << "";
        QTest::newRow("past the limit") << "basic.rar" << "docs/a1200.txt" << "" << qsizetype(1199) << int(Status::Stopped) << "";
        QTest::newRow("empty entry") << "basic.rar" << "docs/empty.txt" << "" << qsizetype(10) << int(Status::Complete) << "";
        QTest::newRow("solid, after a 16 MB entry") << "solid-skip.rar" << "second.txt" << "" << qsizetype(100) << int(Status::Complete) << "";
        QTest::newRow("spans volumes, from the second") << "multivolume.part2.rar" << "random.bin" << "" << qsizetype(1 << 20) << int(Status::Complete) << "";
        QTest::newRow("encrypted") << "encrypted-files.rar" << "docs/sub/deep.txt" << "secret" << qsizetype(100) << int(Status::Complete) << "";
        QTest::newRow("encrypted headers") << "encrypted-headers.rar" << "readme.txt" << "secret" << qsizetype(100) << int(Status::Complete) << "";
        QTest::newRow("wrong password") << "encrypted-files.rar" << "readme.txt" << "wrong" << qsizetype(100) << int(Status::WrongPassword) << "Wrong password";
        QTest::newRow("wrong password, headers") << "encrypted-headers.rar" << "readme.txt" << "wrong" << qsizetype(100) << int(Status::WrongPassword) << "wrong password";
        QTest::newRow("no password") << "encrypted-files.rar" << "readme.txt" << "" << qsizetype(100) << int(Status::NeedPassword) << "";
        QTest::newRow("no password, headers") << "encrypted-headers.rar" << "readme.txt" << "" << qsizetype(100) << int(Status::NeedPassword) << "";
        QTest::newRow("no such entry") << "basic.rar" << "docs/missing.txt" << "" << qsizetype(100) << int(Status::NotFound) << "";
        QTest::newRow("a folder") << "basic.rar" << "docs" << "" << qsizetype(100) << int(Status::NotFound) << "";
        QTest::newRow("a folder, solid") << "solid.rar" << "docs/sub" << "" << qsizetype(100) << int(Status::NotFound) << "";
        QTest::newRow("damaged data") << "flipped-data.rar" << "readme.txt" << "" << qsizetype(100) << int(Status::Failed) << "CRC failed in readme.txt";
        // clang-format on
    }
    void read()
    {
        QFETCH(QString, archive);
        QFETCH(QString, entry);
        QFETCH(QString, password);
        QFETCH(qsizetype, limit);
        QFETCH(int, status);
        QFETCH(QString, message);
        const std::atomic<bool> cancel{false};
        std::uint64_t done = 0, total = 0;
        QByteArray data;
        const EntryDataResult result = ReadEntryIntoMemory(
            {Fixture(archive), entry, password}, limit, data, cancel,
            [&](std::uint64_t d, std::uint64_t t) { done = d, total = t; });
        QCOMPARE(int(result.status), status);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(result.delivered, std::uint64_t(data.size()));
        if (result.status == Status::Complete || result.status == Status::Stopped) {
            const QByteArray whole = UnrarPrints(archive.replace("part2", "part1"), entry, password);
            QCOMPARE(data, whole.left(limit));
            QCOMPARE(result.entrySize, std::uint64_t(whole.size()));
        }
        // The progress counts what a solid archive decodes before the entry.
        if (result.status == Status::Complete && data.size() > 0) {
            QCOMPARE(done, total);
            QCOMPARE(total, std::uint64_t(archive == "solid-skip.rar" ? 16000007 : data.size()));
        }
    }

    // Set mid-entry (from the progress of the first bytes): the rest of a
    // 5 GiB entry is not decoded.
    void cancelMidEntry()
    {
        std::atomic<bool> cancel{false};
        QByteArray data;
        const EntryDataResult result =
            ReadEntryIntoMemory({Fixture("zeros5g.rar"), "zeros5g.bin", QString()}, qsizetype(64) << 20, data,
                                cancel, [&](std::uint64_t done, std::uint64_t) { cancel = done > 0; });
        QCOMPARE(int(result.status), int(Status::Cancelled));
        QVERIFY(data.size() < (qsizetype(64) << 20));
    }

    void nothingWritten()
    {
        for (const char* folder : {"tmp", "cwd"})
            QVERIFY2(QDir(m_scratch.filePath(folder)).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), folder);
    }
};

QTEST_GUILESS_MAIN(TestEntryData)
#include "tst_entry_data.moc"
