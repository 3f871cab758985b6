#include "dialogs/QtPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace marrowick;

class TestQtPrompts : public QObject
{
    Q_OBJECT

private slots:
    // The password is masked until "Show password" is ticked; Return gives it
    // back, Cancel gives nothing.
    void askPassword_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("echo");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("masked") << 0 << true << int(QLineEdit::Password) << std::optional<QString>("p w");
        QTest::newRow("shown") << 1 << true << int(QLineEdit::Normal) << std::optional<QString>("p w");
        QTest::newRow("masked again, cancelled")
            << 2 << false << int(QLineEdit::Password) << std::optional<QString>();
    }
    void askPassword()
    {
        QFETCH(int, clicks);
        QFETCH(bool, confirm);
        QFETCH(int, echo);
        QFETCH(std::optional<QString>, answer);
        int seenEcho = -1;
        QString seenTitle;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seenTitle = dialog->windowTitle();
            auto* edit = dialog->findChild<QLineEdit*>();
            QTest::keyClicks(edit, QStringLiteral("p w"));
            for (int i = 0; i < clicks; ++i)
                dialog->findChild<QCheckBox*>()->click();
            seenEcho = edit->echoMode();
            confirm ? QTest::keyClick(edit, Qt::Key_Return) : dialog->reject();
        });
        QtPrompts prompts(nullptr);
        QCOMPARE(prompts.askPassword(QStringLiteral("Enter password:"), QStringLiteral("Title")), answer);
        QCOMPARE(seenTitle, QStringLiteral("Title"));
        QCOMPARE(seenEcho, echo);
    }
};

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
