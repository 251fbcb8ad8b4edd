#include "book/receipts.h"
#include "book/cp932.h"
#include "book/text_rules.h"
#include "book/yen_text.h"

std::vector<Receipt> receipts(const Book& book, const QDate& day, int member) {
    std::vector<Receipt> out;
    for (int m = 0; m < kMembers; ++m) {
        if ((member >= 0 && m != member) || is_blank(book.member_name[m])) continue;
        Receipt r;
        r.member = m;
        for (int k = 0; k < kItems; ++k) {
            const Payment& p = book.payments.cell[m][k];
            if (p.received <= 0 || (day.isValid() && p.date != day)) continue;
            r.amount += p.received;
            r.items.push_back(k);
            if (!r.day.isValid() || p.date > r.day) r.day = p.date;
        }
        if (r.amount > 0) out.push_back(r);
    }
    return out;
}

QString receipt_amount_text(qint64 amount) {
    return QStringLiteral("¥") + yen_text(amount) + QStringLiteral("－");
}

QString receipt_items_text(const Book& book, const Receipt& receipt, int max_bytes) {
    const QString comma = QStringLiteral("、");
    const QString more = QStringLiteral(" 他");
    QStringList titles;
    for (int k : receipt.items)
        if (!is_blank(book.komoku_name[k])) titles << book.komoku_name[k].trimmed();
    QString text;
    for (int i = 0; i < titles.size(); ++i) {
        const QString next = text.isEmpty() ? titles[i] : text + comma + titles[i];
        // Room for " 他" is kept while further titles follow.
        const int room = i + 1 < titles.size() ? max_bytes - cp932::byte_length(more) : max_bytes;
        if (cp932::byte_length(next) <= room) {
            text = next;
            continue;
        }
        if (text.isEmpty()) text = cp932::clip_bytes(titles[i], room);
        return text + more;
    }
    return text;
}

QString receipt_date_text(const QDate& day) {
    if (!day.isValid()) return {};
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}
