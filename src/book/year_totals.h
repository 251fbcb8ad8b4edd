#pragma once
// A year's totals: what each member was charged in each of several periods,
// with totals per member and per period. Members are matched across periods
// by name (half-width blanks ignored, as name editing compares names); a
// name that stands twice in a period is two people, matched in their order,
// so a member who left or joined has empty cells and never another's amounts.

#include "book/book.h"
#include "book/past_periods.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

struct PeriodCharges {
    QString label;    // the column heading: the period
    const Book* book; // print_syukei has run
};

struct YearTotals {
    QStringList periods; // column headings, in the order given
    QStringList members; // row names, in the order they first appear
    // charge[row][column]: what the member owed; none when not a member then.
    std::vector<std::vector<std::optional<qint64>>> charge;
    std::vector<qint64> member_total, period_total;
    qint64 total = 0;

    // With payments: a period whose book kept any has, for each member,
    // what the member still owed (still_owed); none in a period without
    // payments or where the name is not a member. The totals sum those.
    std::vector<bool> with_payments; // per period
    std::vector<std::vector<std::optional<qint64>>> remaining;
    std::vector<qint64> member_remaining, period_remaining;
    qint64 total_remaining = 0;
    bool any_payments() const;
    bool paid_in(size_t period) const {
        return period < with_payments.size() && with_payments[period];
    }

    // A carry-over (前期未収, book/new_period.h) is a debt of the period
    // before, not a new charge: it stays out of `charge` and the charge
    // totals and shows apart, per member and period. In 残り合計 a debt
    // carried from the column before is counted once: there, not again
    // here.
    std::vector<bool> with_carry; // per period: holds a carry-over
    std::vector<std::vector<std::optional<qint64>>> carried;
    std::vector<qint64> period_carried;
    bool carried_in(size_t period) const {
        return period < with_carry.size() && with_carry[period];
    }
};

YearTotals year_totals(const std::vector<PeriodCharges>& periods);

// The books of the chosen archives, read in place, for year_totals; an
// archive that cannot be read is left out and named in `left_out`.
struct PeriodBooks {
    std::vector<std::unique_ptr<Book>> books;
    std::vector<PeriodCharges> periods;
    QStringList left_out; // archive folders
    // Adds a book (print_syukei has run) as the next column.
    void add(std::unique_ptr<Book> book, const QString& label);
    // Adds the current period's book: its period, or 今の期間 when blank.
    void add_current(std::unique_ptr<Book> book);
};
PeriodBooks read_period_books(const std::vector<PastPeriod>& oldest_first);

// The archives from `from` to `to` (archive names; empty: the oldest, the
// newest), oldest first, taken from a list as list_past_periods gives it.
// Empty when a name is not in the list or `from` comes after `to`;
// `unknown` then names it.
std::vector<PastPeriod> periods_between(const std::vector<PastPeriod>& newest_first,
                                        const QString& from, const QString& to, QString& unknown);

// The table as CSV in the conventions of the book's CSV (csv_table.h):
//   名前,<period>...,合計
//   <name>,<charge in each period>,<member total>
//   合計,<period totals>,<total>
// A period holding a carry-over is followed by a column "<period> 繰越"
// (what was carried in, not part of the charge). With payments, a period
// that kept them is followed by a column "<period> 残り", and the member
// totals by "残り合計".
QByteArray year_totals_csv(const YearTotals& totals);
