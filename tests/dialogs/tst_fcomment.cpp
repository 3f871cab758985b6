#include "dialogs/fComment.h"

#include "dialogs/Twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace marrowick;

class TestFComment : public QObject
{
    Q_OBJECT

private:
    static void showAndActivate(fComment& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void layout()
    {
        QPixmap programIcon(16, 16);
        programIcon.fill(Qt::red);
        QApplication::setWindowIcon(QIcon(programIcon));
        QWidget owner;
        owner.setGeometry(100, 100, 800, 600);
        owner.show();
        fComment window(&owner);
        QApplication::setWindowIcon(QIcon());
        QCOMPARE(window.objectName(), QStringLiteral("fComment"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Comments"));
        // No icon: not the program's, nothing visible.
        const QImage icon = window.windowIcon().pixmap(16, 16).toImage();
        QVERIFY(!icon.isNull());
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                QCOMPARE(qAlpha(icon.pixel(x, y)), 0);
        QCOMPARE(window.size(), QSize(TwipsToPixels(6885, &window), TwipsToPixels(4560, &window)));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.cmdOK()->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(window.cmdOK()->text(), QStringLiteral("&OK"));
        QCOMPARE(window.txtComment()->objectName(), QStringLiteral("txtComment"));
        QVERIFY(window.txtComment()->isReadOnly());
        QCOMPARE(window.txtComment()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(window.font().pointSizeF(), 8.25);

        showAndActivate(window);
        QCOMPARE(QApplication::focusWidget(), window.cmdOK());
        QCOMPARE(window.frameGeometry().center(), owner.frameGeometry().center());
    }

    void showCommentWindowIsModalAndFresh()
    {
        QWidget owner;
        owner.show();
        QStringList seen;
        for (const QString& comment : {QStringLiteral("first archive"), QStringLiteral("second")}) {
            QTimer::singleShot(0, this, [&seen] {
                auto* window = qobject_cast<fComment*>(QApplication::activeModalWidget());
                if (!window)
                    return;
                seen << window->txtComment()->toPlainText();
                QTest::keyClick(window, Qt::Key_Escape);
            });
            ShowCommentWindow(&owner, comment);
        }
        QCOMPARE(seen, (QStringList{"first archive", "second"}));
        QVERIFY(owner.findChildren<fComment*>().isEmpty());
    }
};

QTEST_MAIN(TestFComment)
#include "tst_fcomment.moc"
