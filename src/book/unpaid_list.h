#pragma once
// Who still owes: the rows of the unpaid list (未収一覧). A member owes when
// what the statements charge, less what was received, is more than 0 over
// the whole period; a refund not yet paid out lowers what is left, and a
// member who paid more than owed does not owe.

#include "book/book.h"

#include <QStringList>
#include <vector>

enum class UnpaidOrder {
    Roster,    // by roster position
    Remaining, // largest amount left first; ties by roster position
};

struct UnpaidRow {
    int member = 0;    // 0..95
    QStringList items; // the titles still open (owed, not yet received in full), in item order
    qint64 owed = 0, paid = 0;
    qint64 remaining() const { return owed - paid; }
};

struct UnpaidList {
    std::vector<UnpaidRow> rows;
    qint64 owed = 0, paid = 0; // over the rows
    qint64 remaining() const { return owed - paid; }
};

UnpaidList unpaid_list(const Book& book, UnpaidOrder order);

// An open item's title as the list names it: a part received or covered by
// another item's excess is said.
QString unpaid_item_text(const Book& book, int m, int k);
