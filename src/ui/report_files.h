#pragma once
// How report files are named in the working folder: by report and time
// ("summary-20261208-153000.pdf"), then "-2", "-3", ... before the suffix
// when that name is taken. A report file never replaces an existing file.

#include <QString>

namespace ui {

// The time in a report file's name, now.
QString report_stamp();

// The n-th name to try (n = 1, 2, ...) in `folder`.
QString report_file_path(const QString& folder, const QString& report, const QString& stamp, int n,
                         const QString& suffix);

} // namespace ui
