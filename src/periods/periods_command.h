#pragma once
// tavu --pdf periods, --print periods and --csv periods: the year's totals of
// the working folder's past periods without a window. Archives are read in
// place and never written; an archive in the range that cannot be read is
// named on standard error and left out.

#include "app/command_line.h"

namespace app {

// Runs in the book's folder (already entered); returns the exit status.
int run_periods_command(const CommandLine& line);

} // namespace app
