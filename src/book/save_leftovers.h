#pragma once

#include <QtGlobal>
// A save interrupted (the program killed, the power gone) can leave the
// temporary file it was writing: ".allitem.dat.XXXXXX", ".allitem.hrm.XXXXXX"
// or ".allitem.bak.XXXXXX" (and the same of "allitem.pay" and
// "allitem.pay.bak"), as large as the book. Nothing else ever removes
// them.

// Removes those files of the working folder, and nothing else: only plain
// files whose name has exactly that form. With `min_age_seconds`, only
// those of this user untouched for that long (a folder without a lock,
// where another program may be saving). Returns how many went.
int remove_save_leftovers(qint64 min_age_seconds = 0);

// Older than any save in progress: ten minutes.
inline constexpr qint64 kLeftoverAge = 600;
