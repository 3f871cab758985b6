#include "help/CWinHelp.h"

#include "engine/ComponentError.h"
#include "help/WindowHandles.h"

#include <QCoreApplication>
#include <QFile>

#include <glob.h>
#include <sys/stat.h>

namespace marrowick {

namespace {

[[noreturn]] void Raise(std::int32_t number)
{
    throw ComponentError(number, ErrorSource(QStringLiteral("CWinHelp")),
                         WinHelpErrorDescription(number));
}

bool IsOwnError(const ComponentError& e)
{
    switch (e.number()) {
    case WinHelpError::NotInitialized:
    case WinHelpError::InvalidFileName:
    case WinHelpError::FileNotFound:
    case WinHelpError::InvalidWindowHandle:
    case WinHelpError::CallFailed:
    case WinHelpError::ComponentFailure:
        return e.source() == ErrorSource(QStringLiteral("CWinHelp"));
    default:
        return false;
    }
}

// Our own errors pass through as raised; anything else that goes wrong while
// an operation runs becomes the one component failure, so callers only ever
// see the numbers they know.
template <typename Body>
void Guarded(Body&& body)
{
    try {
        body();
    } catch (const ComponentError& e) {
        if (IsOwnError(e))
            throw;
        Raise(WinHelpError::ComponentFailure);
    } catch (...) {
        Raise(WinHelpError::ComponentFailure);
    }
}

// Only blanks count, as in the checks this class has always made: a name of
// tabs is a name, just not one of a file that exists.
QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString WinHelpErrorDescription(std::int32_t number)
{
    switch (number) {
    case WinHelpError::NotInitialized:
        return QCoreApplication::translate("WinHelpErrors", "Object not properly initialized");
    case WinHelpError::InvalidFileName:
        return QCoreApplication::translate("WinHelpErrors", "Invalid file name");
    case WinHelpError::FileNotFound:
        return QCoreApplication::translate("WinHelpErrors", "File not found");
    case WinHelpError::InvalidWindowHandle:
        return QCoreApplication::translate("WinHelpErrors", "Invalid window handle");
    case WinHelpError::CallFailed:
        return QCoreApplication::translate("WinHelpErrors", "Call to WinHelp failed");
    case WinHelpError::ComponentFailure:
        return QCoreApplication::translate("WinHelpErrors", "CWinHelp component failure");
    default:
        return QString();
    }
}

CWinHelp::~CWinHelp()
{
    if (TrimSpaces(m_fileName).isEmpty())
        return;
    try {
        WinHelpA(m_hWndOwner, m_fileName, HELP_QUIT, HelpData(std::int32_t(0)));
    } catch (...) {
        // Releasing help must never fail the code that lets it go.
    }
}

void CWinHelp::Init(const QString& fileName, std::int32_t hWndOwner)
{
    Guarded([&] {
        CheckFileName(fileName);
        m_fileName = fileName;
        if (hWndOwner > 0 && !IsWindow(hWndOwner))
            Raise(WinHelpError::InvalidWindowHandle);
        m_hWndOwner = hWndOwner;
    });
}

void CWinHelp::setFileName(const QString& value)
{
    Guarded([&] {
        CheckFileName(value);
        m_fileName = value;
    });
}

void CWinHelp::setHWndOwner(std::int32_t hWnd)
{
    Guarded([&] {
        if (!IsWindow(hWnd))
            Raise(WinHelpError::InvalidWindowHandle);
        m_hWndOwner = hWnd;
    });
}

void CWinHelp::CloseFile()
{
    Guarded([&] {
        if (!m_fileName.isEmpty())
            Request(HELP_QUIT, HelpData(QString()));
    });
}

void CWinHelp::RunMacro(const QString& macro)
{
    Guarded([&] {
        RequireFile();
        Request(HELP_COMMAND, HelpData(macro));
    });
}

void CWinHelp::Search(const QString& keyword)
{
    Guarded([&] {
        RequireFile();
        Request(HELP_PARTIALKEY, HelpData(keyword));
    });
}

void CWinHelp::ShowContents()
{
    Guarded([&] {
        RequireFile();
        Request(HELP_CONTENTS, HelpData(std::int32_t(0)));
    });
}

void CWinHelp::ShowContext(std::int32_t contextId)
{
    Guarded([&] {
        RequireFile();
        Request(HELP_CONTEXT, HelpData(contextId));
    });
}

void CWinHelp::ShowFinder()
{
    Guarded([&] {
        RequireFile();
        Request(HELP_FINDER, HelpData(std::int32_t(0)));
    });
}

void CWinHelp::ShowHelpOnHelp()
{
    Guarded([&] {
        RequireFile();
        Request(HELP_HELPONHELP, HelpData(std::int32_t(0)));
    });
}

void CWinHelp::ShowSearch()
{
    Guarded([&] {
        RequireFile();
        Request(HELP_PARTIALKEY, HelpData(QString()));
    });
}

void CWinHelp::CheckFileName(const QString& value) const
{
    if (TrimSpaces(value).isEmpty())
        Raise(WinHelpError::InvalidFileName);
    if (!HelpFileExists(value))
        Raise(WinHelpError::FileNotFound);
}

void CWinHelp::RequireFile() const
{
    if (m_fileName.isEmpty())
        Raise(WinHelpError::NotInitialized);
}

void CWinHelp::Request(unsigned command, const HelpData& data)
{
    if (WinHelpA(m_hWndOwner, m_fileName, command, data) == 0)
        Raise(WinHelpError::CallFailed);
}

// The platform's file search: a name with wildcards exists when anything
// matches it, and a folder's name counts like a file's.
bool CWinHelp::HelpFileExists(const QString& path) const
{
    const QByteArray native = QFile::encodeName(path);
    // The literal name first, so a file called "guide[1].html" is found as
    // itself rather than read as a pattern; lstat so a link counts as an entry.
    struct stat info {};
    if (::lstat(native.constData(), &info) == 0)
        return true;

    glob_t found {};
    const int result = ::glob(native.constData(), GLOB_NOSORT, nullptr, &found);
    ::globfree(&found);
    if (result == 0)
        return true;
    // Running out of memory is not "no such file".
    if (result == GLOB_NOSPACE)
        Raise(WinHelpError::ComponentFailure);
    return false;
}

} // namespace marrowick
