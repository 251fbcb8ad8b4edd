#pragma once
// The CSV files (book/csv_table.h, book/payments_csv.h) of the ＣＳＶ出力 entries
// under ファイル and of tavu --csv.

#include "book/book.h"
#include "book/work_files.h"

#include <QString>

// Writes a CSV text to `out`, replacing it in one step; with `out` empty, as
// a new file in `folder` named by `report` and time ("book-20261208-153000.csv",
// as a PDF without a printer is named), never over another file. The path
// written goes to `written`. On failure no file is left.
WriteResult write_report_csv(const QByteArray& bytes, const QString& report, const QString& out,
                             const QString& folder, QString& written);

// The window's CSV commands: writes the table as a new file of the working
// folder and tells the user where, or that it could not. `what` names the
// table in the message ("年間集計を "), or is empty.
void write_csv_and_tell(const QByteArray& bytes, const QString& report,
                        const QString& what = QString());
