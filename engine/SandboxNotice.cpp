#include "engine/SandboxNotice.h"

#include "engine/ReaderProtocol.h"

#include <QStringList>

#include <cstdio>
#include <mutex>

namespace marrowick {

namespace {

using namespace reader;

std::mutex g_lock;
std::uint32_t g_missing = 0;
bool g_told = false;

struct Layer
{
    std::uint32_t flag;
    const char* shortName;
    const char* sentence;
};

const Layer kLayers[] = {
    {SandboxSeccomp, "its system-call filter",
     "seccomp is not available here; the archive reader runs without its system-call filter"},
    {SandboxLandlock, "Landlock",
     "this kernel has no Landlock; the archive reader is not kept from reading outside the "
     "archive's folder"},
    {SandboxNamespaces, "namespaces of its own",
     "this kernel does not let the archive reader have user namespaces; it shares the program's "
     "PID, IPC and network namespaces"},
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
            QString sentence = QString::fromLatin1(layer.sentence);
            sentence[0] = sentence[0].toUpper();
            sentences << sentence + QLatin1Char('.');
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
    QStringList missing;
    for (const Layer& layer : kLayers) {
        if (g_missing & layer.flag)
            missing << QString::fromLatin1(layer.shortName);
    }
    return QStringLiteral("The archive reader runs without %1 (see About)")
        .arg(missing.join(QStringLiteral(" and ")));
}

} // namespace marrowick
