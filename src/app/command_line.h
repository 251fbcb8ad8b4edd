#pragma once
// The program's options. Read before any window exists, so that --help and
// --version answer on a terminal without a display. Qt's own options
// (-platform, -style, ...) are let through to QApplication.
//
//   tavu                 works in the current folder
//   tavu --folder DIR    works in DIR, made when missing; a leading "~" is
//                        the home folder, as the desktop menu starts it
//
// With --pdf, --print or --csv there is no window: the report of the book in
// FOLDER (default the current one) is made and the program ends with one of
// the exit statuses of ui/report_output.h (report_command.h).

#include "print/reports.h"

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

    // A report instead of the window.
    enum class Output { Window, Pdf, Print, Csv };
    Output output = Output::Window;
    Report report = Report::Summary;
    QString out; // --out as an absolute path; empty for the folder's naming rule
    // The year's totals over past periods instead of the book (report
    // "periods"): from archive `from` to `to` (empty: the oldest; the current
    // period last).
    bool periods = false;
    QString from, to;
    // --csv payments: the payments record instead of the book's table.
    bool payments = false;
};

// The program's name and version as --version prints them.
void name_program();

CommandLine read_command_line(const QStringList& arguments);

// Makes the folder (when missing) and moves into it. When it cannot, says so
// in a message box and returns false; an empty folder is the current one.
bool enter_working_folder(const QString& folder);

} // namespace app
