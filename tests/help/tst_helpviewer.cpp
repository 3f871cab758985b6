// Our help engine behind WinHelpA: the viewer window over an HTML guide.
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "help/WinHelpApi.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace marrowick;

namespace {

const char* const kGuide = R"(<html><head><title>Small Guide</title></head><body>
<h2><a name="topic10"></a>Opening <i>an</i> archive</h2>
<!-- keywords: open; Archive; drag and drop -->
<p>Open text.</p>
<h2><a name="topic20"></a>Passwords &amp; keys</h2>
<!-- keywords: password;  wrong password ; -->
<p>Password text.</p>
</body></html>)";

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString guide() const { return m_dir.filePath("guide.html"); }

private slots:
    void initTestCase()
    {
        QFile file(guide());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kGuide) > 0);
    }
    void cleanup()
    {
        QCOMPARE(WinHelpA(0, guide(), HELP_QUIT, std::int32_t(0)), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(HelpViewer::find(guide()), nullptr);
    }

    void requests_data()
    {
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("page"); // -1: no window
        QTest::addColumn<QString>("shows");
        const int contents = int(HelpViewer::Page::Contents), topic = int(HelpViewer::Page::Topic);
        const int index = int(HelpViewer::Page::Index);
        QTest::newRow("contents") << unsigned(HELP_CONTENTS) << QVariant(0) << 1 << contents << "Open text.";
        QTest::newRow("known topic") << unsigned(HELP_CONTEXT) << QVariant(20) << 1 << topic << "Password text.";
        QTest::newRow("no such topic") << unsigned(HELP_CONTEXT) << QVariant(30) << 0 << -1 << "";
        // The index by prefix, without case, then by what the keyword contains.
        QTest::newRow("keyword prefix") << unsigned(HELP_PARTIALKEY) << QVariant("ARCH") << 1 << index << "Archive";
        QTest::newRow("keyword inside") << unsigned(HELP_PARTIALKEY) << QVariant("word") << 1 << index
                                        << "wrong password";
        QTest::newRow("macros are not ours") << unsigned(HELP_COMMAND) << QVariant("Back()") << 0 << -1 << "";
    }
    void requests()
    {
        QFETCH(unsigned, command);
        QFETCH(QVariant, data);
        QFETCH(int, result);
        QFETCH(int, page);
        QFETCH(QString, shows);
        const HelpData request = data.typeId() == QMetaType::Int ? HelpData(std::int32_t(data.toInt()))
                                                                 : HelpData(data.toString());
        QCOMPARE(WinHelpA(0, guide(), command, request), result);
        HelpViewer* viewer = HelpViewer::find(guide());
        QCOMPARE(viewer ? int(viewer->page()) : -1, page);
        if (viewer) {
            QVERIFY(viewer->isVisible());
            QCOMPARE(viewer->windowTitle(), QStringLiteral("Small Guide"));
            const QString text = viewer->browser()->toPlainText();
            QVERIFY2(text.contains(shows) && (command != HELP_PARTIALKEY || !text.contains("drag")), qPrintable(text));
            // The same file reuses its window.
            QCOMPARE(WinHelpA(0, guide(), HELP_FINDER, std::int32_t(0)), 1);
            QCOMPARE(HelpViewer::find(guide()), viewer);
        }
    }

    // Every topic of the guide we ship has keywords and a link to it.
    void shippedGuide()
    {
        QFile file(MARROWICK_HELP_FILE);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QList<int> numbers;
        for (const auto& topic : ParseHelpTopics(html)) {
            numbers << topic.context;
            QVERIFY2(!topic.keywords.isEmpty(), qPrintable(topic.title));
            QVERIFY(html.contains(QStringLiteral("href=\"#%1\"").arg(TopicAnchor(topic.context))));
        }
        QCOMPARE(numbers, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
