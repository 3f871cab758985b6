// Replays every committed fuzz input through the same entry functions the
// fuzzers call, so an input that once found a fault keeps guarding it in the
// normal build. A broken promise aborts inside the target.
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QtTest>

#include <iterator>

namespace {
using Target = int (*)(const std::uint8_t*, std::size_t);
using namespace marrowick::fuzz;
const std::pair<const char*, Target> Targets[] = {
    {"commandline", &CommandLine}, {"filedialog", &FileDialogText}, {"entryname", &EntryName}, {"archive", &ArchiveBytes},
    {"archiveend", &ArchiveEndCheck}, {"frames", &ReaderFrames}};
} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void corpus_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int target = 0; target < int(std::size(Targets)); ++target) {
            const char* folder = Targets[target].first;
            const QDir dir(QStringLiteral(MARROWICK_FUZZ_CORPUS "/") + folder);
            // A missing or empty folder would make the replay pass without replaying.
            QVERIFY2(dir.entryList(QDir::Files | QDir::Hidden).size() >= 3, folder);
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(folder, name))) << target << dir.filePath(name);
        }
    }
    void corpus()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(Targets[target].second(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size())), 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzz_corpus.moc"
