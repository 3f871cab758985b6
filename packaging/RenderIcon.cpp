// Renders the program's SVG icon into the PNG sizes of the hicolor icon theme,
// at build time, so the pictures in the menu always match the SVG that the
// window itself shows.
//
//   marrowick_render_icon <icon.svg> <theme folder> <icon name> <size>...
//
// writes <theme folder>/<size>x<size>/apps/<icon name>.png for every size.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "marrowick_render_icon: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        return Fail(
            QStringLiteral("usage: marrowick_render_icon icon.svg theme-folder icon-name size..."));

    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return Fail(QStringLiteral("cannot read %1").arg(source));

    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024)
            return Fail(QStringLiteral("bad size %1").arg(QString::fromLatin1(argv[i])));

        // Start from full transparency: the theme shows the icon on any background.
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }

        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder))
            return Fail(QStringLiteral("cannot create %1").arg(theme.filePath(folder)));
        const QString target =
            theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!image.save(target, "PNG"))
            return Fail(QStringLiteral("cannot write %1").arg(target));
    }
    return 0;
}
