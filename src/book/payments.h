#pragma once
// The rules of the payments record: what a member owes for an item (as the
// statements compute it), the state of a payment, and the totals.

#include "book/book.h"

#include <QString>

// What member m owes for item k, as the print calculation charges it: 0 for
// a member without a name or an item without a title; the share when marked
// for a 割勘 item; the member's own amount otherwise. The book is not changed.
qint64 owed_amount(const Book& book, int m, int k);

enum class PayState {
    None,     // nothing owed and nothing received
    Unpaid,   // 未: nothing received yet
    Partly,   // 一部: less than owed received
    Paid,     // 済: exactly what is owed
    Overpaid, // 過払い: more than owed
};

// The state of a payment against what is owed. A negative amount owed (the
// member gets money back) is read the other way round: paying it out in
// full is 済, paying out more is 過払い.
PayState pay_state(qint64 owed, qint64 received);

// The state's word ("済", "一部", "過払い", "未", "" for None) and the sign
// shown before an amount, so that the state reads without its colour.
QString pay_state_word(PayState state);
QString pay_state_sign(PayState state);

struct PayTotals {
    qint64 owed = 0, received = 0;
    qint64 remaining() const { return owed - received; }
};
PayTotals member_totals(const Book& book, int m);
PayTotals item_totals(const Book& book, int k);
PayTotals period_totals(const Book& book);

// What a member still owes (one rule for every window and output) is in
// book/balance.h.

// True when member m (item k) has any payment recorded.
bool member_has_payments(const Book& book, int m);
bool item_has_payments(const Book& book, int k);

// Moves every payment of member m out of its cells into the entries set
// aside, recorded under `name` (what the row was called when the money came
// in) and each item's title: the row now stands for another person, who
// must never be credited with it. Returns the amount moved.
qint64 set_aside_member_payments(Book& book, int m, const QString& name);

// Records what is still open for member m (未 and 一部, owed more than 0) as
// received in full on `date`. Returns how many cells changed.
int receive_all_open(Book& book, int m, const QDate& date);
