#include "book/payments_csv.h"
#include "book/balance.h"
#include "book/csv_table.h"
#include "book/payments.h"
#include "book/text_rules.h"

QByteArray payments_csv_text(const Book& book) {
    QString text = csv_record({QStringLiteral("期間"), text_field(trim_blanks(book.nengetu)),
                               QStringLiteral("担当"), text_field(trim_blanks(book.motojime))});
    text += csv_record({QStringLiteral("番号"), QStringLiteral("名前"), QStringLiteral("項目"),
                        QStringLiteral("請求"), QStringLiteral("受取"), QStringLiteral("残り"),
                        QStringLiteral("受取日"), QStringLiteral("状態"), QStringLiteral("充当")});
    qint64 owed = 0, received = 0, open = 0, covered = 0;
    for (int m = 0; m < kMembers; ++m) {
        const MemberBalance balance = member_balance(book, m);
        for (int k = 0; k < kItems; ++k) {
            const ItemBalance& item = balance.item[size_t(k)];
            const Payment& paid = book.payments.cell[m][k];
            // A payment stays in the table even when its member or item has
            // since lost its name: the money was received.
            if (item.state == PayState::None) continue;
            owed += item.owed;
            received += item.received;
            open += item.open();
            covered += item.covered;
            text += csv_record(
                {QString::number(m + 1), text_field(trim_blanks(book.member_name[m])),
                 text_field(trim_blanks(book.komoku_name[k])), amount_field(item.owed),
                 amount_field(item.received), amount_field(item.open()),
                 paid.recorded() ? paid.date.toString(QStringLiteral("yyyy/MM/dd")) : QString(),
                 pay_state_word(item.state), amount_field(item.covered)});
        }
    }
    text += csv_record({QString(), QStringLiteral("合計"), QString(), amount_field(owed),
                        amount_field(received), amount_field(open), QString(), QString(),
                        amount_field(covered)});
    return csv_bytes(text);
}
