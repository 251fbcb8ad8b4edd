#include "book/payments.h"
#include "book/text_rules.h"

#include <algorithm>

bool PaymentRecord::empty() const {
    if (!set_aside.empty()) return false;
    for (const auto& row : cell)
        for (const Payment& p : row)
            if (p.recorded()) return false;
    return true;
}

qint64 owed_amount(const Book& book, int m, int k) {
    if (book.komoku_name[k].isEmpty() || is_blank(book.member_name[m])) return 0;
    if (book.komoku_mode[k] == 1) return book.mark[m][k] == 1 ? book.komoku_kingaku[k] : 0;
    return book.member_kingaku[m][k];
}

PayState pay_state(qint64 owed, qint64 received) {
    if (owed == 0 && received == 0) return PayState::None;
    // Turned so that what is owed is not negative.
    const qint64 o = owed < 0 ? -owed : owed;
    const qint64 r = owed < 0 ? -received : received;
    if (r == o) return PayState::Paid;
    if (r == 0) return PayState::Unpaid;
    if (r > o) return PayState::Overpaid;
    return PayState::Partly;
}

QString pay_state_word(PayState state) {
    switch (state) {
    case PayState::Unpaid:
        return QStringLiteral("未");
    case PayState::Partly:
        return QStringLiteral("一部");
    case PayState::Paid:
        return QStringLiteral("済");
    case PayState::Overpaid:
        return QStringLiteral("過払い");
    case PayState::None:
        break;
    }
    return {};
}

QString pay_state_sign(PayState state) {
    switch (state) {
    case PayState::Unpaid:
        return QStringLiteral("×");
    case PayState::Partly:
        return QStringLiteral("△");
    case PayState::Paid:
        return QStringLiteral("○");
    case PayState::Overpaid:
        return QStringLiteral("＋");
    case PayState::None:
        break;
    }
    return {};
}

PayTotals member_totals(const Book& book, int m) {
    PayTotals t;
    for (int k = 0; k < kItems; ++k) {
        t.owed += owed_amount(book, m, k);
        t.received += book.payments.cell[m][k].received;
    }
    return t;
}

PayTotals item_totals(const Book& book, int k) {
    PayTotals t;
    for (int m = 0; m < kMembers; ++m) {
        t.owed += owed_amount(book, m, k);
        t.received += book.payments.cell[m][k].received;
    }
    return t;
}

PayTotals period_totals(const Book& book) {
    PayTotals t;
    for (int m = 0; m < kMembers; ++m) {
        const PayTotals one = member_totals(book, m);
        t.owed += one.owed;
        t.received += one.received;
    }
    return t;
}

bool member_has_payments(const Book& book, int m) {
    for (int k = 0; k < kItems; ++k)
        if (book.payments.cell[m][k].recorded()) return true;
    return false;
}

bool item_has_payments(const Book& book, int k) {
    for (int m = 0; m < kMembers; ++m)
        if (book.payments.cell[m][k].recorded()) return true;
    return false;
}

qint64 set_aside_member_payments(Book& book, int m, const QString& name) {
    qint64 moved = 0;
    for (int k = 0; k < kItems; ++k) {
        Payment& p = book.payments.cell[m][k];
        if (!p.recorded()) continue;
        book.payments.set_aside.push_back({m + 1, k + 1, p.received, p.date, trim_blanks(name),
                                           trim_blanks(book.komoku_name[k])});
        moved += p.received;
        p = Payment{};
    }
    return moved;
}

int receive_all_open(Book& book, int m, const QDate& date) {
    int changed = 0;
    for (int k = 0; k < kItems; ++k) {
        const qint64 owed = owed_amount(book, m, k);
        Payment& p = book.payments.cell[m][k];
        const PayState state = pay_state(owed, p.received);
        if (owed <= 0 || (state != PayState::Unpaid && state != PayState::Partly)) continue;
        p.received = owed;
        p.date = date;
        ++changed;
    }
    return changed;
}
