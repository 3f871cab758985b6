#include "mainwindow/CommandLine.h"
#include "mainwindow/fMain.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

// With MARROWICK_EXIT_ON_FIRST_PAINT set, the program says "painted" and quits
// once the main window has been painted for the first time: the benchmark
// times start-up with it.
class FirstPaintExit final : public QObject
{
  public:
    explicit FirstPaintExit(QWidget* window) : m_window(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_done = true;
            // After the whole paint pass, not inside it.
            QTimer::singleShot(0, qApp, [] {
                std::puts("painted");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* m_window;
    bool m_done = false;
};

// Takes "--lang LANG" (or "--lang=LANG") out of the arguments, so the rest is
// the start-up command line as ever. Returns LANG; empty when not given.
QString TakeLanguage(QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--lang="))) {
            const QString language = args[i].mid(7);
            args.removeAt(i);
            return language;
        }
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size()) {
            const QString language = args[i + 1];
            args.remove(i, 2);
            return language;
        }
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    // Without TZ the C library looks up the local time zone file again for
    // every time it converts, which the UnRAR library does once per entry.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marrowick"));
    QStringList args = QApplication::arguments().mid(1);
    LoadTranslations(TakeLanguage(args));
    marrowick::fMain window;
    FirstPaintExit firstPaint(&window);
    if (qEnvironmentVariableIsSet("MARROWICK_EXIT_ON_FIRST_PAINT"))
        app.installEventFilter(&firstPaint);
    window.useSettings(std::make_unique<QSettings>(QStringLiteral("Marrowick"), QStringLiteral("marrowick")));
    window.Form_Load(marrowick::JoinArguments(args));
    window.showCentred();
    return QApplication::exec();
}
