// The resize arithmetic in twips: the rows that pin the rule.
#include "mainwindow/FormLayout.h"

#include <QtTest>

using namespace marrowick;

namespace {

FormLayoutResult Layout(float clientWidth, float clientHeight = 3885)
{
    FormLayoutInput in;
    in.clientWidth = clientWidth;
    in.clientHeight = clientHeight;
    in.toolbarTop = 0;
    in.toolbarHeight = 1020;
    in.statusHeight = 360;
    in.current = {1380, 1260, 1245, 735};
    return ComputeFormLayout(in);
}

} // namespace

class TestFormLayout : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        // The list fills the space between the bars, less 30 twips a side.
        FormLayoutResult out = Layout(9780);
        QCOMPARE(out.list.left, 30.f);
        QCOMPARE(out.list.top, 1020.f);
        QCOMPARE(out.list.width, 9720.f);
        QCOMPARE(out.list.height, 3885.f - (1020 + 360 + 30));
        // A tenth of the width per size column, rounded half to even.
        QCOMPARE(out.columnWidths[1], 972.f);
        QCOMPARE(out.columnWidths[0], 4 * 972.f);
        QCOMPARE(Layout(9765).columnWidths[1], 970.f);
        // Shorter than the bars together: the height stays, the rest follows.
        out = Layout(9780, 1000);
        QCOMPARE(out.list.height, 735.f);
        QCOMPARE(out.list.width, 9720.f);
        // Narrower than the margins (minimized): the width stays, and the
        // columns follow the width as it stands.
        out = Layout(40);
        QCOMPARE(out.list.width, 1245.f);
        QCOMPARE(out.columnWidths[1], 124.f);
    }
};

QTEST_GUILESS_MAIN(TestFormLayout)
#include "tst_formlayout.moc"
