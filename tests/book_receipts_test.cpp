// Who gets a receipt and a reminder slip, what they say, and the names of
// the files written one per member.
#include "book/balance.h"
#include "book/member_files.h"
#include "book/payments.h"
#include "book/receipts.h"
#include "book/reminders.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDate kDay1(2026, 12, 1), kDay2(2026, 12, 8);

// One member per case, on item 0 (忘年会, 3,000 each) and item 1 (お歳暮,
// set per member); a member's own amount on item 1 may be negative (a
// refund the organizer owes).
struct Case {
    const char* name;
    qint64 owed1;           // charge of item 1 (item 0 is 3,000)
    qint64 paid0, paid1;    // received for items 0 and 1
    QDate day0, day1;       // their days
    qint64 receipt;         // the receipt's amount over the period (0: none)
    qint64 receipt_on_day2; // on kDay2 only
    qint64 reminder;        // the reminder's total (0: none)
    int reminder_lines;     // open items named on it
};

// clang-format off
const Case kCases[] = {
    // name         owed1  paid0  paid1  day0   day1   receipt day2  reminder lines
    {"paid",          500, 3000,   500, kDay1, kDay2,   3500,   500,     0, 0},
    {"part-paid",     500, 1000,     0, kDay2, {},      1000,  1000,  2500, 2},
    {"overpaid",      500, 3000,  1000, kDay1, kDay1,   4000,     0,     0, 0},
    {"nothing",       500,    0,     0, {},    {},         0,     0,  3500, 2},
    {"refund paid",  -800, 3000,  -800, kDay2, kDay2,   3000,  3000,     0, 0},
    {"refund owed",  -800,    0,     0, {},    {},         0,     0,  2200, 1},
    {"over covers",   500, 2000,  1500, kDay1, kDay1,   3500,     0,     0, 0},
    {"over partly",   500, 1000,  1000, kDay1, kDay1,   2000,     0,  1500, 1},
};
// clang-format on

Book case_book() {
    Book book;
    book.komoku_name[0] = QStringLiteral("忘年会");
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 3000;
    book.komoku_name[1] = QStringLiteral("お歳暮");
    int m = 0;
    for (const Case& c : kCases) {
        book.member_name[m] = QString::fromUtf8(c.name);
        book.mark[m][0] = 1;
        book.member_kingaku[m][1] = qint32(c.owed1);
        book.payments.cell[m][0] = {c.paid0, c.day0};
        book.payments.cell[m][1] = {c.paid1, c.day1};
        ++m;
    }
    return book;
}

} // namespace

TEST(Receipts, WhoGetsOneAndForHowMuch) {
    const Book book = case_book();
    const std::vector<Receipt> all = receipts(book);
    const std::vector<Receipt> day2 = receipts(book, kDay2);
    const std::vector<Reminder> slips = reminders(book);
    const auto find = [](const auto& list, int m) -> decltype(&list[0]) {
        for (const auto& r : list)
            if (r.member == m) return &r;
        return nullptr;
    };
    for (int m = 0; m < int(std::size(kCases)); ++m) {
        const Case& c = kCases[m];
        const auto* r = find(all, m);
        EXPECT_EQ(r ? r->amount : 0, c.receipt) << c.name;
        const auto* d = find(day2, m);
        EXPECT_EQ(d ? d->amount : 0, c.receipt_on_day2) << c.name;
        const auto* s = find(slips, m);
        EXPECT_EQ(s ? s->total : 0, c.reminder) << c.name;
        EXPECT_EQ(s ? int(s->lines.size()) : 0, c.reminder_lines) << c.name;
        // Slips go to exactly the members the book's rule says still owe.
        EXPECT_EQ(s != nullptr, still_owed(book, m) > 0) << c.name;
    }
}

TEST(Receipts, ItemsDaysAndText) {
    Book book = case_book();
    const std::vector<Receipt> all = receipts(book);
    // "paid": both items, the later day.
    ASSERT_EQ(all[0].member, 0);
    EXPECT_EQ(all[0].items, (std::vector<int>{0, 1}));
    EXPECT_EQ(all[0].day, kDay2);
    // "refund paid": the refund paid out is no money received.
    const Receipt refund = receipts(book, {}, 4).at(0);
    EXPECT_EQ(refund.items, (std::vector<int>{0}));
    EXPECT_TRUE(receipts(book, {}, 3).empty());
    EXPECT_TRUE(receipts(book, kDay1, 1).empty());

    EXPECT_EQ(receipt_amount_text(12300), QStringLiteral("¥12,300－"));
    EXPECT_EQ(receipt_amount_text(500), QStringLiteral("¥500－"));
    EXPECT_EQ(receipt_date_text(kDay2), QStringLiteral("2026年12月8日"));

    // 但し: titles as they fit, " 他" when some are left out.
    const QStringList titles{"忘年会", "お歳暮", "部長送別会の花束", "", "ABCDEFGHIJKLMNOPQRST"};
    for (int k = 0; k < titles.size(); ++k) book.komoku_name[k] = titles[k];
    Receipt r{0, 1, {0, 1, 2, 3, 4}, kDay1};
    struct Fit {
        int bytes;
        const char* text;
    };
    const Fit fits[] = {
        {100, "忘年会、お歳暮、部長送別会の花束、ABCDEFGHIJKLMNOPQRST"},
        {54, "忘年会、お歳暮、部長送別会の花束、ABCDEFGHIJKLMNOPQRST"},
        {53, "忘年会、お歳暮、部長送別会の花束 他"},
        {35, "忘年会、お歳暮、部長送別会の花束 他"},
        {34, "忘年会、お歳暮 他"},
        {9, "忘年会 他"},
        {6, "忘 他"}, // a first title too long alone is cut
    };
    for (const Fit& f : fits)
        EXPECT_EQ(receipt_items_text(book, r, f.bytes), QString::fromUtf8(f.text)) << f.bytes;
    r.items = {3};
    EXPECT_EQ(receipt_items_text(book, r, 40), QString());
}

TEST(Reminders, OpenItemsAndWhatIsSetOff) {
    const Book book = case_book();
    // "part-paid": 忘年会 2,000 left (part paid), お歳暮 500.
    const Reminder part = reminders(book, 1).at(0);
    ASSERT_EQ(part.lines.size(), 2u);
    EXPECT_EQ(part.lines[0].remaining, 2000);
    EXPECT_TRUE(part.lines[0].part_paid);
    EXPECT_EQ(part.lines[1].remaining, 500);
    EXPECT_FALSE(part.lines[1].part_paid);
    EXPECT_EQ(part.set_off(), 0);
    // "refund owed": 3,000 open, 800 owed back set against it.
    const Reminder refund = reminders(book, 5).at(0);
    EXPECT_EQ(refund.set_off(), 800);
    // "over partly": 2,000 open on 忘年会, 500 paid beyond お歳暮.
    EXPECT_EQ(reminders(book, 7).at(0).set_off(), 500);
    EXPECT_EQ(reminder_as_of_text(kDay2), QStringLiteral("12月8日 現在"));
}

TEST(MemberFiles, NamesAreSafeForFiles) {
    struct Name {
        int member;
        const char* name;
        const char* file;
    };
    // clang-format off
    const Name names[] = {
        {2,  "佐藤一郎",      "03_佐藤一郎.pdf"},
        {2,  "佐藤 一郎",     "03_佐藤一郎.pdf"},
        {2,  "佐藤　一郎 ",   "03_佐藤一郎.pdf"},
        {95, "Ito",           "96_Ito.pdf"},
        {0,  "a/b\\c:d*e?f",  "01_a_b_c_d_e_f.pdf"},
        {0,  "\"<x>|y\"",     "01___x__y_.pdf"},
        {0,  "..",            "01_...pdf"},
        {0,  "ﾜﾀﾅﾍﾞ",         "01_ﾜﾀﾅﾍﾞ.pdf"},
        {8,  "   ",           "09.pdf"},
        {8,  "tab\there",     "09_tabhere.pdf"},
    };
    // clang-format on
    for (const Name& n : names)
        EXPECT_EQ(member_file_name(n.member, QString::fromUtf8(n.name), QStringLiteral("pdf")),
                  QString::fromUtf8(n.file))
            << n.name;
}

class FreeFileTest : public TempWorkdir {};

TEST_F(FreeFileTest, NeverOverAnExistingFile) {
    const QString dir = QDir::currentPath();
    const auto make = [](const QString& name) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    EXPECT_EQ(free_file_path(dir, QStringLiteral("03_佐藤.pdf")),
              dir + QStringLiteral("/03_佐藤.pdf"));
    make(QStringLiteral("03_佐藤.pdf"));
    EXPECT_EQ(free_file_path(dir, QStringLiteral("03_佐藤.pdf")),
              dir + QStringLiteral("/03_佐藤-2.pdf"));
    make(QStringLiteral("03_佐藤-2.pdf"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("03_佐藤-3.pdf"))); // a folder in the way
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere"), QStringLiteral("03_佐藤-4.pdf")));
    EXPECT_EQ(free_file_path(dir, QStringLiteral("03_佐藤.pdf")),
              dir + QStringLiteral("/03_佐藤-5.pdf"));
}
