#include "dialogs/Twips.h"
#include "dialogs/frmAbout.h"
#include "marrowick_version.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <climits>
#include <cmath>

using namespace marrowick;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void versionLine_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("patch");
        QTest::addColumn<QString>("expected");
        QTest::newRow("this release") << 1 << 0 << 1 << "Version 1.0.1";
        QTest::newRow("two digits, no padding") << 2 << 10 << 0 << "Version 2.10.0";
    }
    void versionLine()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, patch);
        QFETCH(QString, expected);
        QCOMPARE(VersionLine(major, minor, patch), expected);
    }

    void centreOffset_data()
    {
        QTest::addColumn<double>("difference");
        QTest::addColumn<int>("offset");
        QTest::newRow("odd difference drops the half") << 15.0 << 7;
        QTest::newRow("negative drops toward zero") << -15.0 << -7;
        QTest::newRow("half rounds down to even") << 14.5 << 7;
        QTest::newRow("half rounds up to even") << 15.5 << 8;
        QTest::newRow("negative half to even") << -16.5 << -8;
        QTest::newRow("beyond int clamps") << 1e12 << INT_MAX;
        QTest::newRow("below int clamps") << -1e12 << INT_MIN;
        QTest::newRow("not a number") << std::nan("") << 0;
    }
    void centreOffset()
    {
        QFETCH(double, difference);
        QFETCH(int, offset);
        QCOMPARE(CentreOffsetTwips(difference), offset);
    }

    void windowLook()
    {
        frmAbout about(nullptr, [](const QUrl&) { return true; });
        QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.Label2->text(),
                 QStringLiteral("Version ") + QStringLiteral(MARROWICK_VERSION_STRING));
        const QSize client(TwipsToPixels(4680, &about), TwipsToPixels(3090, &about));
        QCOMPARE(about.size(), client);
        QCOMPARE(about.minimumSize(), client);
        QCOMPARE(about.maximumSize(), client);
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(about.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::ToolTipBase));
        QVERIFY(about.autoFillBackground());

        // Nothing in the window takes the focus.
        for (QWidget* child : about.findChildren<QWidget*>())
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
        // Every label stays inside the client area.
        for (QLabel* label : about.findChildren<QLabel*>())
            QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->objectName()));
    }

    void keysDoNotClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void keysDoNotClose()
    {
        QFETCH(int, key);
        frmAbout about(nullptr, [](const QUrl&) { return true; });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key(key));
        QVERIFY(about.isVisible());
        about.reject();
        QVERIFY(about.isVisible());
        // The close button still works.
        QVERIFY(about.close());
        QVERIFY(!about.isVisible());
    }

    void linkOpensWebsite()
    {
        QList<QUrl> opened;
        frmAbout about(nullptr, [&opened](const QUrl& url) {
            opened << url;
            return false;
        });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.Label5, Qt::LeftButton, {}, about.Label5->rect().center());
        QTest::mouseClick(about.Label5, Qt::LeftButton, {}, about.Label5->rect().center());
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.front(), QUrl(QStringLiteral("https://marrowick.example.org/")));
        // A failed open says nothing and the window stays.
        QVERIFY(about.isVisible());
        // Other labels and other buttons are not links.
        QTest::mouseClick(about.Label4, Qt::LeftButton, {}, about.Label4->rect().center());
        QTest::mouseClick(about.Label5, Qt::RightButton, {}, about.Label5->rect().center());
        QCOMPARE(opened.size(), 2);
    }

    void handOnlyOverLinkText()
    {
        frmAbout about(nullptr, [](const QUrl&) { return true; });
        QCOMPARE(about.Label5->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
        for (QLabel* label : {about.Label1, about.Label2, about.Label3, about.Label4})
            QVERIFY(label->cursor().shape() != Qt::PointingHandCursor);

        // The label is as wide as its text, not its stored box.
        QCOMPARE(about.Label5->size(), about.Label5->sizeHint());
        const int storedRight = TwipsToPixels(210 + 4185, &about);
        if (about.Label5->geometry().right() >= storedRight - 2)
            QSKIP("the substituted font is as wide as the stored box");
        const QPoint pastText(storedRight - 2, about.Label5->geometry().center().y());
        QVERIFY(about.childAt(pastText) != about.Label5);
    }

    void showAboutCentresAndReturns()
    {
        QWidget owner;
        owner.show();
        QRect placed;
        bool sawModal = false;
        QTimer::singleShot(0, &owner, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!about)
                return;
            sawModal = true;
            placed = about->frameGeometry();
            about->close();
        });
        ShowAbout(&owner);
        QVERIFY(sawModal);
        const QRect screen = owner.screen()->geometry();
        // Centred on the screen to within the rounding of a couple of pixels.
        QVERIFY2(std::abs((placed.left() - screen.left()) * 2 + placed.width() - screen.width()) <= 2,
                 qPrintable(QStringLiteral("left %1 width %3 of %2").arg(placed.left()).arg(screen.width()).arg(placed.width())));
        QVERIFY(std::abs((placed.top() - screen.top()) * 2 + placed.height() - screen.height()) <= 2);
        // Closed windows are gone; the next About builds a fresh one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(owner.findChildren<frmAbout*>().isEmpty());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
