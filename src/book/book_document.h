#pragma once
// The open book as every window shares it (a document, in desktop terms):
// the Book, whether it may be written (its write guard), "allitem.hrm" as
// last read or saved (its stamp) and the folder it lives in. Windows listen
// to its signals instead of calling each other; whoever changes, saves or
// reads the book again tells the document, which tells them.

#include "book/book.h"
#include "book/file_checks.h"
#include "book/write_guard.h"

#include <QObject>
#include <QString>

class BookDocument : public QObject {
    Q_OBJECT
public:
    // `folder` is the working folder the book is read from and saved in.
    BookDocument(Book& book, const QString& folder, QObject* parent = nullptr);

    Book& book;
    // Set before the book is first read: a read-only book is read where it
    // lies and leaves every file of the folder as it is.
    WriteGuard write_guard;
    // "allitem.hrm" as last read or written: a save refuses to replace a
    // file that has changed since.
    FileStamp hrm_stamp;
    const QString folder;

    void tell_changed() { emit changed(); }
    void tell_saved() { emit saved(); }
    // Also a change: listeners that only show the book need only `changed`.
    void tell_reloaded() {
        emit reloaded();
        emit changed();
    }
    void tell_period_closed() { emit period_closed(); }

signals:
    // The book in memory changed, or the sheet was drawn again from it.
    void changed();
    // The book and its payments went to disk whole.
    void saved();
    // The book was read again from the folder over the one in memory.
    void reloaded();
    // 新しい期間: the period was archived and the book holds the next one.
    void period_closed();
};
