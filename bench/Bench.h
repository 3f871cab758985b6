// What every figure of marrowick-bench is measured with: timing, child
// processes, the side-by-side pairs and the lines they print.
#pragma once

#include "engine/UserPrompts.h"

#include <QList>
#include <QString>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace marrowick::bench {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start);
double Median(std::vector<double> values);

// Where the figures come from and how often each is taken.
struct Setup
{
    int runs = 5;
    bool skipBig = false;
    QList<int> only; // the figures asked for, by number
    QString many;    // the 100,100-entry archive
    QString big;     // the one 1 GiB entry
    QString scratch; // a folder of this run, removed at its end
    std::string cli;
    std::string window;
    std::string unrar;
    std::string self; // this program, for figures taken in a process of their own
};

// Nobody answers: every question gets its quiet default.
class SilentPrompts final : public IUserPrompts
{
  public:
    void showErrorBox(const QString& text) override
    {
        std::fprintf(stderr, "bench: error box: %s\n", qUtf8Printable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return true; }
    void showInformation(const QString&, const QString&) override {}
    std::optional<QString> askPassword(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void showComment(const QString&) override {}
};

struct ChildResult
{
    double seconds = 0;
    double maxRssMb = 0;
    int status = -1;
    std::string firstLine; // with readFirstLine: what the child printed first
    double firstLineSeconds = 0;
    // The CPU time (user and system) of the child itself, without its own
    // children's (a reader); read while it is a zombie, from its one thread.
    double ownCpuSeconds = 0;
};

// Runs a program to its end; stdout goes to /dev/null (or stdoutPath), or is
// read up to its first line. wait4 gives this child's own peak memory.
ChildResult Spawn(const std::vector<std::string>& arguments, bool readFirstLine = false,
                  const char* stdoutPath = "/dev/null");

// One line: both sides, the target and the ratio.
void PrintPair(const char* what, const char* ours, double oursSeconds, const char* theirs,
               double theirsSeconds, double target);

// Runs both sides in turn, runs times, and prints the medians.
void SideBySide(const char* what, int runs, double target, const char* ours,
                const std::function<double()>& runOurs, const char* theirs,
                const std::function<double()>& runTheirs);

// A process that writes into a new empty folder under scratch, timed;
// wroteNothing is set when it left the folder empty.
double IntoEmptyFolder(const QString& scratch,
                       const std::function<std::vector<std::string>(const std::string&)>& command,
                       bool* wroteNothing = nullptr);

// One listing into the real window, started and timed here: its wall time
// and the CPU time of this process (a reader is a process of its own).
struct WindowListing
{
    double seconds = 0;
    double cpuSeconds = 0;
    int rows = 0;
};
WindowListing ListIntoWindow(const QString& archive);

// The figures taken inside this process, through the real window
// (WindowRows.cpp).
void ListWindowRow(const Setup& setup);
void PeakMemoryRow(const Setup& setup);
void ReaderStartRow(const Setup& setup);
void SortRows(const Setup& setup);
void BrowseRows(const Setup& setup);
// bench --child-list ARCHIVE: one window listing, its peak memory printed.
int ChildList(const QString& archive);

// The program's own CPU time per listed row, in the command line and in the
// window, the reader's left out (ProgramCpu.cpp).
void ProgramCpuRow(const Setup& setup);

// The reader's own work: one named entry, test and extraction with one
// reader and with two (ReaderRows.cpp).
void ReaderWorkRows(const Setup& setup);
// One entry from the middle of many.rar into memory, as the preview reads it.
void PreviewRow(const Setup& setup);

} // namespace marrowick::bench
