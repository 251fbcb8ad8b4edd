#pragma once
// A closed period opened from 過去の期間: the collection sheet over the
// archive's book, in a window of its own beside the live one. It may not
// write (the write guard refuses with a message), takes no lock, never writes
// into the archive, asks nothing when closed, and is told apart by its title
// and a tinted background. Printing and CSV work as on the live book; their
// files go into the working folder.

#include "book/past_periods.h"

#include <memory>

class frmTavu;

// Opens the archive's book beside `live`; null when it cannot be read.
frmTavu* open_past_book(frmTavu& live, const PastPeriod& period);
