#include "dialogs/fComment.h"

#include "dialogs/Twips.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
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

    void keysClose_data()
    {
        QTest::addColumn<bool>("focusOnText");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Esc on OK") << false << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("Esc on text") << true << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("Enter on OK") << false << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Space on OK") << false << int(Qt::Key_Space) << int(QDialog::Accepted);
    }
    void keysClose()
    {
        QFETCH(bool, focusOnText);
        QFETCH(int, key);
        QFETCH(int, result);
        fComment window;
        window.setComment(QStringLiteral("some comment"));
        showAndActivate(window);
        QWidget* target = window.cmdOK();
        if (focusOnText) {
            window.txtComment()->setFocus();
            target = window.txtComment();
        }
        QTest::keyClick(target, Qt::Key(key));
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.result(), result);
    }

    void typingChangesNothing()
    {
        fComment window;
        const QString text = QStringLiteral("keep me\nas I am");
        window.setComment(text);
        showAndActivate(window);
        window.txtComment()->setFocus();
        QTest::keyClicks(window.txtComment(), QStringLiteral("xyz"));
        QTest::keyClick(window.txtComment(), Qt::Key_Delete);
        QTest::keyClick(window.txtComment(), Qt::Key_Backspace);
        QTest::keyClick(window.txtComment(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window.txtComment()->toPlainText(), text);
        QVERIFY(window.isVisible());
        // Selecting for copying still works.
        window.txtComment()->selectAll();
        QCOMPARE(window.txtComment()->textCursor().selectedText().size(), text.size());
    }

    void longTextWrapsAndScrolls()
    {
        fComment window;
        QString text = QString(500, QLatin1Char('w')) + QLatin1Char('\n');
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("line %1\n").arg(i);
        window.setComment(text);
        showAndActivate(window);
        QCOMPARE(window.txtComment()->horizontalScrollBar()->maximum(), 0);
        QVERIFY(window.txtComment()->verticalScrollBar()->maximum() > 0);
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
