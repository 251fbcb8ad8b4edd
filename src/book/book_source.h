#pragma once
// Reading the working folder's book without touching a file: which file the
// main window's start-up would end up showing, read as it lies. Start-up
// converts an older "allitem.ngs" and promotes spare copies by renaming them;
// here the same file is read in place, so reports can be made from a folder
// without changing it (also from a folder that cannot be written).

#include "book/book.h"
#include "book/data_files.h"
#include "book/payments_file.h"

#include <QString>

struct BookSource {
    QString file;              // the file read; empty when there is none
    bool older_layout = false; // "allitem.ngs"
    PayRead payments;          // how "allitem.pay" beside it read
};

// The file start-up would show, in its order: "allitem.ngs" (which it
// converts over "allitem.hrm"), "allitem.hrm", the spare "allitem1.hrm", the
// older names "allitem.sne", "Allitem.sne", "ALLITEM.SNE", and last a working
// file "allitem.dat" left alone.
BookSource find_book_source();

// Reads that file into the book as start-up would (items' modes first set to
// 1), with the payments file beside it, and writes nothing. Missing when the
// folder holds no data file; a file that is no regular one, too large or
// unreadable is refused as read_checked says.
ReadResult read_book_in_place(Book& book, BookSource& source);
