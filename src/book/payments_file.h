#pragma once
// "allitem.pay", the payments file beside the data file. "allitem.hrm" keeps
// its format byte for byte; what was received lives here, as UTF-8 text:
//
//   tavu-payments 1
//   P<TAB>member<TAB>item<TAB>received<TAB>date<TAB>name<TAB>title
//   S<TAB>...the same fields, for an entry set aside...
//
// one line per entry, LF line ends, member 1..96 and item 1..20, the amount
// in yen, the date as 2026-12-08 (a line may also end in CR LF or CR); a backslash, tab, CR or LF
// inside a name or title is written \\, \t, \r, \n. Lines starting with # are comments. The name
// and the title are those the payment was recorded under: on reading, a P entry whose member and
// item no longer carry them is set aside, never credited to whoever now holds the slot.

#include "book/book.h"
#include "book/data_files.h"
#include "book/payments_pair.h"
#include "book/safety_copy.h"

inline const char* const kPayFile = "allitem.pay";
inline const char* const kPayBakFile = "allitem.pay.bak";

struct PayRead {
    ReadResult result = ReadResult::Missing;
    int damaged_lines = 0; // lines that could not be read (dropped)
    int set_aside = 0;     // entries that did not match the book
    int unmatched = 0;     // of those, payments (P) whose name or title differs
    // Nothing could be read: no regular file, too large, another encoding or
    // a newer header. The file is kept as it is until a save moves it aside.
    bool unread_whole = false;
    PayOrigin origin = PayOrigin::Missing; // which file was read (payments_pair.h)
};

// The file's text for the book's record, naming the book file `of` when
// given (payments_pair.h).
QByteArray payments_text(const Book& book, const BookId& of = {});

// Replaces the book's record with the one the text holds, matched against
// the book's names and titles. A text that does not start with the header
// line reads nothing (Damaged, unread_whole); a line that cannot be read
// (bad bytes, a NUL, wrong fields) is counted and left out, the others read.
PayRead parse_payments_text(const QByteArray& text, Book& book);
// True when every line of the text can be read: a save may then keep the
// file as the safety copy; otherwise it moves it aside, so that entries not
// read are never overwritten.
bool payments_text_whole(const QByteArray& text);

// Reads the payments of "allitem.hrm" of the working folder, or of `folder`
// (an archive), into the book: "allitem.pay", or the file that names the
// book where it does not (find_payments_of); a regular file of sane size
// only. Payments saved with another book are all set aside. Without a file
// the record is empty (Missing).
PayRead payments_read(Book& book, const QString& folder = QString());

// Writes "allitem.pay" the way the data file is written (whole or not at
// all), keeping the file it replaces as "allitem.pay.bak". As with the data
// file, a copy that cannot be kept does not stop the write; `bak` says why.
// A book without payments and a folder without the file write nothing.
SavedFile payments_write(const Book& book);
