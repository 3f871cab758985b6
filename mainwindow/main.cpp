#include "mainwindow/CommandLine.h"
#include "mainwindow/fMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowick"));
    marrowick::fMain window;
    window.Form_Load(marrowick::JoinArguments(QApplication::arguments().mid(1)));
    window.showCentred();
    return QApplication::exec();
}
