#pragma once
// tavu --pdf periods, --print periods and --csv periods: the year's totals of
// the working folder's past periods without a window. Archives are read in
// place and never written; an archive in the range that cannot be read is
// named on standard error and left out.

#include "ui/report_output.h"

#include <QString>

namespace periods {

// Runs in the book's folder (already entered): the periods from archive
// `from` to `to` (empty: the oldest; the current period last) to `target`,
// into `out` (empty: the folder's naming rule). Returns the exit status.
int run_periods_command(const QString& from, const QString& to, ui::ReportTarget target,
                        const QString& out);

} // namespace periods
