// The preview pane: what it makes of an entry's bytes, the limits it keeps,
// a newer selection over an older one, passwords, and archives in archives.
#include "mainwindow/FileListModel.h"
#include "mainwindow/PreviewPane.h"
#include "mainwindow/PreviewViews.h"
#include "mainwindow/fMain.h"
#include "tests/engine/RecordingView.h"

#include <QAction>
#include <QBuffer>
#include <QTableView>
#include <QtEndian>
#include <QtTest>

using namespace marrowick;
using Status = EntryDataResult::Status;

namespace {

QByteArray Png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A PNG signature, a well-formed header chunk claiming the given size and
// the start of the data.
QByteArray PngHeader(quint32 width, quint32 height)
{
    QByteArray chunk("IHDR");
    chunk += QByteArray(13, '\0');
    qToBigEndian(width, chunk.data() + 4);
    qToBigEndian(height, chunk.data() + 8);
    chunk[12] = 8; // bit depth; colour type 0
    quint32 crc = 0xFFFFFFFF;
    for (const char c : chunk) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1)));
    }
    QByteArray out("\x89PNG\r\n\x1a\n\0\0\0\x0d", 12);
    out += chunk + QByteArray(4, '\0');
    qToBigEndian(~crc, out.data() + out.size() - 4);
    return out + QByteArray("\0\0\0\0IDAT\0\0\0\0", 12);
}

EntryLoader Serving(const QByteArray& bytes, Status status = Status::Complete)
{
    return [=](const EntryDataRequest&, qsizetype, QByteArray& data, const std::atomic<bool>&,
               const EntryDataProgress&) {
        data = bytes;
        EntryDataResult result;
        result.status = status;
        return result;
    };
}

PreviewItem Entry(const QString& name)
{
    PreviewItem item;
    item.row.name = name;
    return item;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void shows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("shown"); // text, hex, "WxH" or message begins so
        QTest::addColumn<QString>("note");
        const int complete = int(Status::Complete), text = int(PreviewPane::Page::Text),
                  hex = int(PreviewPane::Page::Hex), message = int(PreviewPane::Page::Message);
        const QString utf16(QStringLiteral("Grüße"));
        const QByteArray le(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
        QTest::newRow("UTF-8") << "a.txt" << QByteArray("h\xc3\xa9llo\n") << complete << text
                               << "héllo\n" << "";
        QTest::newRow("UTF-16 with its mark") << "a.txt" << QByteArray("\xff\xfe") + le << complete
                                              << text << utf16 << "";
        QTest::newRow("UTF-16 without") << "a" << le << complete << text << utf16 << "";
        QTest::newRow("Latin-1") << "a.txt" << QByteArray("caf\xe9") << complete << text << "café" << "";
        QTest::newRow("cut at the limit") << "a.log" << QByteArray("first part") << int(Status::Stopped)
                                          << text << "first part" << "Showing the first 4 MB";
        QTest::newRow("binary") << "a.txt" << QByteArray("\x00\x01 AZ\x7f", 6) << complete << hex
                                << "00000000  00 01 20 41 5a 7f" << "";
        QTest::newRow("a picture") << "p.png" << Png(3, 2) << complete
                                   << int(PreviewPane::Page::Image) << "3x2" << "3 × 2 pixels";
        QTest::newRow("a picture without its suffix") << "p" << Png(5, 4) << complete
                                                      << int(PreviewPane::Page::Image) << "5x4" << "5 × 4 pixels";
        QTest::newRow("a malformed picture") << "p.png" << QByteArray("\x89PNG\r\n\x1a\nrubbish") << complete
                                             << message << "Not a picture Marrowick can show" << "";
        QTest::newRow("more pixels than the limit") << "p.png" << PngHeader(20000, 20000) << complete
                                                    << message << "The picture is 20000 × 20000 pixels: too large" << "";
        QTest::newRow("a damaged entry") << "a.txt" << QByteArray() << int(Status::Failed) << message
                                         << "Cannot preview: the entry is damaged" << "";
    }
    void shows()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QFETCH(int, status);
        QFETCH(int, page);
        QFETCH(QString, shown);
        QFETCH(QString, note);
        PreviewPane pane;
        pane.setLoader(Serving(data, Status(status)));
        pane.showItemNow(Entry(name));
        QTRY_VERIFY(!pane.loading());
        QCOMPARE(int(pane.page()), page);
        QCOMPARE(pane.noteText(), note);
        if (pane.page() == PreviewPane::Page::Image) {
            QCOMPARE(QStringLiteral("%1x%2").arg(pane.shownImage().width()).arg(pane.shownImage().height()), shown);
            // Enter does what a click does: the picture at its own size.
            auto* view = pane.findChild<ImagePreview*>();
            QTest::keyClick(view, Qt::Key_Return);
            QVERIFY(view->actualSize());
        }
        else if (pane.page() == PreviewPane::Page::Message)
            QVERIFY2(pane.messageText().startsWith(shown), qPrintable(pane.messageText()));
        else
            QVERIFY2(pane.shownText().startsWith(shown), qPrintable(pane.shownText()));
    }

    // The older read is cancelled and whatever it returns late is not shown.
    void newerSelectionWins()
    {
        std::atomic<bool> firstCancelled = false, secondShown = false;
        PreviewPane pane;
        // However this test ends, the slow read returns before the pane goes.
        const auto release = qScopeGuard([&] { firstCancelled = secondShown = true; });
        pane.setLoader([&](const EntryDataRequest& request, qsizetype, QByteArray& data,
                           const std::atomic<bool>& cancel, const EntryDataProgress&) {
            EntryDataResult result;
            result.status = Status::Complete;
            if (request.entryName == QLatin1String("slow.txt")) {
                while (!cancel.load() && !firstCancelled.load())
                    QThread::yieldCurrentThread();
                firstCancelled = cancel.load();
                while (!secondShown.load())
                    QThread::yieldCurrentThread();
                data = "late";
                return result; // as if it had not looked at cancel in time
            }
            data = "second";
            return result;
        });
        pane.showItemNow(Entry(QStringLiteral("slow.txt")));
        pane.showItemNow(Entry(QStringLiteral("fast.txt")));
        QTRY_VERIFY(firstCancelled.load());
        QTRY_COMPARE(pane.shownText(), QStringLiteral("second"));
        secondShown = true;
        pane.waitForWorkers();
        QCoreApplication::processEvents(); // the late result arrives, and is dropped
        QCOMPARE(pane.shownText(), QStringLiteral("second"));
    }

    // The window's pane: F3, the folder counts, the password asked once for
    // the archive.
    void inTheWindow()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        answers.password = QStringLiteral("secret");
        fMain window{&answers};
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/encrypted-files.rar"));
        QStringList passwords;
        window.preview()->setLoader([&](const EntryDataRequest& request, qsizetype, QByteArray& data,
                                        const std::atomic<bool>&, const EntryDataProgress&) {
            passwords << request.password;
            EntryDataResult result;
            result.status = request.password.isEmpty() ? Status::NeedPassword : Status::Complete;
            data = request.entryName.toUtf8();
            return result;
        });
        window.preview()->setDelay(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F3);
        QVERIFY(window.previewAction()->isChecked() && window.preview()->isVisible());
        QTRY_VERIFY(!window.preview()->loading());
        QTableView* list = window.fileList();
        const auto go = [&](const QString& name) {
            for (int row = 0; row < window.fileModel()->rowCount(); ++row)
                if (window.fileModel()->row(row).name == name)
                    list->setCurrentIndex(window.fileModel()->index(row, 0));
            QTRY_VERIFY(!window.preview()->loading());
        };
        go(QStringLiteral("docs"));
        QCOMPARE(window.preview()->messageText(), QStringLiteral("Folder: 3 files, 1 folder, 1,205 bytes"));
        go(QStringLiteral("readme.txt"));
        QCOMPARE(window.preview()->shownText(), QStringLiteral("readme.txt"));
        go(QStringLiteral("docs/sub/deep.txt"));
        QCOMPARE(window.preview()->shownText(), QStringLiteral("docs/sub/deep.txt"));
        // A narrow pane wraps the line between its parts, not inside one.
        const QString line = window.preview()->propertiesText();
        QCOMPARE(line.section(QStringLiteral("   "), 0, 2), QStringLiteral("deep.txt   Size:\u00A05   Packed:\u00A016"));
        const QString date = line.section(QStringLiteral("   "), 3, 3);
        QVERIFY2(date.startsWith(QStringLiteral("Modified:\u00A0")) && !date.contains(u' '), qPrintable(line));
        QCOMPARE(answers.passwordPrompts, QStringList{"Enter password for the encrypted file:"});
        QCOMPARE(passwords.first(), QString());
        QCOMPARE(passwords.count(QStringLiteral("secret")), passwords.size() - 1);
    }

    // A .rar entry opens in a window of its own, which goes with the outer
    // archive.
    void nestedArchive()
    {
        test::RecordingView unused;
        test::ScriptedPrompts answers{unused};
        fMain window{&answers};
        window.Form_Load(QStringLiteral("L=" MARROWICK_TEST_DATA "/nested.rar"));
        int opened = 0;
        window.setEntryOpener([&](const QUrl&) { return ++opened, true; });
        for (int row = 0; row < window.fileModel()->rowCount(); ++row)
            if (window.fileModel()->row(row).name == QLatin1String("inner.rar"))
                window.openEntry(row);
        QCOMPARE(opened, 0);
        QCOMPARE(window.nestedWindows().size(), 1);
        QPointer<fMain> inner = window.nestedWindows().first();
        QCOMPARE(inner->windowTitle(), QStringLiteral("nested.rar › inner.rar - Marrowick"));
        QVERIFY(inner->fileModel()->rowCount() > 0);
        QVERIFY(inner->ArchivePath().startsWith(window.privateFolder()));
        window.CloseArc();
        QTRY_VERIFY(inner.isNull());
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
