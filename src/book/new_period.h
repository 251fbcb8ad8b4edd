#pragma once
// A new period: the closed book is archived whole into a folder of its own,
// kako/<name>/allitem.hrm under the working folder, and the book starts
// again with the same roster and no items. The archive is a working folder
// like any other: TAVU opens it with --folder.

#include "book/book.h"
#include "book/work_files.h"

#include <QByteArray>
#include <QDate>
#include <QList>

inline const char* const kArchiveFolder = "kako";
// True when `folder` (an absolute path) is a folder of a "kako" folder: a
// closed period's archive, which is only ever looked at, never changed.
bool is_archive_folder(const QString& folder);

// The name of a period's archive folder: the period text when it makes a
// usable folder name (trimmed, inner blanks as "_", no path or shell
// characters, not hidden), else the year and month of `today` ("2026-12").
QString archive_base_name(const QString& period, const QDate& today);

// A file of the archive: its name in the folder and its bytes.
struct ArchiveFile {
    QString name;
    QByteArray bytes;
};
// The files that make a closed period's archive: "allitem.hrm" exactly as a
// save writes it, and the payments naming it when the book has any.
QList<ArchiveFile> archive_files(const Book& book);

struct Archive {
    QString folder; // "kako/<name>", relative to the working folder
    bool made_kako = false;
    bool reused = false; // an archive with exactly these files was there
};

// Puts the files into a new folder kako/<base>, or kako/<base>-2, -3, ...
// when taken: an archive is never overwritten. The folder is filled under a
// temporary name in kako/ and renamed into place whole, so an interrupted
// archive never shows as one. When kako/<base>[-n] already holds exactly
// these files (a closing cut short before the new book was saved), that
// archive is used again instead. On failure nothing is left behind. Ok or
// Unconfirmed (the last folder flush failed) once the archive is in place.
WriteResult write_archive(const QList<ArchiveFile>& files, const QString& base, Archive& archive);
// The number write_archive will give these files: that of the archive it
// would take again, else the first free one (1 for kako/<base>, n for
// kako/<base>-n); 0 when none is free.
int archive_number_for(const QList<ArchiveFile>& files, const QString& base);
// Removes an archive that write_archive made (its files, its folder, and
// "kako" when it made that too and it is empty); a reused one stays. The
// folder first goes back to a temporary name, so that an interruption
// leaves only what start-up removes.
void remove_archive(const Archive& archive);

// True when `entry`, a folder of kako/, is an unfinished archive: a name of
// the temporary pattern that write_archive uses.
bool is_unfinished_archive(const QString& entry);
// Removes the unfinished archives in kako/ of the working folder (their
// files, as write_archive writes them, and the folder), and nothing else: a
// folder holding anything else stays. Returns how many went.
int remove_unfinished_archives();

// What a closed period still has to collect, carried into the new one as
// its first item: "前期未収" and the closed period's name (cut to the 20
// bytes a title holds), 任意, each member's still_owed as the member's
// amount. An overpaid member carries nothing (the archive shows the
// overpayment). Nothing is carried when an amount is beyond what a member's
// amount can hold (fits false): it would not be written whole.
struct CarryOver {
    QString title;
    std::array<qint32, kMembers + 1> amount{};
    int members = 0; // members who still owe
    qint64 total = 0;
    bool fits = true;
};
// `number` is the number of the close's archive (kako/<base>-2 is 2): a
// second close of the same period name carries "-2" after it, so that no
// two closes carry the same title.
CarryOver carry_over_of(const Book& closed, const QString& period_name, int number = 1);
// True when the item's title is that of an item carried by 新しい期間: what
// a closed period still had to collect, not a new charge.
bool is_carried_item(const QString& title);
// Whether the close asks to carry over what is still owed: when the book
// keeps payments in 集金チェック, or holds a carry-over from the period before
// (an item titled 前期未収...), which would otherwise be dropped unseen when
// nobody paid meanwhile. A book with neither has every charge looking unpaid.
bool carry_over_asked(const Book& book);
// True when item k of the book is a carry-over (titled 前期未収..., as
// carry_over_of makes it): a debt of an earlier period, never a new charge.
bool is_carried_item(const Book& book, int k);
// Puts the carry-over into item 1 of a book whose items clear_items emptied.
void start_with_carry_over(Book& book, const CarryOver& carry);

// Empties every item: title, mode 1 (割勘), amounts, head count, total, and
// the marks, amounts and payments of every member. The roster, the period and the
// person in charge stay.
void clear_items(Book& book);
