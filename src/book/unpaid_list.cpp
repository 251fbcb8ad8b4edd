#include "book/unpaid_list.h"
#include "book/balance.h"
#include "book/payments.h"

#include <algorithm>

namespace {

QString item_text(const QString& title, const ItemBalance& item) {
    const bool part = item.received > 0 || item.covered > 0;
    return part ? title + QStringLiteral("(一部)") : title;
}

} // namespace

QString unpaid_item_text(const Book& book, int m, int k) {
    return item_text(book.komoku_name[k], member_balance(book, m).item[size_t(k)]);
}

UnpaidList unpaid_list(const Book& book, UnpaidOrder order) {
    UnpaidList list;
    for (int m = 0; m < kMembers; ++m) {
        const MemberBalance balance = member_balance(book, m);
        if (!balance.owes()) continue;
        UnpaidRow row;
        row.member = m;
        row.owed = balance.owed;
        row.paid = balance.received;
        // Items still open once covered; refunds (owed below 0) are the
        // organizer's to pay and never named as owed.
        for (int k = 0; k < kItems; ++k) {
            const ItemBalance& item = balance.item[size_t(k)];
            if (item.open() > 0) row.items << item_text(book.komoku_name[k], item);
        }
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
