#pragma once
// "allitem.pay", the payments file beside the data file. "allitem.hrm" keeps
// its format byte for byte; what was received lives here, as UTF-8 text:
//
//   tavu-payments 1
//   P<TAB>member<TAB>item<TAB>received<TAB>date<TAB>name<TAB>title
//   S<TAB>...the same fields, for an entry set aside...
//
// one line per entry, LF line ends, member 1..96 and item 1..20, the amount
// in yen, the date as 2026-12-08; a backslash, tab, CR or LF inside a name
// or title is written \\, \t, \r, \n. Lines starting with # are comments.
// The name and the title are those the payment was recorded under: on
// reading, a P entry whose member and item no longer carry them is set
// aside, never credited to whoever now holds the slot.

#include "book/book.h"
#include "book/data_files.h"
#include "book/safety_copy.h"

inline const char* const kPayFile = "allitem.pay";
inline const char* const kPayBakFile = "allitem.pay.bak";

struct PayRead {
    ReadResult result = ReadResult::Missing;
    int damaged_lines = 0; // lines that could not be read (dropped)
    int set_aside = 0;     // entries that did not match the book
    int unmatched = 0;     // of those, payments (P) whose name or title differs
};

// The file's text for the book's record.
QByteArray payments_text(const Book& book);

// Replaces the book's record with the one the text holds, matched against
// the book's names and titles. A text that does not start with the header
// line reads nothing (Damaged).
PayRead parse_payments_text(const QByteArray& text, Book& book);

// Reads "allitem.pay" of the working folder, or of `folder` (an archive),
// (a regular file of sane size only) into the book; without one the record
// is empty (Missing).
PayRead payments_read(Book& book, const QString& folder = QString());

// Writes "allitem.pay" the way the data file is written (whole or not at
// all), keeping the file it replaces as "allitem.pay.bak". As with the data
// file, a copy that cannot be kept does not stop the write; `bak` says why.
// A book without payments and a folder without the file write nothing.
SavedFile payments_write(const Book& book);
