#pragma once
// The safety copy: each save keeps the "allitem.hrm" it replaces as
// "allitem.bak", so that an item deleted by mistake and saved over can still
// be had back (rename "allitem.bak" to "allitem.hrm" while TAVU is closed).

#include "book/work_files.h"

#include <functional>

inline const char* const kBakFile = "allitem.bak";

// Why a safety copy ("allitem.bak", "allitem.pay.bak") could not be kept.
enum class BakProblem {
    None,
    Folder,  // a folder has that name
    NotOurs, // a file of another user that may not be replaced
    Other,   // the folder took no copy (full, or no hard links and no room)
};

// A file replaced whole, and whether the file it replaced was kept.
struct SavedFile {
    WriteResult written = WriteResult::Failed;
    BakProblem bak = BakProblem::None;
};

// Why the copy `bak` was not taken, looked at after the attempt.
BakProblem why_bak_not_kept(const QString& bak);

// The last step of a save: "allitem.dat" pair-swapped becomes "allitem.hrm",
// and the "allitem.hrm" it replaces becomes "allitem.bak". The copy is kept
// only once the new file is whole on disk, just before it takes the name.
// When the copy cannot be kept the new book takes the name all the same (it
// matters more than the copy of the old one) and `bak` says why.
// `may_replace`, when given, is asked just before that too: when it says no,
// nothing is replaced. "allitem.dat" is removed either way: the book is
// still in memory.
//
// When "allitem.hrm" is a symbolic link it stays one: the file it leads to
// is replaced in its own folder, and "allitem.bak" is a plain copy of it.
SavedFile dat_to_hrm_keeping_bak(const std::function<bool()>& may_replace = {});
