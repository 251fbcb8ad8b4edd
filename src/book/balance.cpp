#include "book/balance.h"

#include <algorithm>

namespace {

// The part of an item that is due and has not come in, before covering.
qint64 due(qint64 owed, qint64 received) {
    return owed > 0 && received < owed ? owed - received : 0;
}

} // namespace

qint64 ItemBalance::open() const {
    return due(owed, received) - covered;
}

MemberBalance member_balance(const Book& book, int m) {
    MemberBalance b;
    qint64 due_sum = 0;
    for (int k = 0; k < kItems; ++k) {
        ItemBalance& i = b.item[size_t(k)];
        i.owed = owed_amount(book, m, k);
        i.received = book.payments.cell[m][k].received;
        i.state = pay_state(i.owed, i.received);
        b.owed += i.owed;
        b.received += i.received;
        due_sum += due(i.owed, i.received);
    }
    // Whatever of the due amounts the net does not account for was settled
    // by money paid beyond other items' charges (or by a refund not paid out).
    qint64 cover = std::max<qint64>(0, due_sum - b.still_owed());
    for (ItemBalance& i : b.item) {
        if (cover == 0) break;
        i.covered = std::min(cover, due(i.owed, i.received));
        cover -= i.covered;
    }
    return b;
}

qint64 still_owed(const Book& book, int m) {
    const PayTotals t = member_totals(book, m);
    return t.remaining() > 0 ? t.remaining() : 0;
}

qint64 period_still_owed(const Book& book) {
    qint64 sum = 0;
    for (int m = 0; m < kMembers; ++m) sum += still_owed(book, m);
    return sum;
}
