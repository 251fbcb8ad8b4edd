#pragma once

#include <QString>

namespace ui {

// Starts a command line as a program of its own (not waited for). Returns
// false when the program could not be started.
bool start_program(const QString& command_line);

} // namespace ui
