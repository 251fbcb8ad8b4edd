#pragma once
// One save of the book and its payments (the rule is in payments_pair.h):
//
//   1. "allitem.dat" is written (the book, whole or not at all);
//   2. the payments, naming the new "allitem.hrm", are written whole and
//      flushed under a temporary name;
//   3. "allitem.hrm" is replaced (the old one kept as "allitem.bak");
//   4. the old "allitem.pay" is kept as "allitem.pay.bak", or moved aside
//      as "allitem.pay.unread-YYYYMMDD-HHMMSS" when not all of it could be
//      read (or it is no regular file): entries not read are never
//      overwritten;
//   5. the temporary file takes the name "allitem.pay".
//
// A failure before 3 leaves both files as they were; from 3 on the book is
// saved, and a payments file that did not take its name in 5 stays complete
// under its temporary name, which the next start puts in place.

#include "book/book.h"
#include "book/safety_copy.h"

#include <QDateTime>
#include <functional>

// What became of the payments half of a save.
struct PayCommit {
    // Ok / Unconfirmed: "allitem.pay" holds the new record; Failed: it did
    // not take its name (the complete file waits under its temporary name).
    WriteResult written = WriteResult::Ok;
    BakProblem bak = BakProblem::None; // "allitem.pay.bak" not kept
    QString moved_aside;               // where a file not read whole went
    bool aside_failed = false;         // such a file could not be moved: left as it was
};

struct PairSave {
    enum class Outcome {
        NotSaved, // nothing replaced: the last save is still on disk
        Saved,    // the book and its payments
        BookOnly, // the book is saved; its payments did not take their name
    };
    Outcome outcome = Outcome::NotSaved;
    SavedFile book;
    PayCommit pay;
};

// Saves `book_text` (the data file's text, as "allitem.dat" holds it) and,
// when `write_payments`, the payments text (its book line is set here) as
// one save of the working folder. `may_replace` is asked just before
// "allitem.hrm" is replaced; when it says no nothing is replaced. A record
// without payments beside a folder without "allitem.pay" writes no file.
PairSave save_pair(const QByteArray& book_text, const QByteArray& payments_text,
                   const std::function<bool()>& may_replace = {});

// save_pair for the book in memory.
PairSave save_book(const Book& book, const std::function<bool()>& may_replace = {});

// Start-up, in a folder this program may tidy, before leftovers are
// removed: when "allitem.pay" does not name "allitem.hrm" and a complete
// temporary file of a save cut short does, that file is put in place (steps
// 4 and 5). True when it was.
bool settle_interrupted_save(PayCommit& commit);

// The name a payments file not read whole is moved to.
QString unread_name(const QDateTime& when, int n);
