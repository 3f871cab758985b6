#include "dialogs/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace marrowick {

double LogicalDpi(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int TwipsToPixels(double twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int TwipsToPixels(double twips, const QWidget* widget)
{
    return TwipsToPixels(twips, LogicalDpi(widget));
}

double PixelsToTwips(int pixels, double dpi)
{
    return pixels * 1440.0 / dpi;
}

double PixelsToTwips(int pixels, const QWidget* widget)
{
    return PixelsToTwips(pixels, LogicalDpi(widget));
}

} // namespace marrowick
