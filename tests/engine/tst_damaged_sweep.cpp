// Every fixture archive, cut short at many points and with single bytes
// changed at many offsets, listed, tested and extracted through
// ProcessArchive with the installed library. Whatever the damage, a run must
// end (a watchdog aborts a hung case by name), write nothing outside its
// destination, leave no temporary file, and never claim success after the
// library reported a failure.
#include "engine/ArchiveView.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"
#include "TreeSnapshot.h"
#include "Watchdog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using namespace marrowick;
using namespace marrowick::test;

namespace {

// Small archives are cut every CutStep bytes; larger ones at about
// LargeSamples points, and changed at as many.
constexpr qsizetype SmallLimit = 4096;
constexpr qsizetype CutStep = 37;
constexpr qsizetype LargeSamples = 120;
// Every byte of the first HeaderSpan bytes is changed: the headers live there.
constexpr qsizetype HeaderSpan = 96;
constexpr qsizetype SmallFlipStep = 6;
// Archives that unpack to more than this are listed only: testing them takes
// minutes per case and adds nothing the small ones do not cover.
constexpr std::uint64_t UnpackLimit = 64ull << 20;
// Generous for a sanitized build on a slow machine; a healthy case takes
// milliseconds.
constexpr std::chrono::seconds CaseBound{30};

// MARROWICK_SWEEP_SAMPLE=N runs every Nth damaged version only: the
// sanitized pass, many times slower per case, samples the same sweep.
// Encrypted archives take every third version only: each case pays the
// library's key derivation, about a tenth of a second.
std::size_t SampleStride(const QString& fileName)
{
    const int stride = qEnvironmentVariableIntValue("MARROWICK_SWEEP_SAMPLE");
    const std::size_t base = stride > 1 ? std::size_t(stride) : 1;
    return fileName.contains(QLatin1String("encrypted")) ? base * 3 : base;
}

class SweepView final : public IArchiveView
{
public:
    void showWindow() override {}
    void processEvents() override {}
    void repaint() override {}
    void setTitle(const QString&) override {}
    void clearRows() override { rows = 0; }
    int rowCount() const override { return rows; }
    void appendRows(std::vector<FileRow>&& batch) override
    {
        for (const FileRow& row : batch)
            unpacked += row.isFolder ? 0 : row.unpSize;
        rows += static_cast<int>(batch.size());
    }
    void setPanelText(int panel, const QString& text) override
    {
        if (panel == 2 && text == QLatin1String("Success"))
            saidSuccess = true;
    }
    void setPanelVisible(int, bool) override {}
    void showIconsForFiles() override {}
    void runStarted() override { ++started; }
    void runFinished() override { ++finished; }
    void entryFinished(const QString&, int result, const QString&) override
    {
        if (result != 0)
            failedEntries = true;
    }

    int rows = 0;
    std::uint64_t unpacked = 0;
    int started = 0;
    int finished = 0;
    bool saidSuccess = false;
    bool failedEntries = false;
};

class SweepPrompts final : public IUserPrompts
{
public:
    explicit SweepPrompts(bool cancelPassword) : m_cancel(cancelPassword) {}

    void showErrorBox(const QString&) override { errors = true; }
    bool askYesNo(const QString&, const QString&) override { return true; }
    void showInformation(const QString& text, const QString&) override
    {
        if (text == QLatin1String("No errors found during test operation"))
            saidNoErrors = true;
    }
    std::optional<QString> askPassword(const QString&, const QString&) override
    {
        if (m_cancel)
            return std::nullopt;
        return QStringLiteral("secret");
    }
    void showComment(const QString&) override {}

    bool errors = false;
    bool saidNoErrors = false;

private:
    bool m_cancel;
};

struct Damage
{
    QString label;
    QByteArray bytes;
};

std::vector<Damage> DamagedVersions(const QByteArray& original)
{
    std::vector<Damage> out;
    const qsizetype size = original.size();
    const qsizetype cutStep = size <= SmallLimit ? CutStep : std::max<qsizetype>(1, size / LargeSamples);
    for (qsizetype at = 0; at < size; at += cutStep)
        out.push_back({QStringLiteral("cut at %1").arg(at), original.left(at)});
    // The last bytes hold the end-of-archive record: cut into it too.
    for (qsizetype back = 1; back <= 8 && back < size; ++back)
        out.push_back({QStringLiteral("cut at %1").arg(size - back), original.left(size - back)});

    const qsizetype flipStep = size <= SmallLimit ? SmallFlipStep : std::max<qsizetype>(1, size / LargeSamples);
    static const unsigned char Masks[] = {0xff, 0x01, 0x80, 0x10};
    std::size_t n = 0;
    for (qsizetype at = 0; at < size; at += at < HeaderSpan ? 1 : flipStep) {
        QByteArray changed = original;
        const unsigned char mask = Masks[n++ % std::size(Masks)];
        changed[at] = static_cast<char>(static_cast<unsigned char>(changed[at]) ^ mask);
        out.push_back({QStringLiteral("byte %1 ^ 0x%2").arg(at).arg(mask, 2, 16, QLatin1Char('0')),
                       changed});
    }
    return out;
}

QStringList Fixtures()
{
    QStringList paths;
    for (const QString& folder : {QStringLiteral(MARROWICK_TEST_DATA),
                                  QStringLiteral(MARROWICK_TEST_DATA "/hostile")}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.rar")}, QDir::Files, QDir::Name))
            paths << dir.filePath(name);
    }
    return paths;
}

QString ModeName(std::int32_t mode)
{
    return mode == OP_LIST ? QStringLiteral("list")
                           : mode == OP_TEST ? QStringLiteral("test") : QStringLiteral("extract");
}

// Snapshot of everything in the case folder except the destination.
QMap<QString, QString> Outside(const QString& root)
{
    QMap<QString, QString> tree = SnapshotTree(root);
    for (auto it = tree.begin(); it != tree.end();)
        it = it.key().startsWith(QLatin1String("/dest")) ? tree.erase(it) : std::next(it);
    return tree;
}

} // namespace

class TestDamagedSweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Fixtures().size() >= 10); }

    void damagedArchives_data()
    {
        QTest::addColumn<QString>("fixture");
        for (const QString& path : Fixtures())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void damagedArchives()
    {
        QFETCH(QString, fixture);
        const QByteArray original = ReadFile(fixture);
        QVERIFY(!original.isEmpty());
        const QString fileName = QFileInfo(fixture).fileName();

        // How much the intact archive says it unpacks to decides whether
        // testing and extracting it fit in the sweep.
        std::vector<std::int32_t> modes{OP_LIST};
        {
            SweepView view;
            SweepPrompts prompts(false);
            QString password;
            RunContext context{view, prompts, nullptr, QString()};
            ProcessArchive(OP_LIST, fixture, password, context);
            if (view.unpacked <= UnpackLimit)
                modes = {OP_LIST, OP_TEST, OP_EXTRACT};
        }

        Watchdog watchdog(CaseBound);
        QStringList faults;
        int cases = 0;
        const std::vector<Damage> versions = DamagedVersions(original);
        QElapsedTimer clock;
        clock.start();
        for (std::size_t v = 0; v < versions.size(); v += SampleStride(fileName)) {
            const Damage& damage = versions[v];
            for (const std::int32_t mode : modes) {
                QTemporaryDir root;
                QVERIFY(root.isValid());
                const QDir dir(root.path());
                QVERIFY(dir.mkpath(QStringLiteral("archive")) && dir.mkpath(QStringLiteral("outside")));
                QVERIFY(WriteFile(dir.filePath(QStringLiteral("outside/keep.txt")), "user data"));
                const QString archive = dir.filePath(QStringLiteral("archive/") + fileName);
                QVERIFY(WriteFile(archive, damage.bytes));
                const QMap<QString, QString> before = Outside(root.path());

                const QString name = fileName + QLatin1Char(' ') + damage.label + QLatin1Char(' ') + ModeName(mode);
                // Every fifth case cancels the password prompt instead of answering it.
                SweepView view;
                SweepPrompts prompts(v % 5 == 4);
                QString password;
                RunContext context{view, prompts, nullptr, dir.filePath(QStringLiteral("dest"))};
                watchdog.begin(name.toUtf8());
                ProcessArchive(mode, archive, password, context);
                watchdog.end();
                ++cases;

                if (view.started != 1 || view.finished != 1)
                    faults << name + QStringLiteral(": run not ended once");
                if (Outside(root.path()) != before)
                    faults << name + QStringLiteral(": changed something outside the destination");
                if (const QStringList left = TemporaryFilesUnder(root.path()); !left.isEmpty())
                    faults << name + QStringLiteral(": left ") + left.join(QLatin1String(", "));
                const bool failed = prompts.errors || view.failedEntries;
                if (failed && (view.saidSuccess || prompts.saidNoErrors))
                    faults << name + QStringLiteral(": failure reported as success");
            }
        }
        qInfo("%s: %d cases in %lld ms", qPrintable(fileName), cases,
              static_cast<long long>(clock.elapsed()));
        if (!faults.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 of %2 cases failed:\n").arg(faults.size()).arg(cases) +
                             faults.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestDamagedSweep)
#include "tst_damaged_sweep.moc"
