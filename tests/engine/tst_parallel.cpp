// A run shared among several readers against the same run with one reader,
// through ProcessArchive and the installed library: the same files, entry
// results, refusals, messages and questions, in the same order.
#include "engine/modRAR.h"

#include "RecordingView.h"
#include "TreeSnapshot.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace marrowick;
using namespace marrowick::test;

namespace {

// Everything a run leaves, in one list.
QStringList RunWith(int readers, const QString& archive, std::int32_t mode, const QString& typed,
                    int stopAfter)
{
    QTemporaryDir dest;
    RecordingView view;
    view.cancelAfterEntries = stopAfter;
    ScriptedPrompts answers(view);
    if (!typed.isEmpty())
        answers.password = typed;
    QString password;
    RunContext context{view, answers, nullptr, dest.path() + QLatin1Char('/'), OverwritePolicy::Ask};
    context.readers = readers;
    ProcessArchive(mode, Fixture(archive), password, context);
    return QStringList{QStringLiteral("files:")} + Contents(dest.path()) +
           QStringList{QStringLiteral("outcomes:")} + view.outcomes + view.messages +
           QStringList{QStringLiteral("refused:")} + view.refused +
           QStringList{QStringLiteral("boxes:")} + answers.errors + answers.information +
           answers.questions + answers.passwordPrompts +
           QStringList{view.panels.value(2), context.passed ? QStringLiteral("passed") : QString()};
}

} // namespace

class TestParallel final : public QObject
{
    Q_OBJECT

private slots:
    void sameAsOneReader_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed"); // answer to a password prompt
        QTest::addColumn<int>("stopAfter"); // entries done before the user cancels; -1: never
        // clang-format off
        QTest::newRow("extraction") << "basic.rar" << int(OP_EXTRACT) << "" << -1;
        QTest::newRow("test") << "basic.rar" << int(OP_TEST) << "" << -1;
        QTest::newRow("refusals") << "links-out.rar" << int(OP_EXTRACT) << "" << -1;
        QTest::newRow("password") << "encrypted-files.rar" << int(OP_EXTRACT) << "secret" << -1;
        QTest::newRow("wrong password") << "encrypted-files.rar" << int(OP_EXTRACT) << "nope" << -1;
        QTest::newRow("wrong password, test") << "encrypted-files.rar" << int(OP_TEST) << "nope" << -1;
        QTest::newRow("cancelled") << "basic.rar" << int(OP_EXTRACT) << "" << 3;
        QTest::newRow("cancelled test") << "encrypted-files.rar" << int(OP_TEST) << "secret" << 2;
        // clang-format on
    }
    void sameAsOneReader()
    {
        QFETCH(QString, archive);
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(int, stopAfter);
        const QStringList one = RunWith(1, archive, mode, typed, stopAfter);
        QCOMPARE(RunWith(3, archive, mode, typed, stopAfter), one);
        QCOMPARE(RunWith(2, archive, mode, typed, stopAfter), one);
    }
};

QTEST_GUILESS_MAIN(TestParallel)
#include "tst_parallel.moc"
