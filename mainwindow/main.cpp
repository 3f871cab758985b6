#include "mainwindow/fMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowick"));
    marrowick::fMain window;
    window.Form_Load(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    window.showCentred();
    return QApplication::exec();
}
