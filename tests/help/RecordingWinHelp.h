#pragma once

#include "help/WinHelpApi.h"

#include <QString>

#include <stdexcept>
#include <vector>

namespace marrowick::testing {

// A help engine that writes down every request and answers as told.
struct WinHelpCall
{
    int owner;
    QString file;
    unsigned command;
    HelpData data;
};

struct RecordingWinHelp
{
    static inline std::vector<WinHelpCall> calls;
    static inline int answer = 1;
    static inline bool throwInstead = false;

    static int Engine(int owner, const QString& file, unsigned command, const HelpData& data)
    {
        calls.push_back({owner, file, command, data});
        if (throwInstead)
            throw std::runtime_error("engine broke");
        return answer;
    }

    static void Install()
    {
        calls.clear();
        answer = 1;
        throwInstead = false;
        SetWinHelpFunction(&Engine);
    }

    static void Remove() { SetWinHelpFunction(nullptr); }
};

} // namespace marrowick::testing
