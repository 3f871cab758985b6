#include "mainwindow/PreviewContent.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

namespace marrowick {

namespace {

bool Decodes(const QByteArray& data, QStringConverter::Encoding encoding, qsizetype skip, bool cut,
             QString& text)
{
    // Data cut at a limit: an incomplete character at its end waits for
    // bytes that never come, and is no error.
    QStringDecoder decoder(encoding, cut ? QStringConverter::Flag::Default : QStringConverter::Flag::Stateless);
    text = decoder.decode(QByteArrayView(data).sliced(skip));
    return !decoder.hasError();
}

// UTF-16 without a mark: most characters of Latin text have a zero high byte.
bool LooksLikeUtf16(const QByteArray& data, bool& littleEndian)
{
    const qsizetype pairs = std::min<qsizetype>(data.size(), 4096) / 2;
    if (pairs < 2)
        return false;
    qsizetype evenZero = 0, oddZero = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        evenZero += data[2 * i] == '\0';
        oddZero += data[2 * i + 1] == '\0';
    }
    littleEndian = oddZero > evenZero;
    const qsizetype zeros = std::max(evenZero, oddZero), others = std::min(evenZero, oddZero);
    return zeros * 10 >= pairs * 7 && others * 20 <= pairs;
}

bool TextLike(const QByteArray& data)
{
    qsizetype controls = 0;
    for (const char c : data) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0)
            return false;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f')
            ++controls;
    }
    return controls * 100 <= data.size();
}

} // namespace

bool DecodePreviewText(const QByteArray& data, bool cut, QString& text)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return Decodes(data, QStringConverter::Utf8, 3, cut, text);
    if (data.startsWith("\xFF\xFE"))
        return Decodes(data, QStringConverter::Utf16LE, 2, cut, text);
    if (data.startsWith("\xFE\xFF"))
        return Decodes(data, QStringConverter::Utf16BE, 2, cut, text);
    bool littleEndian = true;
    if (LooksLikeUtf16(data, littleEndian))
        return Decodes(data, littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, 0,
                       cut, text);
    if (!TextLike(data))
        return false;
    if (Decodes(data, QStringConverter::Utf8, 0, cut, text))
        return true;
    text = QString::fromLatin1(data);
    return true;
}

QString HexDump(const QByteArray& data, qsizetype bytes)
{
    static const char digits[] = "0123456789abcdef";
    const qsizetype size = std::min(data.size(), bytes);
    QString out;
    out.reserve((size / 16 + 1) * 78);
    for (qsizetype line = 0; line < size; line += 16) {
        out += QStringLiteral("%1  ").arg(line, 8, 16, QLatin1Char('0'));
        QString ascii;
        for (qsizetype i = line; i < line + 16; ++i) {
            if (i < size) {
                const auto u = static_cast<unsigned char>(data[i]);
                out += QLatin1Char(digits[u >> 4]);
                out += QLatin1Char(digits[u & 15]);
                ascii += u >= 0x20 && u < 0x7f ? QLatin1Char(char(u)) : QLatin1Char('.');
            } else {
                out += QStringLiteral("  ");
            }
            out += i == line + 7 ? QStringLiteral("  ") : QStringLiteral(" ");
        }
        out += QLatin1Char(' ') + ascii + QLatin1Char('\n');
    }
    return out;
}

bool LooksLikeImage(const QString& name, const QByteArray& data)
{
    const QByteArray suffix = QFileInfo(name).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix))
        return true;
    QBuffer buffer;
    buffer.setData(data.left(4096));
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    // Formats with a signature of their own; the weaker guesses (tga, pbm
    // and the like) would take random bytes for a picture.
    static const QList<QByteArray> signed_ = {"png", "jpeg", "gif", "bmp", "webp", "ico",
                                              "tiff", "svg", "jp2", "heif", "avif"};
    return signed_.contains(format);
}

DecodedImage DecodePreviewImage(const QByteArray& data, const PreviewLimits& limits)
{
    DecodedImage out;
    // Four bytes a pixel: the decoder may not allocate more than the limit's
    // pixels need, whatever the header says.
    QImageReader::setAllocationLimit(int(limits.imagePixels * 4 / (1024 * 1024)) + 1);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > limits.imagePixels) {
        out.tooLarge = true;
        //: %1 and %2 are the picture's width and height
        out.error = QCoreApplication::translate("PreviewContent",
                                                "The picture is %1 × %2 pixels: too large to preview")
                        .arg(QString::number(size.width()), QString::number(size.height()));
        return out;
    }
    if (!reader.read(&out.image)) {
        out.image = QImage();
        //: %1 is the image reader's own reason
        out.error = QCoreApplication::translate("PreviewContent", "Not a picture Marrowick can show: %1")
                        .arg(reader.errorString());
    }
    return out;
}

} // namespace marrowick
