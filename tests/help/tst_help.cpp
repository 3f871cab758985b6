// The Help command through a recording help engine, and our own engine, the
// viewer over the HTML guide.
#include "RecordingWinHelp.h"

#include "engine/ComponentError.h"
#include "help/CWinHelp.h"
#include "help/HelpViewer.h"
#include "help/LaunchHelp.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>


using namespace marrowick;
using marrowick::testing::RecordingWinHelp;

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

class TestHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir, m_empty;
    QStringList m_boxes;
    QString guide() const { return m_dir.filePath("marrowick-help.html"); }
    void launch(const QString& folder)
    {
        LaunchHelp(nullptr, folder, [this](QWidget*, const QString& text, const QString&) { m_boxes << text; });
    }

private slots:
    void initTestCase()
    {
        // Each topic longer than the window: the viewer shows one only by
        // scrolling to it.
        const QByteArray filler = QByteArray("<p>More text.</p>\n").repeated(100);
        QFile file(guide());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(kGuide).replace("</p>\n<", "</p>\n" + filler + '<')) > 0);
        // Another spelling of the name must not stand in for ours.
        QFile other(m_empty.filePath("Marrowick-Help.HTML"));
        QVERIFY(other.open(QIODevice::WriteOnly));
    }
    void init()
    {
        RecordingWinHelp::Install();
        m_boxes.clear();
    }
    void cleanup()
    {
        ReleaseProgramHelp();
        RecordingWinHelp::Remove();
    }

    // The contents, then a quit when launched again or released; a box when
    // there is no guide.
    void launch()
    {
        launch(m_dir.path() + '/');
        launch(m_dir.path());
        ReleaseProgramHelp();
        launch(m_empty.path());
        QStringList calls;
        for (const auto& call : RecordingWinHelp::calls)
            calls << QStringLiteral("%1 %2").arg(call.command).arg(QDir::cleanPath(call.file));
        QCOMPARE(calls, QStringList({"3 " + guide(), "2 " + guide(), "3 " + guide(), "2 " + guide()}));
        QCOMPARE(m_boxes, QStringList{"Marrowick Documentation is not available."});
        RecordingWinHelp::answer = 0;
        QVERIFY_THROWS_EXCEPTION(ComponentError, launch(m_dir.path()));
    }

    // Our engine: the contents, a topic, and the index of keywords that
    // start with, or else contain, the text; one window per file.
    void viewer()
    {
        RecordingWinHelp::Remove();
        // The title and the line at the top of the viewer.
        const auto shown = [this] {
            const HelpViewer* viewer = HelpViewer::find(guide());
            return viewer ? viewer->windowTitle() + '|' + viewer->browser()->cursorForPosition({2, 2}).block().text()
                          : QString();
        };
        QCOMPARE(WinHelpA(0, guide(), HELP_CONTENTS, std::int32_t(0)), 1);
        HelpViewer* viewer = HelpViewer::find(guide());
        QCOMPARE(shown(), "Small Guide|Opening an archive");
        QCOMPARE(WinHelpA(0, guide(), HELP_CONTEXT, std::int32_t(20)), 1);
        QCOMPARE(shown(), "Small Guide|Passwords & keys");
        QCOMPARE(HelpViewer::find(guide()), viewer);
        QCOMPARE(WinHelpA(0, guide(), HELP_CONTEXT, std::int32_t(30)), 0);
        QCOMPARE(WinHelpA(0, guide(), HELP_CONTENTS, std::int32_t(0)), 1);
        QCOMPARE(shown(), "Small Guide|Opening an archive");
        QCOMPARE(WinHelpA(0, guide(), HELP_PARTIALKEY, QString("word")), 1);
        const QString index = viewer->browser()->toPlainText();
        QVERIFY2(index.contains("wrong password") && !index.contains("drag"), qPrintable(index));
        QCOMPARE(WinHelpA(0, guide(), HELP_QUIT, std::int32_t(0)), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(HelpViewer::find(guide()), nullptr);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
