// Replays every committed fuzz input through the same entry functions the
// fuzzers call, so an input that once found a fault keeps guarding it in the
// normal build.
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

using Target = int (*)(const std::uint8_t*, std::size_t);

struct Named
{
    const char* folder;
    Target target;
};

constexpr Named Targets[] = {
    {"commandline", &marrowick::fuzz::CommandLine},
    {"filedialog", &marrowick::fuzz::FileDialogText},
    {"entryname", &marrowick::fuzz::EntryName},
    {"archive", &marrowick::fuzz::ArchiveBytes},
    {"archiveend", &marrowick::fuzz::ArchiveEndCheck},
};

} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void corpus_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int t = 0; t < int(std::size(Targets)); ++t) {
            const QDir dir(QStringLiteral(MARROWICK_FUZZ_CORPUS "/") + QLatin1String(Targets[t].folder));
            const QStringList inputs = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
            // An empty folder would make the replay pass without replaying.
            QTest::newRow(qPrintable(QStringLiteral("%1 has inputs").arg(Targets[t].folder)))
                << t << QString();
            for (const QString& name : inputs)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(Targets[t].folder, name)))
                    << t << dir.filePath(name);
        }
    }

    void corpus()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        if (path.isEmpty()) {
            const QDir dir(QStringLiteral(MARROWICK_FUZZ_CORPUS "/") + QLatin1String(Targets[target].folder));
            QVERIFY(!dir.entryList(QDir::Files | QDir::Hidden).isEmpty());
            return;
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        // A broken promise aborts inside the target and fails the test there.
        QCOMPARE(Targets[target].target(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                        static_cast<std::size_t>(input.size())),
                 0);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzz_corpus.moc"
