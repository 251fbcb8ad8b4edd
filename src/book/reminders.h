#pragma once
// Reminder slips (お支払いのお願い): a slip for exactly the members who still
// owe by the book's rule (still_owed), naming each item still open with what
// remains of it. What the member paid beyond an item, or is owed back, is
// set against the open items, so that the slip's total is what the member
// still owes and never more.

#include "book/book.h"

#include <QDate>
#include <QString>
#include <vector>

struct ReminderLine {
    int item = 0;         // 0..19
    qint64 remaining = 0; // owed less received, more than 0
    bool part_paid = false;
};

struct Reminder {
    int member = 0;                  // 0..95
    std::vector<ReminderLine> lines; // the open items, in item order
    qint64 total = 0;                // what the member still owes, more than 0
    // What the open items add up to beyond the total: an overpayment of
    // another item or a refund set against them (0 when none).
    qint64 set_off() const;
};

// The slips in member order.
std::vector<Reminder> reminders(const Book& book, int member = -1);

// "12月8日 現在".
QString reminder_as_of_text(const QDate& day);
