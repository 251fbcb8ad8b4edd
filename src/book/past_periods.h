#pragma once
// The closed periods a working folder keeps: every folder under kako/ (what
// 新しい期間 writes) with its book read in place and summed as the reports
// sum it. Nothing here writes, renames or removes a file.

#include "book/book.h"
#include "book/payments_file.h"

#include <QDateTime>
#include <QString>
#include <vector>

struct PastPeriod {
    enum class State { Ok, Damaged, Empty };
    QString folder;   // "kako/<name>", relative to the working folder
    QString name;     // <name>
    QString period;   // the book's period, blanks at both ends removed
    QDateTime closed; // when its data file was written
    State state = State::Empty;
    int members_charged = 0; // members who owe something
    qint64 total = 0;        // what the period charged in all
    // What came in and what is still owed, when the archive kept payments
    // (its allitem.pay); a payments file that cannot be read whole, or whose
    // payments name other members or items than the book (another book's
    // file), is Damaged: its sums would be wrong.
    enum class Payments { None, Kept, Damaged };
    Payments payments = Payments::None;
    qint64 received = 0, still_owed = 0;
};

// The archives under `working_folder`/kako, newest first (by when they were
// closed, then by name). A folder without a data file is Empty, one whose
// data file cannot be read whole Damaged; both are listed. Without
// `summed` only the folders and their times are taken (every state Empty,
// nothing read): enough to choose a range of them by name.
std::vector<PastPeriod> list_past_periods(const QString& working_folder, bool summed = true);

// Reads the archive's "allitem.hrm" in place (read_checked: a regular file of
// at most 1 MiB), with its payments file, and runs the print calculation:
// print_total and print_charge hold what each member owes. State as above;
// what became of the payments file goes to `payments` when given, and the
// reading itself to `read` (to tell the user).
PastPeriod::State read_past_book(const QString& folder, Book& book,
                                 PastPeriod::Payments* payments = nullptr, PayRead* read = nullptr);
