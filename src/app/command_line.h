#pragma once
// The program's options. Read before any window exists, so that --help and
// --version answer on a terminal without a display. Qt's own options
// (-platform, -style, ...) are let through to QApplication.
//
//   tavu                 works in the current folder
//   tavu --folder DIR    works in DIR, made when missing; a leading "~" is
//                        the home folder, as the desktop menu starts it

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    // False when the program is to end at once with exit_code: the help or
    // the version was printed, or a mistake in the options was reported.
    bool run = true;
    int exit_code = 0;
    // The working folder asked for, "~" expanded; empty for the current one.
    QString folder;
};

// The program's name and version as --version prints them.
void name_program();

CommandLine read_command_line(const QStringList& arguments);

// Makes the folder (when missing) and moves into it. When it cannot, says so
// in a message box and returns false; an empty folder is the current one.
bool enter_working_folder(const QString& folder);

} // namespace app
