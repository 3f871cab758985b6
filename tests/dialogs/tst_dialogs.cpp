// The file dialog's filters and cancel, with the chooser's answers scripted;
// the About window's colours and its link's room; a field's hint in any scheme.
#include "dialogs/cFileDialog.h"
#include "dialogs/ReadablePlaceholder.h"
#include "dialogs/frmAbout.h"
#include "engine/ComponentError.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
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

    // The About link reads on the window's tooltip background: the palette's
    // link colour on a dark one, its own blue on a light one, and it follows
    // a change of the desktop's palette.
    void aboutLinkColour()
    {
        const QPalette light = QApplication::palette();
        QVERIFY(light.color(QPalette::ToolTipBase).lightness() >= 128);
        QPalette dark = light;
        dark.setColor(QPalette::ToolTipBase, Qt::black);
        dark.setColor(QPalette::Link, QColor(120, 170, 255));
        QApplication::setPalette(dark);
        frmAbout about;
        QCOMPARE(about.Label5->palette().color(QPalette::WindowText), QColor(120, 170, 255));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
        QApplication::setPalette(light);
        QCOMPARE(about.Label5->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    }

    // However long its translation, the link stays inside the window (the
    // About window's size is fixed), above the sandbox notice.
    void aboutLinkFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("the English") << "Click here to Visit Marrowick Website";
        QTest::newRow("longer") << "Pulse aquí para visitar el sitio web de Marrowick";
        QTest::newRow("far longer") << "Klicken Sie hier, um die Website von Marrowick in Ihrem Browser zu besuchen";
    }
    void aboutLinkFits()
    {
        QFETCH(QString, text);
        struct Link : QTranslator
        {
            QString text;
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return qstrcmp(source, "Click here to Visit Marrowick Website") == 0 ? text : QString();
            }
            bool isEmpty() const override { return false; }
        } link;
        link.text = text;
        QCoreApplication::installTranslator(&link);
        frmAbout about;
        QCoreApplication::removeTranslator(&link);
        QCOMPARE(about.Label5->text(), text);
        const QRect shown = about.Label5->geometry();
        QVERIFY2(shown.right() < about.width(), qPrintable(QString::number(shown.right())));
        QVERIFY(shown.bottom() < about.Sandbox->y());
        QVERIFY(about.Sandbox->geometry().bottom() < about.Label4->y());
    }
    // A text field's hint reads on its background in any scheme, and follows
    // the desktop's palette when it changes.
    void placeholderReads_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("hint");
        QTest::addColumn<QColor>("shown");
        const QColor grey(0, 0, 0, 128), paleGrey(252, 252, 252, 128);
        QTest::newRow("light scheme, its own hint") << QColor(Qt::white) << QColor(Qt::black) << grey << grey;
        QTest::newRow("dark scheme, its own hint") << QColor(20, 22, 24) << QColor(252, 252, 252)
                                                   << QColor(140, 140, 140) << QColor(140, 140, 140);
        QTest::newRow("dark scheme, the light one's hint") << QColor(20, 22, 24) << QColor(252, 252, 252)
                                                           << grey << paleGrey;
        QTest::newRow("dark scheme, opaque dark hint") << QColor(20, 22, 24) << QColor(252, 252, 252)
                                                       << QColor(40, 40, 40) << paleGrey;
    }
    void placeholderReads()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(QColor, hint);
        QFETCH(QColor, shown);
        const QPalette before = QApplication::palette();
        QLineEdit field;
        KeepPlaceholderReadable(&field);
        QPalette scheme = before;
        scheme.setColor(QPalette::Base, base);
        scheme.setColor(QPalette::Text, text);
        scheme.setColor(QPalette::PlaceholderText, hint);
        QApplication::setPalette(scheme);
        QCOMPARE(field.palette().color(QPalette::Active, QPalette::PlaceholderText), shown);
        QCOMPARE(field.palette().color(QPalette::Disabled, QPalette::PlaceholderText), shown);
        // Everything else still comes from the scheme.
        QCOMPARE(field.palette().color(QPalette::Base), base);
        QApplication::setPalette(before);
        QCOMPARE(field.palette().color(QPalette::PlaceholderText), before.color(QPalette::PlaceholderText));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
