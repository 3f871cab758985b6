#include "mainwindow/CommandLine.h"
#include "mainwindow/fMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Without TZ the C library looks up the local time zone file again for
    // every time it converts, which the UnRAR library does once per entry.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowick"));
    marrowick::fMain window;
    window.Form_Load(marrowick::JoinArguments(QApplication::arguments().mid(1)));
    window.showCentred();
    return QApplication::exec();
}
