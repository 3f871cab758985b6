// Every fixture archive, cut short at many points and with single bytes
// changed at many offsets, listed, tested and extracted through
// ProcessArchive with the installed library. Whatever the damage, a run must
// end (an alarm aborts a hung case by name), write nothing outside its
// destination, leave no temporary file nor a file whose entry failed, and
// never claim success after the library or `unrar t` found a fault (and a
// test answered with the password passes when `unrar t` does).
#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>

#include <unistd.h>

using namespace marrowick;
using namespace marrowick::test;

namespace {

// Small archives are cut every 37 bytes; larger ones at about 120 points,
// and changed at as many. Every byte of the first 96 is changed (the headers
// live there), then every 6th.
constexpr qsizetype SmallLimit = 4096, CutStep = 37, LargeSamples = 120, HeaderSpan = 96, FlipStep = 6;
// Archives that unpack to more than this are listed only: testing them takes
// minutes per case and adds nothing the small ones do not cover.
constexpr std::uint64_t UnpackLimit = 64ull << 20;
// Generous for a sanitized build on a slow machine; a healthy case takes
// milliseconds.
constexpr unsigned CaseBoundSeconds = 30;

char g_case[512];
void Hung(int)
{
    static const char text[] = "HANG: this case ran longer than its bound: ";
    (void)!::write(STDERR_FILENO, text, sizeof text - 1);
    (void)!::write(STDERR_FILENO, g_case, std::strlen(g_case));
    std::abort();
}

struct Damage
{
    QString label;
    QByteArray bytes;
};

std::vector<Damage> DamagedVersions(const QByteArray& original)
{
    std::vector<Damage> out;
    const qsizetype size = original.size();
    const qsizetype step = size <= SmallLimit ? CutStep : std::max<qsizetype>(1, size / LargeSamples);
    for (qsizetype at = 0; at < size; at += step)
        out.push_back({QStringLiteral("cut at %1").arg(at), original.left(at)});
    // The last bytes hold the end-of-archive record: cut into it too.
    for (qsizetype back = 1; back <= 8 && back < size; ++back)
        out.push_back({QStringLiteral("cut at %1").arg(size - back), original.left(size - back)});
    const qsizetype flipStep = size <= SmallLimit ? FlipStep : step;
    static const unsigned char Masks[] = {0xff, 0x01, 0x80, 0x10};
    std::size_t n = 0;
    for (qsizetype at = 0; at < size; at += at < HeaderSpan ? 1 : flipStep) {
        QByteArray changed = original;
        const unsigned char mask = Masks[n++ % std::size(Masks)];
        changed[at] = char(changed[at] ^ mask);
        out.push_back({QStringLiteral("byte %1 ^ 0x%2").arg(at).arg(mask, 2, 16, QLatin1Char('0')), changed});
    }
    return out;
}

} // namespace

class TestDamagedSweep : public QObject
{
    Q_OBJECT

private slots:
    void damagedArchives_data()
    {
        QTest::addColumn<QString>("fixture");
        for (const QString& folder : {Fixture(""), Fixture("hostile")})
            for (const QString& name : QDir(folder).entryList({"*.rar"}, QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(name)) << QDir(folder).filePath(name);
    }

    void damagedArchives()
    {
        QFETCH(QString, fixture);
        const QString fileName = QFileInfo(fixture).fileName();
        std::vector<std::int32_t> modes{OP_LIST};
        {
            EngineRun intact;
            intact.process(OP_LIST, fixture);
            std::uint64_t unpacked = 0;
            for (const FileRow& row : intact.view.rows)
                unpacked += row.unpSize;
            if (unpacked <= UnpackLimit)
                modes = {OP_LIST, OP_TEST, OP_EXTRACT};
        }
        // Every 4th damaged version (MARROWICK_SWEEP_SAMPLE=N: every Nth; the
        // sanitized pass takes fewer): each run starts a reader process, about
        // 10 ms of the machine's time. Encrypted archives take a third of
        // those again: each case pays the library's key derivation.
        const int sample = qEnvironmentVariableIntValue("MARROWICK_SWEEP_SAMPLE");
        const std::size_t stride = std::size_t(sample > 0 ? sample : 4) *
                                   (fileName.contains("encrypted") ? 3 : 1);
        std::signal(SIGALRM, &Hung);
        QStringList faults;
        int cases = 0;
        const std::vector<Damage> versions = DamagedVersions(ReadFile(fixture));
        QElapsedTimer clock;
        clock.start();
        for (std::size_t v = 0; v < versions.size(); v += stride) {
            std::optional<int> verdict; // of the library's own program, on the same bytes
            for (const std::int32_t mode : modes) {
                QTemporaryDir root;
                const QDir dir(root.path());
                QVERIFY(dir.mkpath("archive") && dir.mkpath("outside") && WriteFile(dir.filePath("outside/keep.txt"), "user data"));
                const QString archive = dir.filePath("archive/" + fileName);
                QVERIFY(WriteFile(archive, versions[v].bytes));
                if (mode != OP_LIST && !verdict)
                    verdict = LibraryVerdict(archive);
                // Everything in the case folder but the destination.
                const auto outside = [&] {
                    auto tree = SnapshotTree(root.path());
                    tree.removeIf([](QMap<QString, QString>::iterator it) { return it.key().startsWith("/dest"); });
                    return tree;
                };
                const auto before = outside();
                const QString name = QStringLiteral("%1 %2 mode %3").arg(fileName, versions[v].label).arg(mode);
                std::strncpy(g_case, qPrintable(name + '\n'), sizeof g_case - 1);

                // Every fifth case cancels the password prompt instead of answering it.
                EngineRun run;
                run.prompts.password = v % 5 == 4 ? std::nullopt : std::optional<QString>("secret");
                ::alarm(CaseBoundSeconds);
                run.process(mode, archive, dir.filePath("dest"), OverwritePolicy::Always);
                ::alarm(0);
                ++cases;

                if (outside() != before)
                    faults << name + ": changed something outside the destination";
                if (const QStringList left = TemporaryFilesUnder(root.path()); !left.isEmpty())
                    faults << name + ": left " + left.join(", ");
                const bool failed = !run.prompts.errors.isEmpty() || !run.view.outcomes.filter(QRegularExpression("=[^0]")).isEmpty();
                if (failed && run.passed())
                    faults << name + ": failure reported as success";
                if (mode != OP_LIST && run.passed() && *verdict != 0)
                    faults << name + QStringLiteral(": success, but unrar t ends with %1").arg(*verdict);
                if (mode == OP_TEST && run.prompts.password && !run.passed() && *verdict == 0)
                    faults << name + ": failure, but unrar t passes";
                // A file whose entry failed is not left looking like a good one.
                for (const QString& outcome : run.view.outcomes) {
                    const QString entry = outcome.section('=', 0, -2);
                    const QFileInfo left(dir.filePath("dest/" + entry));
                    if (mode == OP_EXTRACT && !outcome.endsWith("=0") && !run.view.outcomes.contains(entry + "=0") &&
                        (left.isFile() || left.isSymLink()))
                        faults << name + ": kept " + entry + ", which failed";
                }
            }
        }
        qInfo("%s: %d cases in %lld ms", qPrintable(fileName), cases, static_cast<long long>(clock.elapsed()));
        if (!faults.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 of %2 cases failed:\n").arg(faults.size()).arg(cases) +
                             faults.mid(0, 20).join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestDamagedSweep)
#include "tst_damaged_sweep.moc"
