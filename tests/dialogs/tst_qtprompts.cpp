#include "dialogs/QtPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace marrowick;

class TestQtPrompts : public QObject
{
    Q_OBJECT

private slots:
    // The password is masked until "Show password" is ticked; Return gives it
    // back, the Cancel button and Esc give nothing.
    void askPassword_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("key"); // to end the dialog; 0: click Cancel
        QTest::addColumn<int>("echo");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("masked") << 0 << int(Qt::Key_Return) << int(QLineEdit::Password) << std::optional<QString>("p w");
        QTest::newRow("shown") << 1 << int(Qt::Key_Return) << int(QLineEdit::Normal) << std::optional<QString>("p w");
        QTest::newRow("masked again, Cancel") << 2 << 0 << int(QLineEdit::Password) << std::optional<QString>();
        QTest::newRow("Esc") << 0 << int(Qt::Key_Escape) << int(QLineEdit::Password) << std::optional<QString>();
    }
    void askPassword()
    {
        QFETCH(int, clicks);
        QFETCH(int, key);
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
            // A Cancel or Esc that did nothing shows as an answer.
            QTimer::singleShot(200, dialog, &QDialog::accept);
            if (key)
                QTest::keyClick(edit, Qt::Key(key));
            else
                QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        QtPrompts prompts(nullptr);
        QCOMPARE(prompts.askPassword(QStringLiteral("Enter password:"), QStringLiteral("Title")), answer);
        QCOMPARE(seenTitle, QStringLiteral("Title"));
        QCOMPARE(seenEcho, echo);
    }
};

QTEST_MAIN(TestQtPrompts)
#include "tst_qtprompts.moc"
