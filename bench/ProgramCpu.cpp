// 11. What listing costs the program itself, per row: its own CPU time (user
// and system) with the reader's left out, which is the library's walk and
// the same whatever the program does with the rows.
#include "bench/Bench.h"

#include <algorithm>

namespace marrowick::bench {

namespace {

// The median, and the least of the runs: on a shared machine the other
// programs' work slows this one's too, which the least shows the least.
void PrintPerRow(const char* who, const std::vector<double>& cpuSeconds, int rows)
{
    const double perRow = rows > 0 ? 1e6 / rows : 0;
    const double median = Median(cpuSeconds) * perRow;
    const double least = *std::min_element(cpuSeconds.begin(), cpuSeconds.end()) * perRow;
    std::printf("%-28s %-13s %8.2f us  target <= 0.5 us   ratio %.3f   (least %.2f us)\n",
                "program CPU per listed row", who, median, median / 0.5, least);
    std::fflush(stdout);
}

} // namespace

void ProgramCpuRow(const Setup& setup)
{
    // The command line: the whole process, start-up included; many.rar has
    // 100,100 entries.
    constexpr int kManyRows = 100100;
    std::vector<double> cli;
    std::vector<double> window;
    int rows = 0;
    for (int i = 0; i < setup.runs; ++i) {
        cli.push_back(Spawn({setup.cli, "list", setup.many.toStdString()}).ownCpuSeconds);
        // The window: from the start of the run to the title and icons.
        const WindowListing listing = ListIntoWindow(setup.many);
        window.push_back(listing.cpuSeconds);
        rows = listing.rows;
    }
    PrintPerRow("marrowick-cli", cli, kManyRows);
    PrintPerRow("window", window, rows);
}

} // namespace marrowick::bench
