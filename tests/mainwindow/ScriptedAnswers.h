#pragma once

#include "engine/UserPrompts.h"

#include <QStringList>

#include <deque>

namespace marrowick::test {

// Answers the window's questions from a script and records every message, so
// GUI tests never block on a modal box.
class ScriptedAnswers final : public IUserPrompts
{
public:
    void showErrorBox(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text, const QString&) override
    {
        questions << text;
        if (yesNo.empty())
            return false;
        const bool answer = yesNo.front();
        yesNo.pop_front();
        return answer;
    }
    void showInformation(const QString& text, const QString&) override { information << text; }
    std::optional<QString> askPassword(const QString& prompt, const QString&) override
    {
        passwordPrompts << prompt;
        return password;
    }
    void showComment(const QString& text) override { comments << text; }

    QStringList errors;
    QStringList questions;
    QStringList information;
    QStringList passwordPrompts;
    QStringList comments;
    std::deque<bool> yesNo;
    std::optional<QString> password;
};

} // namespace marrowick::test
