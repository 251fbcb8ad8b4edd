#pragma once
// A full book for the print tests, benchmarks and probes: 96 named members,
// 20 items with charges on every page, titles of every kind of width.

#include "book/book.h"
#include "book/payments.h"

#include <QStringList>

inline void fill_full_book(Book& book) {
    book.nengetu = QStringLiteral("2026年12月");
    book.motojime = QStringLiteral("幹事 花子");
    const QStringList surnames{QStringLiteral("佐藤"), QStringLiteral("鈴木"),
                               QStringLiteral("高橋"), QStringLiteral("田中"),
                               QStringLiteral("Ito"),  QStringLiteral("ﾜﾀﾅﾍﾞ")};
    for (int m = 0; m < kMembers; ++m)
        book.member_name[m] =
            m % 11 == 5 ? QStringLiteral("ＡＢＣＤＥＦ")
                        : surnames[m % surnames.size()] + QStringLiteral(" %1").arg(m + 1);
    const QStringList titles{QStringLiteral("忘年会"),
                             QStringLiteral("お歳暮 2026"),
                             QStringLiteral("Welcome party"),
                             QStringLiteral("部長送別会の花束"),
                             QStringLiteral("ABCDEFGHIあいう"),
                             QStringLiteral("ｺｰﾋｰ代 12月"),
                             QStringLiteral("新年会"),
                             QStringLiteral("出産祝い"),
                             QStringLiteral("ab　全角空白"),
                             QStringLiteral("旅行積立"),
                             QStringLiteral("誕生日ケーキ"),
                             QStringLiteral("お茶代"),
                             QStringLiteral("OB会 会費"),
                             QStringLiteral("お見舞い"),
                             QStringLiteral("1234567890123"),
                             QStringLiteral("ゴルフコンペ"),
                             QStringLiteral("暑気払い"),
                             QStringLiteral("年末大掃除用品"),
                             QStringLiteral("雑費"),
                             QStringLiteral("予備")};
    for (int k = 0; k < kItems; ++k) {
        book.komoku_name[k] = titles[k];
        book.komoku_mode[k] = qint16(k % 2 == 0 ? 1 : 0);
        book.komoku_kingaku[k] = 1300 + 100 * k;
        for (int m = 0; m < kMembers; ++m) {
            book.mark[m][k] = qint16((m + k) % 4 != 0 ? 1 : 0);
            book.member_kingaku[m][k] = (m + k) % 5 == 0 ? 0 : 500 + 10 * m + k;
        }
    }
}

// Payments on a full book: every eighth member has paid everything; of the
// others, half the cells are paid in full, a seventh of the rest in part,
// and the others not at all.
inline void pay_half_of_book(Book& book) {
    const QDate day(2026, 12, 8);
    for (int m = 0; m < kMembers; ++m)
        for (int k = 0; k < kItems; ++k) {
            const qint64 owed = owed_amount(book, m, k);
            if (owed <= 0) continue;
            Payment& p = book.payments.cell[m][k];
            if (m % 8 == 0 || (m + k) % 2 == 0)
                p = {owed, day};
            else if ((m + k) % 7 == 1)
                p = {owed / 2, day};
        }
}

// Payments on a full book in every state, by cell: nothing (未), the whole
// amount (済), half of it (一部), 500 more (過払い), received on days of
// December 2026.
inline void fill_full_payments(Book& book) {
    for (int m = 0; m < kMembers; ++m)
        for (int k = 0; k < kItems; ++k) {
            const qint64 owed = owed_amount(book, m, k);
            if (owed == 0) continue;
            const qint64 received[] = {0, owed, owed / 2, owed + 500};
            const qint64 r = received[(m + 3 * k) % 4];
            if (r != 0) book.payments.cell[m][k] = {r, QDate(2026, 12, 1 + m % 28)};
        }
}
