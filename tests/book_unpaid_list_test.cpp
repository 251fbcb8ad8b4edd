// Who is on the unpaid list, with what, and in which order: one table of
// small books, each read back as "No:items:owed:paid".
#include "book/unpaid_list.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Members A, B, C, D; 会費 (割勘, 1000 each), 花代 and 返金 (任意).
Book base() {
    Book book;
    for (int m = 0; m < 4; ++m) book.member_name[m] = QString(QChar(u'A' + m));
    const QStringList titles{"会費", "花代", "返金"};
    for (int k = 0; k < 3; ++k) book.komoku_name[k] = titles[k];
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 1000;
    return book;
}

void pay(Book& book, int m, int k, qint64 amount) {
    book.payments.cell[m][k] = {amount, QDate(2026, 12, 8)};
}

QStringList read(const UnpaidList& list) {
    QStringList out;
    for (const UnpaidRow& r : list.rows)
        out << QStringLiteral("%1:%2:%3:%4")
                   .arg(r.member + 1)
                   .arg(r.items.join(u','))
                   .arg(r.owed)
                   .arg(r.paid);
    return out;
}

} // namespace

TEST(UnpaidList, WhoOwesWhatInWhichOrder) {
    struct Row {
        const char* what;
        std::function<void(Book&)> setup;
        UnpaidOrder order;
        QStringList expected;
    };
    // clang-format off
    const Row rows[] = {
        {"unpaid and part paid are listed by roster position; paid exactly is not",
         [](Book& b) { b.mark[0][0] = b.mark[1][0] = b.mark[3][0] = 1; b.member_kingaku[3][1] = 300;
                       pay(b, 0, 0, 1000); pay(b, 3, 0, 400); },
         UnpaidOrder::Roster, {"2:会費:1000:0", "4:会費(一部),花代:1300:400"}},
        {"paid over on one item as much as owed on another: not owing",
         [](Book& b) { b.mark[0][0] = 1; b.member_kingaku[0][1] = 500; pay(b, 0, 0, 1500); },
         UnpaidOrder::Roster, {}},
        {"a refund lowers what is left and is not named; one larger than the charges: not owing",
         [](Book& b) { b.mark[0][0] = b.mark[1][0] = 1; b.member_kingaku[0][2] = -300;
                       b.member_kingaku[1][2] = -1000; pay(b, 0, 2, -300); },
         UnpaidOrder::Roster, {"1:会費:700:-300"}},
        {"by amount left, largest first, ties by roster position",
         [](Book& b) { b.member_kingaku[0][1] = 200; b.member_kingaku[1][1] = 900;
                       b.member_kingaku[2][1] = 900; b.member_kingaku[3][1] = 1500;
                       pay(b, 3, 1, 500); },
         UnpaidOrder::Remaining, {"4:花代(一部):1500:500", "2:花代:900:0", "3:花代:900:0", "1:花代:200:0"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        Book book = base();
        row.setup(book);
        EXPECT_EQ(read(unpaid_list(book, row.order)), row.expected) << row.what;
    }
}
