// The window in the user's language, and reachable by assistive technology: the
// catalogues chosen by the locale or by --lang (Qt's own buttons too), and an
// accessible name on every control that shows no text of its own.
#include "mainwindow/StatusBarPanel.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"
#include "translations/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

using namespace marrowick;

namespace {

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every title of the menu bar and every item of every menu (submenus and the
// row menu too) has one access key of its own there; the clashes found, as
// "menu: item".
QStringList AccessKeyClashes(const fMain& window)
{
    QStringList clashes;
    QList<const QWidget*> menus{window.menuBar()};
    for (const QMenu* menu : window.findChildren<QMenu*>())
        menus << menu;
    for (const QWidget* menu : menus) {
        QSet<QChar> keys;
        for (const QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const QString text = item->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            const QChar key = amp >= 0 && amp + 1 < text.size() ? text.at(amp + 1).toLower() : QChar();
            if (key.isNull() || key == QLatin1Char('&') || keys.contains(key))
                clashes << QStringLiteral("%1: %2").arg(menu->objectName(), text);
            keys.insert(key);
        }
    }
    return clashes;
}

QString Describe(QWidget* widget)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()),
                                           widget->objectName());
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    // The test runs under LANG=de_DE.UTF-8: no --lang takes the system's
    // language. Every menu keeps its access keys apart in every language.
    void menusAndStandardButtonsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("system (German)") << QString()
            << QStringList{"&Datei", "A&ktionen", "&Ansicht", "&Hilfe"} << "Abbrechen";
        QTest::newRow("--lang fr") << "fr"
            << QStringList{"&Fichier", "A&ctions", "&Affichage", "Aid&e"} << "Annuler";
        QTest::newRow("--lang es") << "es"
            << QStringList{"&Archivo", "A&cciones", "&Ver", "Ay&uda"} << "Cancelar";
        QTest::newRow("--lang ru") << "ru"
            << QStringList{"&Файл", "&Действия", "&Вид", "&Справка"} << "Отмена";
        QTest::newRow("--lang zh_CN") << "zh_CN"
            << QStringList{"文件(&F)", "操作(&A)", "查看(&V)", "帮助(&H)"} << "取消";
        QTest::newRow("--lang C: the program's own words") << "C"
            << QStringList{"&File", "&Actions", "&View", "&Help"} << "Cancel";
    }
    void menusAndStandardButtonsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, menus);
        QFETCH(QString, cancel);
        LoadTranslations(language);
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(QString());
        QStringList titles;
        for (QAction* menu : window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, menus);
        QCOMPARE(AccessKeyClashes(window), QStringList());
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), cancel);
    }

    // With an archive listed and every pane shown.
    void everyControlHasAnAccessibleName()
    {
        LoadTranslations(QStringLiteral("C"));
        test::RecordingView unused;
        test::ScriptedPrompts answers(unused);
        fMain window(&answers);
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/basic.rar"));
        for (const char* pane : {"mnufolders", "mnupreview"}) {
            QAction* show = window.findChild<QAction*>(pane);
            QVERIFY2(show, pane);
            show->setChecked(true);
        }
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int named = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QAbstractItemView*>(widget) || dynamic_cast<StatusBarPanel*>(widget);
            if (!control || !widget->isVisibleTo(&window))
                continue;
            QVERIFY2(!AccessibleName(widget).isEmpty(), qPrintable(Describe(widget)));
            ++named;
        }
        QVERIFY(named >= 10);
        for (QToolBar* bar : window.findChildren<QToolBar*>())
            for (QAction* action : bar->actions())
                if (!action->isSeparator() && action->isVisible())
                    QVERIFY2(!AccessibleName(bar->widgetForAction(action)).isEmpty(),
                             qPrintable(action->objectName()));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
