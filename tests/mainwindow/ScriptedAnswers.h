#pragma once

#include "engine/UserPrompts.h"

#include <QStringList>

#include <deque>

namespace marrowick::test {

// Answers the window's questions from a script and records every message, so
// GUI tests never block on a modal box. Yes/no answers run out as "no".
class ScriptedAnswers final : public IUserPrompts
{
public:
    void showErrorBox(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text, const QString&) override
    {
        questions << text;
        const bool answer = !yesNo.empty() && yesNo.front();
        if (!yesNo.empty())
            yesNo.pop_front();
        return answer;
    }
    void showInformation(const QString& text, const QString&) override { information << text; }
    std::optional<QString> askPassword(const QString&, const QString&) override { return password; }
    void showComment(const QString& text) override { comments << text; }

    QStringList errors, questions, information, comments;
    std::deque<bool> yesNo;
    std::optional<QString> password;
};

} // namespace marrowick::test
