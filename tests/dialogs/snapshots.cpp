// Renders the About window and the help viewer to PNG files so their look can
// be checked by eye: run under Xvfb with the guide path and an output folder.
//   xvfb-run -a ./snapshots <guide.html> <folder> [topic number | keyword]
#include "dialogs/frmAbout.h"
#include "help/HelpViewer.h"
#include "help/WinHelpApi.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

using namespace marrowick;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString guide = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));

    frmAbout about(nullptr, [](const QUrl&) { return true; });
    about.show();
    // A third argument picks the page: a topic number, or else a keyword.
    const QString page = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    bool isNumber = false;
    const int topic = page.toInt(&isNumber);
    const int shown = page.isEmpty() ? WinHelpA(0, guide, HELP_CONTENTS, std::int32_t(0))
                      : isNumber     ? WinHelpA(0, guide, HELP_CONTEXT, std::int32_t(topic))
                                     : WinHelpA(0, guide, HELP_PARTIALKEY, page);
    if (shown == 0)
        return 1;
    HelpViewer* viewer = HelpViewer::find(guide);
    viewer->move(about.width() + 40, 0);

    QTimer::singleShot(500, [&] {
        const bool ok = about.grab().save(out.filePath(QStringLiteral("about.png")))
                        && viewer->grab().save(out.filePath(QStringLiteral("help.png")));
        QApplication::exit(ok ? 0 : 1);
    });
    return QApplication::exec();
}
