#pragma once
// The book and its payments are one save. "allitem.pay" names, in a comment
// line right after its header, the "allitem.hrm" it was saved with:
//
//   tavu-payments 1
//   # book 5123 9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08
//
// (the book file's size in bytes and its SHA-256). A save writes the
// payments whole and flushed under a temporary name first, then replaces
// "allitem.hrm", and only then gives the payments their name. Whatever
// interrupts it, the folder holds a payments file that names the book on
// disk: "allitem.pay" itself, the temporary file of the save that was cut
// short (start-up puts it in place), or "allitem.pay.bak" (the pair of a
// book put back by hand). A file without the line, written before the rule,
// goes with any book.

#include "book/file_checks.h"

#include <QByteArray>
#include <QString>

// A book file as its payments name it.
struct BookId {
    qint64 size = -1;
    QByteArray sha256; // raw, 32 bytes
    bool valid() const { return size >= 0 && sha256.size() == 32; }
    bool operator==(const BookId&) const = default;
};

BookId book_id_of(const QByteArray& book_file_bytes);
// The id of a file as read (invalid unless it was read whole).
BookId book_id_of(const FileStamp& stamp);

// The book a payments text names; invalid when it names none.
BookId named_book(const QByteArray& text);
// The text naming `id`: its book line replaced, or added after the header.
QByteArray naming_book(const QByteArray& text, const BookId& id);

// Where the payments of a book come from.
enum class PayOrigin {
    Missing,   // no payments file at all
    File,      // "allitem.pay", naming this book (or written before the rule)
    Temporary, // the complete file of a save cut short before it took its name
    Bak,       // "allitem.pay.bak", naming this book where "allitem.pay" does not
    OtherBook, // "allitem.pay" names another book and nothing names this one
    Refused,   // "allitem.pay" is no file that can be read (FIFO, folder, too large...)
};

struct PayCandidate {
    PayOrigin origin = PayOrigin::Missing;
    QString path;                          // the file the bytes are from
    QByteArray bytes;                      // what it holds (empty when Refused or Missing)
    ReadResult read = ReadResult::Missing; // how "allitem.pay" read
};

// At most this many bytes are read of a payments file (a full record is
// about 200 kB).
inline constexpr qint64 kMaxPayFileSize = 4 * 1024 * 1024;

// Where a save writes the payments file `name`: the file its symbolic link
// leads to (or would make), as for "allitem.hrm"; `name` itself otherwise,
// also for a link to a FIFO or a device, which is never written through.
QString payments_target(const QString& name);

// Finds the payments of the book `id` in `folder` (empty: the working
// folder) and reads them, without changing anything. With an invalid id
// (no book file to compare) "allitem.pay" is taken as it is.
PayCandidate find_payments_of(const QString& folder, const BookId& id);
