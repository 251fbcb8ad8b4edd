// Who is on the unpaid list, with what, and in which order: one table of
// small books, each row read back as "No:items:owed:paid".
#include "book/unpaid_list.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Three items: 会費 (割勘, 1000 each), 花代 and 返金 (任意); members A, B, C.
Book base() {
    Book book;
    const char16_t* names[] = {u"A", u"B", u"C"};
    for (int m = 0; m < 3; ++m) book.member_name[m] = QString::fromUtf16(names[m]);
    book.komoku_name[0] = QStringLiteral("会費");
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 1000;
    book.komoku_name[1] = QStringLiteral("花代");
    book.komoku_name[2] = QStringLiteral("返金");
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

struct Row {
    const char* what;
    std::function<void(Book&)> setup;
    UnpaidOrder order;
    QStringList expected;
    qint64 owed, paid; // the list's totals
};

} // namespace

TEST(UnpaidList, WhoOwesWhatInWhichOrder) {
    using O = UnpaidOrder;
    const Row rows[] = {
        {"nothing paid: every charged member, by roster position",
         [](Book& b) {
             b.mark[0][0] = b.mark[2][0] = 1;
             b.member_kingaku[1][1] = 300;
         },
         O::Roster,
         {"1:会費:1000:0", "2:花代:300:0", "3:会費:1000:0"},
         2300,
         0},
        {"paid exactly is off the list; a part paid is said",
         [](Book& b) {
             b.mark[0][0] = b.mark[1][0] = 1;
             b.member_kingaku[1][1] = 500;
             pay(b, 0, 0, 1000);
             pay(b, 1, 0, 400);
         },
         O::Roster,
         {"2:会費(一部),花代:1500:400"},
         1500,
         400},
        {"paid more on one item than owed on another: not owing",
         [](Book& b) {
             b.mark[0][0] = 1;
             b.member_kingaku[0][1] = 500;
             pay(b, 0, 0, 1500);
         },
         O::Roster,
         {},
         0,
         0},
        {"a refund not yet paid out lowers what is left, and is not named",
         [](Book& b) {
             b.mark[0][0] = b.mark[1][0] = 1;
             b.member_kingaku[0][2] = -300;
             b.member_kingaku[1][2] = -1000; // owes nothing on balance
             pay(b, 0, 2, -300);             // A's refund paid out: A owes 1000
         },
         O::Roster,
         {"1:会費:700:-300"},
         700,
         -300},
        {"unmarked 割勘, untitled items and nameless members charge nothing",
         [](Book& b) {
             b.member_kingaku[0][0] = 900; // 割勘: the amount is not charged
             b.komoku_name[3].clear();
             b.member_kingaku[1][3] = 700;
             b.member_name[2] = QStringLiteral("  ");
             b.member_kingaku[2][1] = 800;
         },
         O::Roster,
         {},
         0,
         0},
        {"by amount left, largest first, ties by roster position",
         [](Book& b) {
             b.member_kingaku[0][1] = 200;
             b.member_kingaku[1][1] = 900;
             b.member_kingaku[2][1] = 900;
             b.member_name[3] = QStringLiteral("D");
             b.member_kingaku[3][1] = 1500;
             pay(b, 3, 1, 600);
         },
         O::Remaining,
         {"2:花代:900:0", "3:花代:900:0", "4:花代(一部):1500:600", "1:花代:200:0"},
         3500,
         600},
    };
    for (const Row& row : rows) {
        Book book = base();
        row.setup(book);
        const UnpaidList list = unpaid_list(book, row.order);
        EXPECT_EQ(read(list), row.expected) << row.what;
        EXPECT_EQ(list.owed, row.owed) << row.what;
        EXPECT_EQ(list.paid, row.paid) << row.what;
    }
}
