#pragma once

// The rows of the reader's own work: one named entry, and test and
// extraction of many.rar with one reader and with several.

#include <functional>
#include <string>
#include <vector>

namespace marrowick::bench {

struct BenchTools
{
    // Runs a program to its end; its time in seconds.
    std::function<double(const std::vector<std::string>&)> run;
    // Runs a program writing into a new empty folder it is given; its time.
    std::function<double(const std::function<std::vector<std::string>(const std::string&)>&)> intoEmptyFolder;
    // Times both sides in turn and prints the pair's medians.
    std::function<void(const char* what, double target, const char* ours, const std::function<double()>& runOurs,
                       const char* theirs, const std::function<double()>& runTheirs)>
        sideBySide;
};

void BenchReaderRows(const BenchTools& tools, const std::string& cli, const std::string& unrar,
                     const std::string& many);

} // namespace marrowick::bench
