#pragma once
// The safety copy: each save keeps the "allitem.hrm" it replaces as
// "allitem.bak", so that an item deleted by mistake and saved over can still
// be had back (rename "allitem.bak" to "allitem.hrm" while TAVU is closed).

#include "book/work_files.h"

inline const char* const kBakFile = "allitem.bak";

// The last step of a save: "allitem.dat" pair-swapped becomes "allitem.hrm",
// and the "allitem.hrm" it replaces becomes "allitem.bak". The copy is kept
// only once the new file is whole on disk, just before it takes the name;
// when the copy cannot be kept, nothing is replaced and Failed is returned.
// "allitem.dat" is removed either way: the book is still in memory.
WriteResult dat_to_hrm_keeping_bak();
