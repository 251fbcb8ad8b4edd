#pragma once
// The data files of the working directory: "allitem.hrm" at rest (the text
// pair-swapped), "allitem.dat" while a load or a save is in progress, and
// the older "allitem.ngs" layout that start-up converts. These routines show
// no messages; the main window tells the user what they return.

#include "book/book.h"
#include "book/file_checks.h"
#include "book/work_files.h"

inline const char* const kHrmFile = "allitem.hrm";
inline const char* const kDatFile = "allitem.dat";
inline const char* const kNgsFile = "allitem.ngs";
inline const char* const kSpareHrmFile = "allitem1.hrm";

// Reads "allitem.dat" in the current layout into the book. On a damaged
// file what was read before the fault stays in the book; Missing when there
// is no "allitem.dat". Something that is no regular file, or too large, or
// cannot be read, is not read (file_checks.h).
ReadResult data_read(Book& book);
// Reads "allitem.hrm" into the book as hrm_to_dat, data_read and dat_to_hrm
// would, but without the working file: nothing is written, so the saved
// book is never rewritten just to be read. Missing when there is no
// "allitem.hrm". `stamp`, when given, receives the file's state as read.
ReadResult hrm_read(Book& book, FileStamp* stamp = nullptr);
// Reads "allitem.dat" in the older layout (65 header fields, 4 item fields).
ReadResult old_data_read(Book& book);

// Writes the book to "allitem.dat"; the file appears whole or not at all.
WriteResult dat_write(const Book& book);
// dat_write for the conversion of an older file: blank period and person in
// charge become a single blank (in the book too), head counts a blank.
WriteResult convert_write(Book& book);

// The conversion of "allitem.ngs" at start-up: read and pair-swap it, read
// the older layout into the book (what was read of a damaged file counts),
// write the book atomically as "allitem.hrm" the way convert_write writes
// it, and only then delete "allitem.ngs". When the older file cannot be read
// or the new one not written, both files and the book stay as they were, so
// the next start tries again.
struct Conversion {
    ReadResult read;
    bool written;
};
Conversion ngs_convert(Book& book);

// Pair-swap "allitem.hrm" into "allitem.dat" (and back); the source is
// deleted only after the target is safely in place.
WriteResult hrm_to_dat();
WriteResult dat_to_hrm();

// The pair swap itself: b2 b1 b4 b3 ..., zero bytes dropped, an odd last
// byte kept last.
QByteArray pair_swap(const QByteArray& bytes);

// Parses the current-layout text into the book (what data_read does after
// reading the file); exposed for tests and the fuzzer.
ReadResult parse_data_text(const QByteArray& text, Book& book);
ReadResult parse_old_data_text(const QByteArray& text, Book& book);
// The current-layout text of the book as dat_write writes it (with every
// head-count field a single blank, as convert_write writes it).
QByteArray data_text(const Book& book, bool blank_head_counts = false);

// A name or title as the data file gives it back: a double quote as the
// full-width one, control characters as blanks, look-alikes (a wave dash
// from an input method) folded and characters the code page lacks as "？".
QString stored_text(const QString& text);
