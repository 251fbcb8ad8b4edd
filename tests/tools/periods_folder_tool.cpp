// Writes past periods into kako/ of the current folder, and the current book,
// for the benchmark script and for looking at the year's totals:
//
//   periods_folder_tool ARCHIVES    as write_past_periods (support/past_periods_folder.h)
#include "support/past_periods_folder.h"

#include <cstdlib>

int main(int argc, char** argv) {
    const int archives = argc == 2 ? std::atoi(argv[1]) : 0;
    if (archives <= 0) return 2;
    return write_past_periods(archives) ? 0 : 1;
}
