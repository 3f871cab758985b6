#include "engine/SandboxNotice.h"

#include "engine/ReaderProtocol.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <mutex>

namespace marrowick {

namespace {

using namespace reader;

std::mutex g_lock;
std::uint32_t g_missing = 0;
bool g_told = false;

// The short name completes "The archive reader runs without %1"; the
// sentence goes to stderr as it is, and to the About window translated, with
// a capital letter and a full stop.
struct Layer
{
    std::uint32_t flag;
    const char* shortName;
    const char* sentence;
};

const Layer kLayers[] = {
    {SandboxSeccomp,
     //: Completes "The archive reader runs without %1"
     QT_TRANSLATE_NOOP("SandboxNotice", "its system-call filter"),
     //: The About window starts it with a capital letter and ends it with a full stop
     QT_TRANSLATE_NOOP("SandboxNotice", "seccomp is not available here; the archive reader runs "
                                        "without its system-call filter")},
    {SandboxLandlock,
     //: Completes "The archive reader runs without %1"
     QT_TRANSLATE_NOOP("SandboxNotice", "Landlock"),
     //: The About window starts it with a capital letter and ends it with a full stop
     QT_TRANSLATE_NOOP("SandboxNotice", "this kernel has no Landlock; the archive reader is not "
                                        "kept from reading outside the archive's folder")},
    {SandboxNamespaces,
     //: Completes "The archive reader runs without %1"
     QT_TRANSLATE_NOOP("SandboxNotice", "namespaces of its own"),
     //: The About window starts it with a capital letter and ends it with a full stop
     QT_TRANSLATE_NOOP("SandboxNotice", "this kernel does not let the archive reader have user "
                                        "namespaces; it shares the program's PID, IPC and "
                                        "network namespaces")},
};

} // namespace

void NoteSandbox(std::uint32_t flags)
{
    const std::lock_guard<std::mutex> hold(g_lock);
    for (const Layer& layer : kLayers) {
        if ((flags & layer.flag) || (g_missing & layer.flag))
            continue;
        g_missing |= layer.flag;
        std::fprintf(stderr, "marrowick: %s\n", layer.sentence);
    }
}

QString SandboxShortfall()
{
    const std::lock_guard<std::mutex> hold(g_lock);
    QStringList sentences;
    for (const Layer& layer : kLayers) {
        if (g_missing & layer.flag) {
            QString sentence = QCoreApplication::translate("SandboxNotice", layer.sentence);
            sentence[0] = sentence[0].toUpper();
            //: Ends a sentence of the About window with the language's full stop
            sentences << QCoreApplication::translate("SandboxNotice", "%1.").arg(sentence);
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString TakeSandboxNotice()
{
    const std::lock_guard<std::mutex> hold(g_lock);
    if (g_told || !g_missing)
        return QString();
    g_told = true;
    QString missing;
    for (const Layer& layer : kLayers) {
        if (!(g_missing & layer.flag))
            continue;
        const QString name = QCoreApplication::translate("SandboxNotice", layer.shortName);
        if (missing.isEmpty())
            missing = name;
        else
            //: Joins the missing parts of the sandbox: "A and B", "A and B and C"
            missing = QCoreApplication::translate("SandboxNotice", "%1 and %2").arg(missing, name);
    }
    //: Status bar; %1 names what is missing. About is the About window.
    return QCoreApplication::translate("SandboxNotice",
                                       "The archive reader runs without %1 (see About)")
        .arg(missing);
}

} // namespace marrowick
