#include "book/year_totals.h"

#include "book/csv_table.h"
#include "book/text_rules.h"

#include <QHash>
#include <algorithm>

YearTotals year_totals(const std::vector<PeriodCharges>& periods) {
    YearTotals t;
    const size_t columns = periods.size();
    t.period_total.assign(columns, 0);
    // (name key, how often it stood before in the same period) -> row
    QHash<QString, int> row_of;
    for (size_t c = 0; c < columns; ++c) {
        t.periods << periods[c].label;
        const Book& book = *periods[c].book;
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
            }
            const qint64 owed = book.print_total[m];
            t.charge[size_t(*it)][c] = owed;
            t.member_total[size_t(*it)] += owed;
            t.period_total[c] += owed;
            t.total += owed;
        }
    }
    return t;
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
        if (read_past_book(p.folder, *book) != PastPeriod::State::Ok) {
            out.left_out << p.folder;
            continue;
        }
        out.add(std::move(book), p.period.isEmpty() ? p.name : p.period);
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

namespace {

QString amount_field(qint64 amount) {
    return amount == 0 ? QString() : QString::number(amount);
}

void add_record(QString& text, const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields) quoted << csv_field(f);
    text += quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QByteArray year_totals_csv(const YearTotals& t) {
    QString text;
    QStringList header{QStringLiteral("名前")};
    for (const QString& period : t.periods) header << text_field(period);
    add_record(text, header << QStringLiteral("合計"));
    for (size_t r = 0; r < size_t(t.members.size()); ++r) {
        QStringList row{text_field(t.members[qsizetype(r)])};
        for (const std::optional<qint64>& c : t.charge[r]) row << amount_field(c.value_or(0));
        row << amount_field(t.member_total[r]);
        add_record(text, row);
    }
    QStringList totals{QStringLiteral("合計")};
    for (qint64 c : t.period_total) totals << amount_field(c);
    totals << amount_field(t.total);
    add_record(text, totals);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
