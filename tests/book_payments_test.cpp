// The payments record: the state of a payment against what is owed, the
// record travelling with its member and item through every shift, and the
// payments file read back, entries that no longer match set aside.

#include "book/data_files.h"
#include "book/item_order.h"
#include "book/member_shift.h"
#include "book/payments.h"
#include "book/payments_file.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <functional>
#include <map>
#include <memory>

namespace {

const QDate kDay(2026, 12, 8);

TEST(PaymentState, FollowsWhatIsOwedNeverTheOtherWayRound) {
    struct Row {
        qint64 owed, received;
        PayState state;
    };
    const Row rows[] = {
        {1000, 0, PayState::Unpaid},      {1000, 1000, PayState::Paid},
        {1000, 400, PayState::Partly},    {1000, 1500, PayState::Overpaid},
        {1000, -200, PayState::Partly},   {0, 0, PayState::None},
        {0, 300, PayState::Overpaid},     {-500, 0, PayState::Unpaid},
        {-500, -500, PayState::Paid},     {-500, -200, PayState::Partly},
        {-500, -800, PayState::Overpaid},
    };
    for (const Row& r : rows)
        EXPECT_EQ(pay_state(r.owed, r.received), r.state) << r.owed << " " << r.received;
}

// A change to the charges after a payment changes the state, never the payment.
TEST(PaymentState, ChargesChangedAfterThePayment) {
    struct Row {
        const char* what;
        std::function<void(Book&)> change;
        qint64 owed;
        PayState state;
    };
    // clang-format off
    const Row rows[] = {
        {"as paid", [](Book&) {}, 1000, PayState::Paid},
        {"share raised", [](Book& b) { b.komoku_kingaku[0] = 1200; }, 1200, PayState::Partly},
        {"share lowered", [](Book& b) { b.komoku_kingaku[0] = 800; }, 800, PayState::Overpaid},
        {"mark taken off", [](Book& b) { b.mark[0][0] = 0; }, 0, PayState::Overpaid},
        {"own amount", [](Book& b) { b.komoku_mode[0] = 0, b.member_kingaku[0][0] = 1000; }, 1000, PayState::Paid},
        {"title cleared", [](Book& b) { b.komoku_name[0].clear(); }, 0, PayState::Overpaid},
        {"name cleared", [](Book& b) { b.member_name[0] = QStringLiteral(" "); }, 0, PayState::Overpaid},
    };
    // clang-format on
    for (const Row& r : rows) {
        auto book = std::make_unique<Book>();
        book->member_name[0] = QStringLiteral("佐藤");
        book->komoku_name[0] = QStringLiteral("忘年会");
        book->komoku_mode[0] = 1;
        book->komoku_kingaku[0] = 1000;
        book->mark[0][0] = 1;
        book->payments.cell[0][0] = {1000, kDay};
        r.change(*book);
        EXPECT_EQ(owed_amount(*book, 0, 0), r.owed) << r.what;
        EXPECT_EQ(pay_state(owed_amount(*book, 0, 0), book->payments.cell[0][0].received), r.state)
            << r.what;
        EXPECT_EQ(book->payments.cell[0][0].received, 1000) << r.what;
    }
}

// Four members, three items, a payment on every cell whose amount says whose
// and for what it is.
std::unique_ptr<Book> paid_book() {
    auto book = std::make_unique<Book>();
    for (int m = 0; m < 4; ++m) book->member_name[m] = QStringLiteral("人%1").arg(m);
    for (int k = 0; k < 3; ++k) book->komoku_name[k] = QStringLiteral("項目%1").arg(k);
    for (int m = 0; m < 4; ++m)
        for (int k = 0; k < 3; ++k) book->payments.cell[m][k] = {100 * (m + 1) + k + 1, kDay};
    return book;
}

// Every payment still sits with the name and title it was made for.
std::map<std::pair<QString, QString>, qint64> payments_by_owner(const Book& book) {
    std::map<std::pair<QString, QString>, qint64> out;
    for (int m = 0; m <= kMembers; ++m)
        for (int k = 0; k <= kItems; ++k)
            if (book.payments.cell[m][k].recorded())
                out[{book.member_name[m], book.komoku_name[k]}] = book.payments.cell[m][k].received;
    return out;
}

TEST(PaymentShifts, PaymentsStayWithTheirMemberAndItem) {
    struct Row {
        const char* what;
        std::function<bool(Book&)> shift;
        QString gone_name, gone_title; // whose payments go with a deletion
    };
    // clang-format off
    const Row rows[] = {
        {"Del of item 2", [](Book& b) { return delete_item(b, 1); }, {}, "項目1"},
        {"Del of the last item", [](Book& b) { return delete_item(b, 2); }, {}, "項目2"},
        {"item order 3 1 2", [](Book& b) { return apply_order(b, {2, 0, 1}); }, {}, {}},
        {"member inserted before 2", [](Book& b) { return insert_member(b, 1); }, {}, {}},
        {"member inserted first", [](Book& b) { return insert_member(b, 0); }, {}, {}},
        {"member 2 deleted", [](Book& b) { return delete_member(b, 1); }, "人1", {}},
        {"member 4 deleted", [](Book& b) { return delete_member(b, 3); }, "人3", {}},
    };
    // clang-format on
    for (const Row& r : rows) {
        auto book = paid_book();
        auto expected = payments_by_owner(*book);
        std::erase_if(expected, [&](const auto& e) {
            return e.first.first == r.gone_name || e.first.second == r.gone_title;
        });
        ASSERT_TRUE(r.shift(*book)) << r.what;
        EXPECT_EQ(payments_by_owner(*book), expected) << r.what;
    }
}

class PaymentsFile : public TempWorkdir {};

// The file as written, for a book with a name that needs escaping and an
// entry set aside.
TEST_F(PaymentsFile, RoundTripWithSetAsideEntries) {
    auto book = paid_book();
    for (int m = 0; m < 4; ++m) book->payments.cell[m].fill({});
    book->member_name[2] = QStringLiteral("  a\\b\tc ");
    book->payments.cell[0][0] = {1000, kDay};
    book->payments.cell[2][1] = {-250, QDate(2027, 1, 31)};
    book->payments.set_aside.push_back(
        {7, 20, 3000, QDate(2026, 11, 1), QStringLiteral("鈴木"), QStringLiteral("旅行")});
    const QByteArray text = payments_text(*book);
    EXPECT_EQ(text, QByteArray("tavu-payments 1\n"
                               "P\t1\t1\t1000\t2026-12-08\t人0\t項目0\n"
                               "P\t3\t2\t-250\t2027-01-31\ta\\\\b\\tc\t項目1\n"
                               "S\t7\t20\t3000\t2026-11-01\t鈴木\t旅行\n"));

    auto same = paid_book();
    same->member_name[2] = book->member_name[2];
    PayRead read = parse_payments_text(text, *same);
    EXPECT_EQ(read.result, ReadResult::Ok);
    EXPECT_EQ(read.set_aside, 1);
    EXPECT_EQ(payments_text(*same), text);

    // Names and titles as the data file gives them back (a wave dash from an
    // input method, a double quote) still match what the entries recorded.
    auto typed = paid_book();
    typed->komoku_name[0] = QStringLiteral("忘年会〜新年会");
    typed->member_name[0] = QStringLiteral("佐藤\"花子\"");
    auto reread = std::make_unique<Book>();
    ASSERT_EQ(parse_data_text(data_text(*typed), *reread), ReadResult::Ok);
    read = parse_payments_text(payments_text(*typed), *reread);
    EXPECT_EQ(read.set_aside, 0);
    EXPECT_EQ(reread->payments.cell[0][0].received, typed->payments.cell[0][0].received);

    // Another book (or the names moved while the file lay there): nothing
    // is credited to whoever holds the slot now.
    auto other = paid_book();
    other->member_name[0] = QStringLiteral("田中");
    read = parse_payments_text(text + "P\t4\t3\t500\t2026-12-09\t人3\t項目2\n"
                                      "P\t4\t3\t600\t2026-12-09\t人3\t項目2\n"
                                      "P\t4\t3\t0\t2026-12-09\t人3\t項目2\n"
                                      "P\t4\t21\t500\t2026-12-09\t人3\t項目2\n"
                                      "P\t4\t3\t500\t2026-13-09\t人3\t項目2\n"
                                      "P\t4\t3\t500\t2026-12-09\t人3\n"
                                      "# a comment\r\n\n",
                               *other);
    EXPECT_EQ(read.result, ReadResult::Damaged);
    EXPECT_EQ(read.damaged_lines, 4);
    EXPECT_EQ(read.set_aside, 4); // 田中's, the escaped name's, the S entry, the second 人3
    EXPECT_EQ(other->payments.cell[3][2].received, 500);
    EXPECT_FALSE(other->payments.cell[0][0].recorded());
    EXPECT_EQ(other->payments.set_aside[0].name, QStringLiteral("人0"));

    EXPECT_EQ(parse_payments_text("P\t1\t1\t1000\t2026-12-08\t人0\t項目0\n", *other).result,
              ReadResult::Damaged);
    EXPECT_TRUE(other->payments.empty());
}

TEST_F(PaymentsFile, SavedWithItsOwnSafetyCopy) {
    auto book = paid_book();
    book->payments = {};
    EXPECT_EQ(payments_write(*book).written, WriteResult::Ok);
    EXPECT_EQ(files(), QStringList()); // no payments, no file

    book->payments.cell[1][1] = {700, kDay};
    ASSERT_EQ(payments_write(*book).written, WriteResult::Ok);
    const QByteArray first = read_bytes(QStringLiteral("allitem.pay"));
    book->payments = {};
    ASSERT_EQ(payments_write(*book).written, WriteResult::Ok);
    EXPECT_EQ(files(),
              QStringList({QStringLiteral("allitem.pay"), QStringLiteral("allitem.pay.bak")}));
    EXPECT_EQ(read_bytes(QStringLiteral("allitem.pay.bak")), first);

    auto again = paid_book();
    EXPECT_EQ(payments_read(*again).result, ReadResult::Ok);
    EXPECT_TRUE(again->payments.empty());
    write_bytes(QStringLiteral("allitem.pay"), first);
    EXPECT_EQ(payments_read(*again).result, ReadResult::Ok);
    EXPECT_EQ(again->payments.cell[1][1].received, 700);

    // A copy that cannot be kept does not stop the record being written.
    ASSERT_TRUE(QFile::remove(QStringLiteral("allitem.pay.bak")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("allitem.pay.bak")));
    const SavedFile saved = payments_write(*again);
    EXPECT_EQ(saved.written, WriteResult::Ok);
    EXPECT_EQ(saved.bak, BakProblem::Folder);
    EXPECT_EQ(read_bytes(QStringLiteral("allitem.pay")), payments_text(*again));
}

} // namespace
