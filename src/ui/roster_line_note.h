#pragma once
// What the program says about one line of a roster (a file's, or names
// pasted at once), in its own words.

#include "book/roster_import.h"

#include <QString>

QString roster_line_note(const RosterLine& line);
