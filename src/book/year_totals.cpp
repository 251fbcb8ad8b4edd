#include "book/year_totals.h"

#include "book/balance.h"
#include "book/csv_table.h"
#include "book/new_period.h"
#include "book/payments.h"
#include "book/text_rules.h"

#include <QHash>
#include <algorithm>

YearTotals year_totals(const std::vector<PeriodCharges>& periods) {
    YearTotals t;
    const size_t columns = periods.size();
    t.period_total.assign(columns, 0);
    t.period_remaining.assign(columns, 0);
    t.period_carried.assign(columns, 0);
    // (name key, how often it stood before in the same period) -> row
    QHash<QString, int> row_of;
    for (size_t c = 0; c < columns; ++c) {
        t.periods << periods[c].label;
        const Book& book = *periods[c].book;
        const bool paid = !book.payments.empty();
        t.with_payments.push_back(paid);
        std::vector<int> carry_items;
        for (int k = 0; k < kItems; ++k)
            if (is_carried_item(book, k)) carry_items.push_back(k);
        t.with_carry.push_back(!carry_items.empty());
        QHash<QString, int> seen;
        for (int m = 0; m < kMembers; ++m) {
            if (is_blank(book.member_name[m])) continue;
            const QString key = name_key(book.member_name[m]);
            const QString occurrence = key + u'\n' + QString::number(seen[key]++);
            auto it = row_of.find(occurrence);
            if (it == row_of.end()) {
                it = row_of.insert(occurrence, int(t.members.size()));
                t.members << trim_blanks(book.member_name[m]);
                t.charge.emplace_back(columns);
                t.member_total.push_back(0);
                t.remaining.emplace_back(columns);
                t.member_remaining.push_back(0);
                t.carried.emplace_back(columns);
            }
            const size_t r = size_t(*it);
            qint64 carried = 0;
            for (int k : carry_items) carried += book.print_charge[m][k];
            if (!carry_items.empty()) {
                t.carried[r][c] = carried;
                t.period_carried[c] += carried;
            }
            const qint64 owed = book.print_total[m] - carried;
            t.charge[r][c] = owed;
            t.member_total[r] += owed;
            t.period_total[c] += owed;
            t.total += owed;
            if (!paid) continue;
            const qint64 left = still_owed(book, m);
            t.remaining[r][c] = left;
            t.period_remaining[c] += left;
            // What the column before left and this one carried in is one
            // debt: counted there, so here only what is beyond it.
            qint64 counted_before = 0;
            if (c > 0 && t.paid_in(c - 1))
                counted_before = std::clamp<qint64>(carried, 0, t.remaining[r][c - 1].value_or(0));
            t.member_remaining[r] += left - counted_before;
            t.total_remaining += left - counted_before;
        }
    }
    return t;
}

bool YearTotals::any_payments() const {
    return std::find(with_payments.begin(), with_payments.end(), true) != with_payments.end();
}

void PeriodBooks::add(std::unique_ptr<Book> book, const QString& label) {
    periods.push_back({label, book.get()});
    books.push_back(std::move(book));
}

void PeriodBooks::add_current(std::unique_ptr<Book> book) {
    const QString label =
        is_blank(book->nengetu) ? QStringLiteral("今の期間") : trim_blanks(book->nengetu);
    add(std::move(book), label);
}

PeriodBooks read_period_books(const std::vector<PastPeriod>& oldest_first) {
    PeriodBooks out;
    for (const PastPeriod& p : oldest_first) {
        auto book = std::make_unique<Book>();
        PastPeriod::Payments payments = PastPeriod::Payments::None;
        if (read_past_book(p.folder, *book, &payments) != PastPeriod::State::Ok) {
            out.left_out << p.folder;
            continue;
        }
        // A record that is not whole, or another book's, would show debts
        // that were paid: the period goes in without what remained.
        if (payments == PastPeriod::Payments::Damaged) book->payments = PaymentRecord{};
        const QString period = trim_blanks(book->nengetu);
        out.add(std::move(book), period.isEmpty() ? p.name : period);
    }
    return out;
}

std::vector<PastPeriod> periods_between(const std::vector<PastPeriod>& newest_first,
                                        const QString& from, const QString& to, QString& unknown) {
    std::vector<PastPeriod> oldest_first(newest_first.rbegin(), newest_first.rend());
    auto find = [&](const QString& name) {
        return std::find_if(oldest_first.begin(), oldest_first.end(),
                            [&](const PastPeriod& p) { return p.name == name; });
    };
    auto first = from.isEmpty() ? oldest_first.begin() : find(from);
    auto last = to.isEmpty() ? oldest_first.end() : find(to);
    unknown.clear();
    if (first == oldest_first.end() && !from.isEmpty()) unknown = from;
    if (!to.isEmpty()) {
        if (last == oldest_first.end())
            unknown = to;
        else
            ++last;
    }
    if (!unknown.isEmpty() || first >= last) return {};
    return std::vector<PastPeriod>(first, last);
}

QByteArray year_totals_csv(const YearTotals& t) {
    QString text;
    const bool paid = t.any_payments();
    QStringList header{QStringLiteral("名前")};
    for (size_t c = 0; c < size_t(t.periods.size()); ++c) {
        header << text_field(t.periods[qsizetype(c)]);
        if (t.carried_in(c))
            header << text_field(t.periods[qsizetype(c)] + QStringLiteral(" 繰越"));
        if (t.paid_in(c)) header << text_field(t.periods[qsizetype(c)] + QStringLiteral(" 残り"));
    }
    header << QStringLiteral("合計");
    if (paid) header << QStringLiteral("残り合計");
    text += csv_record(header);
    // A row: each period's charge, what was carried in where a period holds
    // a carry-over, and what remained where payments were kept.
    auto amounts = [&](QStringList row, auto charge, auto carried, auto remaining, qint64 total,
                       qint64 total_remaining) {
        for (size_t c = 0; c < size_t(t.periods.size()); ++c) {
            row << amount_field(charge(c));
            if (t.carried_in(c)) row << amount_field(carried(c));
            if (t.paid_in(c)) row << amount_field(remaining(c));
        }
        row << amount_field(total);
        if (paid) row << amount_field(total_remaining);
        text += csv_record(row);
    };
    for (size_t r = 0; r < size_t(t.members.size()); ++r)
        amounts(
            QStringList{text_field(t.members[qsizetype(r)])},
            [&](size_t c) { return t.charge[r][c].value_or(0); },
            [&](size_t c) { return t.carried[r][c].value_or(0); },
            [&](size_t c) { return t.remaining[r][c].value_or(0); }, t.member_total[r],
            t.member_remaining[r]);
    amounts(
        QStringList{QStringLiteral("合計")}, [&](size_t c) { return t.period_total[c]; },
        [&](size_t c) { return t.period_carried[c]; },
        [&](size_t c) { return t.period_remaining[c]; }, t.total, t.total_remaining);
    return csv_bytes(text);
}
