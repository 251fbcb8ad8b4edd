#pragma once
// How report files are named in the working folder: by report and time
// ("summary-20261208-153000.pdf"), then "-2", "-3", ... before the suffix
// when that name is taken. A report file never replaces an existing file.

#include "book/work_files.h"

#include <QByteArray>
#include <QString>

namespace ui {

// The time in a report file's name, now.
QString report_stamp();

// The n-th name to try (n = 1, 2, ...) in `folder`.
QString report_file_path(const QString& folder, const QString& report, const QString& stamp, int n,
                         const QString& suffix);

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

} // namespace ui
