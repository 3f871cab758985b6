#pragma once

#include <QString>

#include <optional>

namespace marrowick {

// The questions and messages an archive run puts to the user. The window
// answers them with modal dialogs; tests answer them from a script.
class IUserPrompts
{
public:
    virtual ~IUserPrompts() = default;

    // Critical icon, OK button, title "Error".
    virtual void showErrorBox(const QString& text) = 0;
    // Yes/No, Yes the default, no icon. True for Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // OK button, no icon.
    virtual void showInformation(const QString& text, const QString& title) = 0;
    // One-line input; std::nullopt when the user cancels.
    virtual std::optional<QString> askPassword(const QString& prompt, const QString& title) = 0;
    // The archive comment, shown modally until the user closes it.
    virtual void showComment(const QString& text) = 0;
};

} // namespace marrowick
