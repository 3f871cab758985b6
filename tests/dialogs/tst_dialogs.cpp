// The file dialog's filters and cancel, with the chooser's answers scripted.
#include "dialogs/cFileDialog.h"
#include "engine/ComponentError.h"

#include <QtTest>

using namespace marrowick;

namespace {

// Answers every dialog from a script and keeps what it was asked.
struct Script
{
    std::vector<FileChooserRequest> requests;
    FileChooserOutcome answer;
    cFileDialog dialog{[this](const FileChooserRequest& request) { return requests.push_back(request), answer; }};
};

// The number of the ComponentError that f raises, or 0.
template <typename F> int ErrorOf(F&& f)
{
    try {
        f();
    } catch (const ComponentError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    // A cancel keeps the earlier choice, and raises only when asked to.
    void cancel()
    {
        Script s;
        s.answer.paths = QStringList{"/data/a.rar"};
        s.dialog.ShowOpen();
        s.answer.paths.clear();
        s.dialog.ShowOpen();
        QCOMPARE(s.dialog.FileName(), QStringLiteral("/data/a.rar"));
        QCOMPARE(s.requests.back().initialFile, QStringLiteral("/data/a.rar"));
        s.dialog.setCancelError(true);
        QCOMPARE(ErrorOf([&] { s.dialog.ShowSave(); }), 32755);
        QCOMPARE(s.dialog.FileName(), QStringLiteral("/data/a.rar"));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("two pairs") << "RAR (*.rar)|*.rar|All files|*" << QStringList{"RAR (*.rar)", "All files (*)"};
        QTest::newRow("several patterns") << "Volumes|*.rar;*.r00" << QStringList{"Volumes (*.rar *.r00)"};
        // A colon splits like a bar; a pattern left without a partner is dropped.
        QTest::newRow("colon splits") << "Archives: RAR|*.rar" << QStringList{"Archives (RAR)"};
        QTest::newRow("no description ends the list") << "|*.rar" << QStringList{};
    }
    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, nameFilters);
        Script s;
        s.dialog.setFilter(filter);
        s.dialog.ShowOpen();
        QCOMPARE(s.requests.front().nameFilters, nameFilters);
    }


};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
