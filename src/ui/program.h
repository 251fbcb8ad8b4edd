#pragma once

#include <QString>

namespace ui {

// Starts a command line as a program of its own (not waited for). Returns
// false when the program could not be started.
bool start_program(const QString& command_line);

// Whether the program was started from a shell (its standard input, output
// or error is a terminal) rather than from the desktop menu, whose users
// have no terminal to type a command into.
bool started_from_shell();
// Tests decide it instead of the terminal the test happens to run in.
void set_started_from_shell(bool from_shell);

} // namespace ui
