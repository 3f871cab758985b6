// The About and comment windows.
#include "dialogs/fComment.h"
#include "dialogs/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

using namespace marrowick;

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    // Only the close button closes About; its link opens the website.
    void about()
    {
        QList<QUrl> opened;
        frmAbout about(nullptr, [&opened](const QUrl& url) { return opened << url, false; });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(about.isVisible());
        QTest::mouseClick(about.Label5, Qt::LeftButton, {}, about.Label5->rect().center());
        QTest::mouseClick(about.Label4, Qt::LeftButton, {}, about.Label4->rect().center());
        QCOMPARE(opened, QList<QUrl>{QUrl("https://marrowick.example.org/")});
        QVERIFY(about.close());
    }

    // Each archive's comment in a fresh modal window, read-only, OK focused.
    void comments()
    {
        QWidget owner;
        owner.show();
        QStringList seen;
        for (const QString comment : {"first archive", "second"}) {
            QTimer::singleShot(0, this, [&seen] {
                auto* window = qobject_cast<fComment*>(QApplication::activeModalWidget());
                if (!window)
                    return;
                seen << window->txtComment()->toPlainText();
                QVERIFY(window->txtComment()->isReadOnly());
                QTest::keyClick(window, Qt::Key_Escape);
            });
            ShowCommentWindow(&owner, comment);
        }
        QCOMPARE(seen, (QStringList{"first archive", "second"}));
        QVERIFY(owner.findChildren<fComment*>().isEmpty());
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
