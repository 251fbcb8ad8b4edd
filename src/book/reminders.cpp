#include "book/reminders.h"
#include "book/balance.h"
#include "book/payments.h"

qint64 Reminder::set_off() const {
    qint64 sum = 0;
    for (const ReminderLine& line : lines) sum += line.remaining;
    return sum - total;
}

std::vector<Reminder> reminders(const Book& book, int member) {
    std::vector<Reminder> out;
    for (int m = 0; m < kMembers; ++m) {
        if (member >= 0 && m != member) continue;
        const MemberBalance balance = member_balance(book, m);
        if (!balance.owes()) continue;
        Reminder r;
        r.member = m;
        r.total = balance.still_owed();
        // The open items as 集金チェック shows them: an excess paid on one item
        // already covers part of another.
        for (int k = 0; k < kItems; ++k) {
            const ItemBalance& item = balance.item[size_t(k)];
            if (item.open() <= 0) continue;
            r.lines.push_back({k, item.open(), item.received > 0 || item.covered > 0});
        }
        out.push_back(std::move(r));
    }
    return out;
}

QString reminder_as_of_text(const QDate& day) {
    return QStringLiteral("%1月%2日 現在").arg(day.month()).arg(day.day());
}
