#include "book/unpaid_list.h"
#include "book/payments.h"

#include <algorithm>

QString unpaid_item_text(const Book& book, int m, int k) {
    const qint64 received = book.payments.cell[m][k].received;
    return received > 0 ? book.komoku_name[k] + QStringLiteral("(一部)") : book.komoku_name[k];
}

UnpaidList unpaid_list(const Book& book, UnpaidOrder order) {
    UnpaidList list;
    for (int m = 0; m < kMembers; ++m) {
        // The same rule as the carry-over into the next period.
        if (still_owed(book, m) <= 0) continue;
        const PayTotals totals = member_totals(book, m);
        UnpaidRow row;
        row.member = m;
        row.owed = totals.owed;
        row.paid = totals.received;
        // Refunds (owed below 0) are the organizer's to pay: never named as owed.
        for (int k = 0; k < kItems; ++k)
            if (owed_amount(book, m, k) > book.payments.cell[m][k].received &&
                owed_amount(book, m, k) > 0)
                row.items << unpaid_item_text(book, m, k);
        list.owed += row.owed;
        list.paid += row.paid;
        list.rows.push_back(row);
    }
    if (order == UnpaidOrder::Remaining)
        std::stable_sort(
            list.rows.begin(), list.rows.end(),
            [](const UnpaidRow& a, const UnpaidRow& b) { return a.remaining() > b.remaining(); });
    return list;
}
