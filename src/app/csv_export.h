#pragma once
// The book as a CSV file (book/csv_table.h), for ＣＳＶ出力 under ファイル and
// for tavu --csv. print_syukei has run.

#include "book/book.h"
#include "book/work_files.h"

#include <QString>

// Writes the table to `out`, replacing it in one step; with `out` empty, as a
// new file in `folder` named by report and time ("book-20261208-153000.csv",
// as a PDF without a printer is named), never over another file. The path
// written goes to `written`. On failure no file is left.
WriteResult write_csv_file(const Book& book, const QString& out, const QString& folder,
                           QString& written);
// The same for any CSV text, named by `report` ("book", "periods", ...).
WriteResult write_report_csv(const QByteArray& bytes, const QString& report, const QString& out,
                             const QString& folder, QString& written);
