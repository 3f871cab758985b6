#include "mainwindow/FormLayout.h"

#include <QtTest>

using namespace marrowick;

namespace {

FormLayoutInput StoredWindow(float clientWidth, float clientHeight = 3885)
{
    FormLayoutInput in;
    in.clientWidth = clientWidth;
    in.clientHeight = clientHeight;
    in.toolbarTop = 0;
    in.toolbarHeight = 1020;
    in.statusHeight = 360;
    in.current = {1380, 1260, 1245, 735};
    return in;
}

} // namespace

class TestFormLayout : public QObject
{
    Q_OBJECT

private slots:
    void columns_data()
    {
        QTest::addColumn<float>("clientWidth");
        QTest::addColumn<float>("listWidth");
        QTest::addColumn<float>("w");
        QTest::newRow("stored window") << 9780.f << 9720.f << 972.f;
        QTest::newRow("970.5 rounds down to even") << 9765.f << 9705.f << 970.f;
        QTest::newRow("971.5 rounds up to even") << 9775.f << 9715.f << 972.f;
        QTest::newRow("exactly 60 wide") << 60.f << 0.f << 0.f;
    }
    void columns()
    {
        QFETCH(float, clientWidth);
        QFETCH(float, listWidth);
        QFETCH(float, w);
        const FormLayoutResult out = ComputeFormLayout(StoredWindow(clientWidth));
        QCOMPARE(out.list.width, listWidth);
        QVERIFY(out.columnsSet);
        QCOMPARE(out.columnWidths[0], 4 * w);
        QCOMPARE(out.columnWidths[1], w);
        QCOMPARE(out.columnWidths[2], w);
        QCOMPARE(out.columnWidths[3], w);
        QCOMPARE(out.statusWidth, clientWidth);
    }

    void listFillsSpaceBetweenBars()
    {
        const FormLayoutResult out = ComputeFormLayout(StoredWindow(9780, 3885));
        QCOMPARE(out.list.left, 30.f);
        QCOMPARE(out.list.top, 1020.f);
        QCOMPARE(out.list.height, 3885.f - (1020 + 360 + 30));
    }

    void refusedStepsKeepCurrentValues()
    {
        // Shorter than toolbar and status bar together: the height step is
        // skipped, the others still run.
        FormLayoutResult out = ComputeFormLayout(StoredWindow(9780, 1000));
        QCOMPARE(out.list.height, 735.f);
        QCOMPARE(out.list.width, 9720.f);
        QCOMPARE(out.list.top, 1020.f);

        // Narrower than the margins (a minimized window): the width stays and
        // the columns are computed from the width as it stands.
        out = ComputeFormLayout(StoredWindow(40, 3885));
        QCOMPARE(out.list.width, 1245.f);
        QCOMPARE(out.columnWidths[1], 124.f); // 124.5 to the even neighbour
        QCOMPARE(out.statusWidth, 40.f);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("expected");
        QTest::newRow("0.5") << 0.5f << 0.f;
        QTest::newRow("1.5") << 1.5f << 2.f;
        QTest::newRow("2.5") << 2.5f << 2.f;
        QTest::newRow("-0.5") << -0.5f << -0.f;
        QTest::newRow("-1.5") << -1.5f << -2.f;
    }
    void roundHalfEven()
    {
        QFETCH(float, value);
        QFETCH(float, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }
};

QTEST_GUILESS_MAIN(TestFormLayout)
#include "tst_formlayout.moc"
