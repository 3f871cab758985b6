#include "mainwindow/PreviewPane.h"

#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "mainwindow/PreviewViews.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace marrowick {

namespace {

QString SizeText(std::uint64_t bytes)
{
    return bytes ? SizeFormat().text(bytes) : QStringLiteral("0");
}

QString MegabytesText(qsizetype bytes)
{
    return bytes >= (1 << 20) ? QCoreApplication::translate("PreviewSizes", "%1 MB").arg(bytes >> 20)
                              : QCoreApplication::translate("PreviewSizes", "%1 KB").arg(bytes >> 10);
}

// A lone blank becomes a no-break space, so that a narrow pane wraps an
// entry's line only at the three-blank gaps between its parts, never inside
// "Packed: 11,258" or a date.
QString KeptTogether(QString parts)
{
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i] == u' ' && (i == 0 || parts[i - 1] != u' ') &&
            (i + 1 == parts.size() || parts[i + 1] != u' '))
            parts[i] = QChar(0x00A0);
    }
    return parts;
}

QString PropertiesLine(const PreviewItem& item)
{
    const FileRow& row = item.row;
    const QString name = row.name.mid(row.name.lastIndexOf(QLatin1Char('/')) + 1);
    // The parts of the line are three blanks apart.
    const QString gap = QStringLiteral("   ");
    if (row.isFolder)
        //: A folder's counts below it: %1 "%n file(s)", %2 "%n folder(s)", %3 "%1 byte(s)"
        return name + gap +
               QCoreApplication::translate("PreviewLine", "%1, %2, %3")
                   .arg(FilesText(item.files), FoldersText(item.folders), BytesText(item.bytes));
    //: An entry's sizes: unpacked, then packed
    QString parts = gap + QCoreApplication::translate("PreviewLine", "Size: %1   Packed: %2")
                              .arg(SizeText(row.unpSize), SizeText(row.packSize));
    const QString modified = TimeText(row.mtime);
    if (!modified.isEmpty())
        //: %1 is the entry's date and time
        parts += gap + QCoreApplication::translate("PreviewLine", "Modified: %1").arg(modified);
    if (row.isEncrypted)
        //: The entry needs a password
        parts += gap + QCoreApplication::translate("PreviewLine", "Encrypted");
    return name + KeptTogether(parts);
}

} // namespace

// What a worker made of one entry; read on the window's thread.
struct PreviewPane::Result
{
    quint64 generation = 0;
    EntryDataResult load;
    Page page = Page::Message;
    QString text;    // the text, the hex dump or the message
    QImage image;
    QString note;    // what of the entry is left out
    bool offerOpen = false;
};

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent), m_loader(DefaultEntryLoader())
{
    setObjectName(QStringLiteral("previewPane"));
    //: The name a screen reader gives the pane beside the list
    setAccessibleName(tr("Preview"));
    m_pool.setMaxThreadCount(2);
    m_delay.setSingleShot(true);
    m_delay.setInterval(40);
    connect(&m_delay, &QTimer::timeout, this, &PreviewPane::start);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 0, 0, 0);
    m_properties = new QLabel(this);
    m_properties->setObjectName(QStringLiteral("previewProperties"));
    m_properties->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_properties->setTextFormat(Qt::PlainText);
    m_properties->setWordWrap(true);
    m_properties->setMinimumWidth(1);
    //: The line above the preview: the entry's name, sizes and date
    m_properties->setAccessibleName(tr("Entry properties"));
    column->addWidget(m_properties);

    m_noteBar = new QWidget(this);
    auto* noteRow = new QHBoxLayout(m_noteBar);
    noteRow->setContentsMargins(0, 0, 0, 0);
    m_note = new QLabel(m_noteBar);
    //: Button: open the previewed entry as a file
    m_noteOpen = new QPushButton(tr("Open"), m_noteBar);
    m_wrap = new QCheckBox(tr("Wrap lines"), m_noteBar);
    m_wrap->setObjectName(QStringLiteral("previewWrap"));
    noteRow->addWidget(m_note, 1);
    noteRow->addWidget(m_noteOpen);
    noteRow->addWidget(m_wrap);
    column->addWidget(m_noteBar);

    m_pages = new QStackedWidget(this);
    // However short the list is, the pane fits beside it.
    m_pages->setMinimumSize(1, 1);
    column->addWidget(m_pages, 1);
    auto* messagePage = new QWidget(m_pages);
    auto* messageColumn = new QVBoxLayout(messagePage);
    m_message = new QLabel(messagePage);
    m_message->setObjectName(QStringLiteral("previewMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    m_progress = new QProgressBar(messagePage);
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Decoding progress"));
    //: Button: open the previewed entry as a file
    m_messageOpen = new QPushButton(tr("Open"), messagePage);
    m_passwordButton = new QPushButton(tr("Enter Password..."), messagePage);
    messageColumn->addStretch();
    messageColumn->addWidget(m_message);
    messageColumn->addWidget(m_progress);
    messageColumn->addWidget(m_messageOpen, 0, Qt::AlignCenter);
    messageColumn->addWidget(m_passwordButton, 0, Qt::AlignCenter);
    messageColumn->addStretch();
    m_text = new NumberedTextView(m_pages);
    m_text->setObjectName(QStringLiteral("previewText"));
    m_text->setAccessibleName(tr("Text preview"));
    m_image = new ImagePreview(m_pages);
    m_image->setObjectName(QStringLiteral("previewImage"));
    m_image->setAccessibleName(tr("Picture preview"));
    m_image->setAccessibleDescription(tr("Enter shows the picture at its own size or to fit"));
    m_hex = new NumberedTextView(m_pages);
    m_hex->setObjectName(QStringLiteral("previewHex"));
    //: The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters
    m_hex->setAccessibleName(tr("Hex dump"));
    m_hex->setNumbered(false);
    m_hex->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pages->addWidget(messagePage); // in the order of Page
    m_pages->addWidget(m_text);
    m_pages->addWidget(m_image);
    m_pages->addWidget(m_hex);

    connect(m_wrap, &QCheckBox::toggled, this, [this](bool on) {
        m_text->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    });
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(m_noteOpen, &QPushButton::clicked, this, &PreviewPane::openRequested);
    connect(m_messageOpen, &QPushButton::clicked, this, &PreviewPane::openRequested);
    connect(m_passwordButton, &QPushButton::clicked, this, [this] {
        m_passwordDeclined = false;
        askPassword();
    });
    clear();
}

PreviewPane::~PreviewPane()
{
    if (m_cancel)
        m_cancel->store(true);
    waitForWorkers();
}

void PreviewPane::setArchive(const QString& path, const UnrarApi* api)
{
    if (path != m_archive) {
        m_password.clear();
        m_passwordDeclined = false;
    }
    m_archive = path;
    m_api = api;
}

void PreviewPane::clear()
{
    m_delay.stop();
    if (m_cancel)
        m_cancel->store(true);
    ++m_generation;
    m_loading = false;
    m_item = {};
    m_properties->clear();
    showMessage(tr("Select an entry to preview it"));
}

void PreviewPane::showItem(const PreviewItem& item)
{
    // The older preview stops now; the newer starts once the keys rest.
    if (m_cancel)
        m_cancel->store(true);
    ++m_generation;
    m_item = item;
    m_properties->setText(PropertiesLine(item));
    m_loading = true;
    m_delay.start();
}

void PreviewPane::showItemNow(const PreviewItem& item)
{
    showItem(item);
    m_delay.stop();
    start();
}

void PreviewPane::start()
{
    const FileRow& row = m_item.row;
    if (row.isFolder) {
        m_loading = false;
        //: A folder's counts below it: %1 "%n file(s)", %2 "%n folder(s)", %3 "%1 byte(s)"
        showMessage(tr("Folder: %1, %2, %3")
                        .arg(FilesText(m_item.files), FoldersText(m_item.folders), BytesText(m_item.bytes)));
        return;
    }
    const bool image = LooksLikeImage(row.name, {});
    if (image && row.packSize > std::uint64_t(m_limits.imageBytes)) {
        m_loading = false;
        //: %1 is a size such as "64 MB"
        showMessage(tr("Pictures over %1 packed are not previewed").arg(MegabytesText(m_limits.imageBytes)),
                    true);
        return;
    }
    if (row.isEncrypted && m_password.isEmpty() && m_passwordDeclined) {
        m_loading = false;
        showMessage(tr("Encrypted: a password is needed to preview it"), false, true);
        return;
    }
    showMessage(m_item.afterOthersInSolid
                    ? tr("Solid archive: the entries before this one are decoded first")
                    : tr("Reading..."));
    m_progress->setVisible(m_item.afterOthersInSolid);
    m_progress->setValue(0);

    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const quint64 generation = ++m_generation;
    const EntryDataRequest request{m_archive, row.name, m_password, m_api};
    const PreviewLimits limits = m_limits;
    const qsizetype limit = image ? limits.imageBytes : limits.textBytes;
    // The pane waits for its workers before it goes, so this stays valid
    // while they run.
    m_pool.start([this, generation, request, limits, limit, loader = m_loader,
                  cancel = m_cancel] {
        auto result = std::make_shared<Result>();
        result->generation = generation;
        QByteArray data;
        int shownPermille = -1;
        const EntryDataProgress progress = [&](std::uint64_t done, std::uint64_t total) {
            const int permille = total ? int(std::min<std::uint64_t>(done, total) * 1000 / total) : 0;
            if (permille == shownPermille)
                return;
            shownPermille = permille;
            QMetaObject::invokeMethod(this, [this, generation, permille] {
                if (generation == m_generation)
                    m_progress->setValue(permille);
            }, Qt::QueuedConnection);
        };
        result->load = loader(request, limit, data, *cancel, progress);
        if (!cancel->load())
            interpret(request.entryName, data, limits, *result);
        QMetaObject::invokeMethod(this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
}

void PreviewPane::interpret(const QString& name, const QByteArray& data, const PreviewLimits& limits,
                            Result& result)
{
    using Status = EntryDataResult::Status;
    switch (result.load.status) {
    case Status::Complete:
    case Status::Stopped:
        break;
    case Status::NeedPassword:
    case Status::WrongPassword:
    case Status::Cancelled:
        return; // the window's thread decides
    case Status::NotFound:
        result.text = tr("Not found in the archive");
        return;
    case Status::Failed:
        //: %1 is the reason
        result.text = tr("Cannot preview: %1")
                          .arg(result.load.message.isEmpty() ? tr("the entry is damaged") : result.load.message);
        return;
    }
    const bool whole = result.load.status == Status::Complete;
    if (LooksLikeImage(name, data)) {
        if (!whole) {
            //: %1 is a size such as "64 MB"
            result.text = tr("Pictures over %1 are not previewed").arg(MegabytesText(limits.imageBytes));
            result.offerOpen = true;
            return;
        }
        const DecodedImage decoded = DecodePreviewImage(data, limits);
        result.text = decoded.error;
        result.offerOpen = decoded.tooLarge;
        if (!decoded.image.isNull()) {
            result.page = Page::Image;
            result.image = decoded.image;
            //: The picture's width and height
            result.note = tr("%1 × %2 pixels")
                              .arg(QString::number(decoded.image.width()), QString::number(decoded.image.height()));
        }
        return;
    }
    if (DecodePreviewText(data, !whole, result.text)) {
        result.page = Page::Text;
        if (!whole)
            //: %1 is a size such as "4 MB"
            result.note = tr("Showing the first %1").arg(MegabytesText(limits.textBytes));
        return;
    }
    result.page = Page::Hex;
    result.text = HexDump(data, limits.hexBytes);
    if (!whole || data.size() > limits.hexBytes)
        result.note = tr("Showing the first %1").arg(MegabytesText(std::min(data.size(), limits.hexBytes)));
}

void PreviewPane::finish(const std::shared_ptr<Result>& result)
{
    // A newer selection took over: this one's result is not shown.
    if (result->generation != m_generation)
        return;
    m_loading = false;
    using Status = EntryDataResult::Status;
    switch (result->load.status) {
    case Status::Cancelled:
        return;
    case Status::NeedPassword:
        if (!m_passwordDeclined)
            return askPassword();
        return showMessage(tr("Encrypted: a password is needed to preview it"), false, true);
    case Status::WrongPassword:
        m_password.clear();
        return showMessage(tr("The password is wrong"), false, true);
    default:
        break;
    }
    if (result->page == Page::Message) {
        showMessage(result->text, result->offerOpen);
        return;
    }
    setNote(result->note);
    m_noteOpen->setVisible(!result->note.isEmpty() && result->page != Page::Image);
    m_wrap->setVisible(result->page == Page::Text);
    if (result->page == Page::Text)
        m_text->setPlainText(result->text);
    else if (result->page == Page::Hex)
        m_hex->setPlainText(result->text);
    else
        m_image->setImage(result->image);
    m_pages->setCurrentIndex(int(result->page));
    emit shown();
}

void PreviewPane::askPassword()
{
    const std::optional<QString> typed = m_askPassword ? m_askPassword() : std::nullopt;
    if (!typed || typed->isEmpty()) {
        // Not asked again for each entry the arrow keys pass; the button asks.
        m_passwordDeclined = true;
        showMessage(tr("Encrypted: a password is needed to preview it"), false, true);
        return;
    }
    m_password = *typed;
    m_loading = true;
    start();
}

void PreviewPane::showMessage(const QString& text, bool offerOpen, bool offerPassword)
{
    m_message->setText(text);
    m_progress->hide();
    m_messageOpen->setVisible(offerOpen);
    m_passwordButton->setVisible(offerPassword);
    setNote({});
    m_noteOpen->hide();
    m_wrap->hide();
    m_text->clear();
    m_hex->clear();
    m_image->setImage({});
    m_pages->setCurrentIndex(int(Page::Message));
    if (!m_loading)
        emit shown();
}

void PreviewPane::setNote(const QString& text)
{
    m_note->setText(text);
}

PreviewPane::Page PreviewPane::page() const
{
    return Page(m_pages->currentIndex());
}

QString PreviewPane::propertiesText() const
{
    return m_properties->text();
}

QString PreviewPane::messageText() const
{
    return m_message->text();
}

QString PreviewPane::noteText() const
{
    return m_note->text();
}

QString PreviewPane::shownText() const
{
    return page() == Page::Hex ? m_hex->toPlainText() : m_text->toPlainText();
}

QImage PreviewPane::shownImage() const
{
    return m_image->image();
}

} // namespace marrowick
