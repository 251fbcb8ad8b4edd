#include "book/payments_csv.h"
#include "book/csv_table.h"
#include "book/payments.h"
#include "book/text_rules.h"

QByteArray payments_csv_text(const Book& book) {
    QString text = csv_record({QStringLiteral("期間"), text_field(trim_blanks(book.nengetu)),
                               QStringLiteral("担当"), text_field(trim_blanks(book.motojime))});
    text += csv_record({QStringLiteral("番号"), QStringLiteral("名前"), QStringLiteral("項目"),
                        QStringLiteral("請求"), QStringLiteral("受取"), QStringLiteral("残り"),
                        QStringLiteral("受取日"), QStringLiteral("状態")});
    PayTotals all;
    for (int m = 0; m < kMembers; ++m)
        for (int k = 0; k < kItems; ++k) {
            const qint64 owed = owed_amount(book, m, k);
            const Payment& paid = book.payments.cell[m][k];
            const PayState state = pay_state(owed, paid.received);
            // A payment stays in the table even when its member or item has
            // since lost its name: the money was received.
            if (state == PayState::None) continue;
            all.owed += owed;
            all.received += paid.received;
            text += csv_record(
                {QString::number(m + 1), text_field(trim_blanks(book.member_name[m])),
                 text_field(trim_blanks(book.komoku_name[k])), amount_field(owed),
                 amount_field(paid.received), amount_field(owed - paid.received),
                 paid.recorded() ? paid.date.toString(QStringLiteral("yyyy/MM/dd")) : QString(),
                 pay_state_word(state)});
        }
    text += csv_record({QString(), QStringLiteral("合計"), QString(), amount_field(all.owed),
                        amount_field(all.received), amount_field(all.remaining()), QString(),
                        QString()});
    return csv_bytes(text);
}
