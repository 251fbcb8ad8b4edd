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
        // The total is what the member still owes; the items are listed as
        // charged, and an excess or refund set against them is said apart.
        const qint64 total = still_owed(book, m);
        if (total <= 0) continue;
        Reminder r;
        r.member = m;
        r.total = total;
        for (int k = 0; k < kItems; ++k) {
            const qint64 owed = owed_amount(book, m, k);
            const qint64 received = book.payments.cell[m][k].received;
            if (owed <= 0 || received >= owed) continue;
            r.lines.push_back({k, owed - received, received > 0});
        }
        out.push_back(std::move(r));
    }
    return out;
}

QString reminder_as_of_text(const QDate& day) {
    return QStringLiteral("%1月%2日 現在").arg(day.month()).arg(day.day());
}
