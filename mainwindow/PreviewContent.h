#pragma once

// What the preview pane makes of an entry's bytes: text, a picture or a hex
// dump. Plain functions of the bytes, run on a worker thread: nothing here
// touches a widget.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

namespace marrowick {

// The bounds of a preview: past them the pane says so and offers Open.
struct PreviewLimits
{
    qsizetype textBytes = qsizetype(4) << 20;   // the first 4 MB are shown
    qsizetype imageBytes = qsizetype(64) << 20; // packed and as read
    qint64 imagePixels = 100'000'000;           // decoded
    qsizetype hexBytes = qsizetype(64) << 10;   // the first 64 KB are dumped
};

// The decoded text of bytes that read as text: UTF-8 or UTF-16 with its
// byte order mark, UTF-16 told by its zero bytes, UTF-8 that decodes
// cleanly, else Latin-1 when hardly any control characters are in it.
// False for anything else. A buffer cut at a limit may end in the middle of
// a character; that is not held against it.
bool DecodePreviewText(const QByteArray& data, bool cut, QString& text);

// "00000000  48 65 6c 6c 6f ...  Hello..." lines of 16 bytes, of at most
// bytes of data.
QString HexDump(const QByteArray& data, qsizetype bytes);

// True when the name's suffix or the bytes' first ones are a picture format
// one of Qt's image plugins reads.
bool LooksLikeImage(const QString& name, const QByteArray& data);

struct DecodedImage
{
    QImage image;  // null when not decoded
    QString error; // why not, for the pane's message
    bool tooLarge = false; // refused by the limit rather than broken
};

// Decodes a picture with the reader's allocation bounded and its size looked
// at before a pixel is decoded: a header claiming more than the limit's
// pixels is refused, malformed data is an error, never a crash.
DecodedImage DecodePreviewImage(const QByteArray& data, const PreviewLimits& limits);

} // namespace marrowick
