#pragma once

#include "help/WinHelpApi.h"

#include <QString>

#include <cstdint>

namespace marrowick {

// The numbers of the errors CWinHelp raises, as ComponentError with the source
// "<executable>.CWinHelp". They read negative as signed 32-bit numbers.
namespace WinHelpError {
inline constexpr std::int32_t NotInitialized = static_cast<std::int32_t>(0x8004481DU);
inline constexpr std::int32_t InvalidFileName = static_cast<std::int32_t>(0x8004481EU);
inline constexpr std::int32_t FileNotFound = static_cast<std::int32_t>(0x8004481FU);
inline constexpr std::int32_t InvalidWindowHandle = static_cast<std::int32_t>(0x80044820U);
inline constexpr std::int32_t CallFailed = static_cast<std::int32_t>(0x80044821U);
inline constexpr std::int32_t ComponentFailure = static_cast<std::int32_t>(0x80044822U);
} // namespace WinHelpError

// The description that goes with one of the numbers above ("" for others).
QString WinHelpErrorDescription(std::int32_t number);

// A help file and the window that owns its help, with one operation per help
// request. Requests go through WinHelpA; failures are raised, never returned.
// Releasing an instance tells the engine that its file is no longer needed.
class CWinHelp final
{
public:
    CWinHelp() = default;
    ~CWinHelp();
    CWinHelp(const CWinHelp&) = delete;
    CWinHelp& operator=(const CWinHelp&) = delete;

    // Checks and stores both. The file is kept even when the owner is then
    // refused; an owner of 0 or below is taken without a check.
    void Init(const QString& fileName, std::int32_t hWndOwner = 0);

    QString FileName() const { return m_fileName; }
    void setFileName(const QString& value);

    std::int32_t HWndOwner() const { return m_hWndOwner; }
    // Unlike Init, any value that names no window is refused, 0 included.
    void setHWndOwner(std::int32_t hWnd);

    void CloseFile();
    void RunMacro(const QString& macro);
    void Search(const QString& keyword);
    void ShowContents();
    void ShowContext(std::int32_t contextId);
    void ShowFinder();
    void ShowHelpOnHelp();
    void ShowSearch();

private:
    bool HelpFileExists(const QString& path) const;
    void CheckFileName(const QString& value) const;
    void RequireFile() const;
    void Request(unsigned command, const HelpData& data);

    QString m_fileName;
    std::int32_t m_hWndOwner = 0;
};

} // namespace marrowick
