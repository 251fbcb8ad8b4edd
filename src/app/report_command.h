#pragma once
// The reports without a window: tavu --pdf, --print and --csv. The book is
// read in place (book_source.h), so no data file is ever written, converted,
// promoted or deleted; the output appears whole or not at all. Every failure
// is one line on stderr and its own exit status (command_line.h).

#include "app/command_line.h"

namespace app {

// Sets up what the command needs before the application object is built:
// the offscreen platform, so that no display is needed.
void prepare_report_command(const CommandLine& line);

// Whether the command needs a GUI application (fonts, painter, printer).
bool report_needs_gui(const CommandLine& line);

// Runs it; the application object exists. Returns the exit status.
int run_report_command(const CommandLine& line);

} // namespace app
