#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "help/WinHelpApi.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace marrowick;

namespace {

const char* const kSmallGuide = R"(<html><head><title>Small Guide</title></head><body>
<h1>Small</h1>
<h2><a name="topic10"></a>Opening <i>an</i> archive</h2>
<!-- keywords: open; Archive; drag and drop -->
<p>Open text.</p>
<h2><a name="topic20"></a>Passwords &amp; keys</h2>
<!-- keywords: password;  wrong password ; -->
<p>Password text.</p>
<h2><a name="topic-3"></a>Odd number</h2>
</body></html>)";

QString ReadShippedGuide()
{
    QFile file(QStringLiteral(MARROWICK_HELP_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_guide;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_guide = m_dir.filePath(QStringLiteral("guide.html"));
        QFile file(m_guide);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kSmallGuide);
    }

    void cleanup()
    {
        WinHelpA(0, m_guide, HELP_QUIT, std::int32_t(0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void parseTopics()
    {
        const auto topics = ParseHelpTopics(QString::fromUtf8(kSmallGuide));
        QCOMPARE(topics.size(), size_t(3));
        QCOMPARE(topics[0].context, 10);
        QCOMPARE(topics[0].title, QStringLiteral("Opening an archive"));
        QCOMPARE(topics[0].keywords,
                 QStringList({"open", "Archive", "drag and drop"}));
        QCOMPARE(topics[1].title, QStringLiteral("Passwords & keys"));
        QCOMPARE(topics[1].keywords, QStringList({"password", "wrong password"}));
        QCOMPARE(topics[2].context, -3);
        QVERIFY(topics[2].keywords.isEmpty());
    }

    void filterIndex_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("everything, sorted without case") << ""
            << QStringList({"Archive", "drag and drop", "open", "password", "wrong password"});
        QTest::newRow("prefix") << "pass" << QStringList({"password"});
        QTest::newRow("prefix ignores case") << "ARCH" << QStringList({"Archive"});
        QTest::newRow("falls back to contains") << "word" << QStringList({"password", "wrong password"});
        QTest::newRow("no match") << "zip" << QStringList();
        QTest::newRow("blanks around the key") << "  open " << QStringList({"open"});
    }
    void filterIndex()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, keywords);
        QStringList got;
        for (const auto& e : FilterHelpIndex(ParseHelpTopics(QString::fromUtf8(kSmallGuide)), key))
            got << e.keyword;
        QCOMPARE(got, keywords);
    }

    void contents()
    {
        QCOMPARE(WinHelpA(0, m_guide, HELP_CONTENTS, std::int32_t(0)), 1);
        HelpViewer* viewer = HelpViewer::find(m_guide);
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->page(), HelpViewer::Page::Contents);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Small Guide"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Open text.")));
        // The same file reuses its window.
        QCOMPARE(WinHelpA(0, m_guide, HELP_FINDER, std::int32_t(0)), 1);
        QCOMPARE(HelpViewer::find(m_guide), viewer);

        QPointer<HelpViewer> closing = viewer;
        QCOMPARE(WinHelpA(0, m_guide, HELP_QUIT, std::int32_t(0)), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull());
        QCOMPARE(HelpViewer::find(m_guide), nullptr);
        // Quitting what is not open is no failure.
        QCOMPARE(WinHelpA(0, m_guide, HELP_QUIT, QString()), 1);
    }

    void contextNumber_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<int>("result");
        QTest::newRow("known topic") << 20 << 1;
        QTest::newRow("negative topic") << -3 << 1;
        QTest::newRow("no such topic") << 30 << 0;
    }
    void contextNumber()
    {
        QFETCH(int, context);
        QFETCH(int, result);
        QCOMPARE(WinHelpA(0, m_guide, HELP_CONTEXT, std::int32_t(context)), result);
        HelpViewer* viewer = HelpViewer::find(m_guide);
        if (result == 0) {
            QVERIFY(!viewer);
            return;
        }
        QVERIFY(viewer);
        QCOMPARE(viewer->page(), HelpViewer::Page::Topic);
        QCOMPARE(viewer->topic(), context);
        QCOMPARE(viewer->browser()->source().fragment(), TopicAnchor(context));
    }

    void keywordSearch()
    {
        QCOMPARE(WinHelpA(0, m_guide, HELP_PARTIALKEY, QStringLiteral("pass")), 1);
        HelpViewer* viewer = HelpViewer::find(m_guide);
        QVERIFY(viewer);
        QCOMPARE(viewer->page(), HelpViewer::Page::Index);
        QCOMPARE(viewer->searchField()->text(), QStringLiteral("pass"));
        const QString shown = viewer->browser()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("password")));
        QVERIFY(!shown.contains(QStringLiteral("drag and drop")));

        // Typing narrows the index again.
        viewer->searchField()->clear();
        QTest::keyClicks(viewer->searchField(), QStringLiteral("dra"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("drag and drop")));
        QVERIFY(!viewer->browser()->toPlainText().contains(QStringLiteral("password")));
    }

    void otherRequests()
    {
        QCOMPARE(WinHelpA(0, m_guide, HELP_HELPONHELP, std::int32_t(0)), 1);
        QCOMPARE(HelpViewer::find(m_guide)->page(), HelpViewer::Page::HelpOnHelp);
        QCOMPARE(WinHelpA(0, m_guide, HELP_COMMAND, QStringLiteral("Back()")), 0);
        QCOMPARE(WinHelpA(0, m_guide, 0x9999u, std::int32_t(0)), 0);
    }

    void unreadableFile()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.html"));
        QCOMPARE(WinHelpA(0, missing, HELP_CONTENTS, std::int32_t(0)), 0);
        QCOMPARE(HelpViewer::find(missing), nullptr);
    }

    void shippedGuide()
    {
        const QString html = ReadShippedGuide();
        QVERIFY(!html.isEmpty());
        const auto topics = ParseHelpTopics(html);
        QList<int> numbers;
        for (const auto& topic : topics) {
            numbers << topic.context;
            QVERIFY2(!topic.keywords.isEmpty(), qPrintable(topic.title));
            QVERIFY(html.contains(QStringLiteral("href=\"#%1\"").arg(TopicAnchor(topic.context))));
        }
        QCOMPARE(numbers, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
