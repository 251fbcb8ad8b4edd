#pragma once
// What the report commands of the command line share: their one-line
// messages, the --out file, and the two ways a report leaves (a CSV file; a
// PDF or the printer), with the exit status of each outcome.

#include "ui/printer.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <functional>

namespace ui {

// Exit statuses, each listed in --help.
enum ExitStatus {
    kExitDone = 0,
    kExitFolderUnusable = 1, // the window's working folder cannot be made or entered
    kExitWrongArgument = 2,
    kExitNoDataFile = 3,
    kExitDamagedDataFile = 4,
    kExitNotWritten = 5,
    kExitNoPrinter = 6,
    kExitPrinterRefused = 7,
    kExitNothingOwed = 8, // the unpaid list of a book where nobody owes
};

// Where a report goes.
enum class ReportTarget { Pdf, Printer, Csv };

void say(std::FILE* stream, const QString& text);
// "tavu: <message>" on standard error; returns `status`.
int failed(int status, const QString& message);
QString shown(const QString& path);

// The file --out names, as it is to be written: only a regular file is
// replaced, through a link the file it leads to. False (told) when it is
// something else.
bool out_target(const QString& given, QString& out);

// Writes `bytes` to `out`, or with `out` empty as a new file of the working
// folder named by `report` and time; says the path written.
int csv_output(const QByteArray& bytes, const QString& report, const QString& out);

// Draws the report into a PDF (to `out`, or a new file named by `report`)
// or onto the default printer, and says where it went.
int paper_output(const QString& report, bool to_pdf, const QString& out,
                 const std::function<void(Printer&)>& draw);

} // namespace ui
