#pragma once

class QWidget;

namespace marrowick {

// Window geometry is written in twips (1/1440 inch): 15 twips make one pixel
// at 96 dpi. These convert with the screen's logical dpi.
double LogicalDpi(const QWidget* widget = nullptr);
int TwipsToPixels(double twips, double dpi);
int TwipsToPixels(double twips, const QWidget* widget = nullptr);
double PixelsToTwips(int pixels, double dpi);
double PixelsToTwips(int pixels, const QWidget* widget = nullptr);

} // namespace marrowick
