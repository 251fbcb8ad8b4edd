#pragma once
// A new period: the closed book is archived whole into a folder of its own,
// kako/<name>/allitem.hrm under the working folder, and the book starts
// again with the same roster and no items. The archive is a working folder
// like any other: TAVU opens it with --folder.

#include "book/book.h"
#include "book/work_files.h"

#include <QDate>

inline const char* const kArchiveFolder = "kako";

// The name of a period's archive folder: the period text when it makes a
// usable folder name (trimmed, inner blanks as "_", no path or shell
// characters, not hidden), else the year and month of `today` ("2026-12").
QString archive_base_name(const QString& period, const QDate& today);

struct Archive {
    QString folder; // "kako/<name>", relative to the working folder
    bool made_kako = false;
};

// Writes the book, exactly as a save writes "allitem.hrm", into a new folder
// kako/<base>, or kako/<base>-2, -3, ... when taken: an archive is never
// overwritten. On failure nothing is left behind.
WriteResult write_archive(const Book& book, const QString& base, Archive& archive);
// Removes an archive that write_archive made (its file, its folder, and
// "kako" when it made that too and it is empty).
void remove_archive(const Archive& archive);

// Empties every item: title, mode 1 (割勘), amounts, head count, total, and
// the marks, amounts and payments of every member. The roster, the period and the
// person in charge stay.
void clear_items(Book& book);
