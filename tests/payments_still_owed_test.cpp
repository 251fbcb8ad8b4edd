// What a member still owes reads the same in all five places that show it:
// 集金チェック (the cells, 残り and まだの人だけ), the unpaid list, the
// statement's 入金 / 残り line, the carry-over of 新しい期間 and the payments
// CSV. One table of small books, each row the expected view in every one.

#include "book/balance.h"
#include "book/new_period.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "book/unpaid_list.h"
#include "payments/payments_model.h"
#include "print/meisai.h"
#include "ui/print_recorder.h"

#include <QUndoStack>
#include <gtest/gtest.h>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// One member, 佐藤, and three items asking each member's own amount:
// 忘年会, お歳暮, 返金 (a negative charge is money paid back).
Book small_book(std::array<int, 3> charge, std::array<int, 3> paid) {
    Book book;
    book.nengetu = QStringLiteral("12月");
    book.member_name[0] = QStringLiteral("佐藤");
    const QStringList titles{"忘年会", "お歳暮", "返金"};
    for (int k = 0; k < 3; ++k) {
        book.komoku_name[k] = titles[k];
        book.member_kingaku[0][k] = charge[size_t(k)];
        if (paid[size_t(k)] != 0) book.payments.cell[0][k] = {paid[size_t(k)], QDate(2026, 12, 8)};
    }
    return book;
}

// The statement's payment line, "" when it has none.
QString statement_line(Book book) {
    print_syukei(book);
    book.print_mark.fill(1);
    ui::PrintRecorder printer;
    print_meisai(book, printer);
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    for (const QString& op : pages[0])
        if (op.contains(QStringLiteral("入金"))) return op.section(u' ', 4);
    return {};
}

// The CSV's rows of member 1 without the date, "item:owed:received:open:state:covered".
QStringList csv_rows(const Book& book) {
    QStringList rows;
    for (const QString& line :
         QString::fromUtf8(payments_csv_text(book)).split(QStringLiteral("\r\n"))) {
        const QStringList f = line.split(u',');
        if (f.size() == 9 && f[0] == QStringLiteral("1"))
            rows << QStringList{f[2], f[3], f[4], f[5], f[7], f[8]}.join(u':');
    }
    return rows;
}

} // namespace

TEST(StillOwed, TheSameInEveryWindowOnPaperAndInFiles) {
    struct Case {
        const char* what;
        std::array<int, 3> charge, paid;
        qint64 owed;        // still owed: unpaid list, carry-over, まだの人だけ
        const char* unpaid; // the unpaid list's titles, "" not listed
        const char* cells;  // 集金チェック's item cells, then its 残り
        const char* statement;
        QStringList csv;
    };
    // clang-format off
    const Case cases[] = {
        {"overpaid on one item as much as owed on another: settled everywhere",
         {1000, 500, 0}, {1500, 0, 0}, 0, "", "＋ 1,000|＝ 500||",
         "入金 1,500　　残り 0",
         {"忘年会:1000:1500::過払い:", "お歳暮:500:::未:500"}},
        {"overpaid on one item less than owed on another: the rest owed",
         {1000, 500, 0}, {1200, 0, 0}, 300, "お歳暮(一部)", "＋ 1,000|× 500||300",
         "入金 1,200　　残り 300",
         {"忘年会:1000:1200::過払い:", "お歳暮:500::300:未:200"}},
        {"paid in full", {1000, 500, 0}, {1000, 500, 0}, 0, "", "○ 1,000|○ 500||",
         "入金 1,500　　残り 0",
         {"忘年会:1000:1000::済:", "お歳暮:500:500::済:"}},
        {"part paid on one item: owing", {1000, 500, 0}, {1000, 200, 0}, 300, "お歳暮(一部)",
         "○ 1,000|△ 500||300", "入金 1,200　　残り 300",
         {"忘年会:1000:1000::済:", "お歳暮:500:200:300:一部:"}},
        {"a refund not paid out lowers what is owed", {1000, 0, -300}, {200, 0, 0}, 500,
         "忘年会(一部)", "△ 1,000||× -300|500", "入金 200　　残り 500",
         {"忘年会:1000:200:500:一部:300", "返金:-300:::未:"}},
        {"a refund larger than the charges: nothing owed", {1000, 0, -1500}, {500, 0, 0}, 0, "",
         "＝ 1,000||× -1,500|＋ 1,000", "入金 500　　過払い 1,000",
         {"忘年会:1000:500::一部:500", "返金:-1500:::未:"}},
        {"paid over with nothing else owed", {1000, 0, 0}, {1800, 0, 0}, 0, "",
         "＋ 1,000|||＋ 800", "入金 1,800　　過払い 800", {"忘年会:1000:1800::過払い:"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Book book = small_book(c.charge, c.paid);
        EXPECT_EQ(member_balance(book, 0).still_owed(), c.owed);

        const UnpaidList unpaid = unpaid_list(book, UnpaidOrder::Roster);
        EXPECT_EQ(unpaid.rows.empty() ? QString() : unpaid.rows[0].items.join(u','),
                  QString::fromUtf8(c.unpaid));
        EXPECT_EQ(unpaid.remaining(), c.owed);

        EXPECT_EQ(carry_over_of(book, QStringLiteral("12月")).amount[0], c.owed);

        QUndoStack undo;
        payments::PaymentsModel model(book, undo);
        QStringList cells;
        for (int col = 0; col < model.columnCount(); ++col) {
            const QModelIndex at = model.index(0, col);
            if (model.item_at(col) >= 0 || col == model.columnCount() - 1)
                cells << at.data().toString();
        }
        EXPECT_EQ(cells.join(u'|'), QString::fromUtf8(c.cells));
        EXPECT_EQ(model.index(0, 0).data(payments::StillOwesRole).toBool(), c.owed > 0);

        EXPECT_EQ(statement_line(book), QString::fromUtf8(c.statement));
        EXPECT_EQ(csv_rows(book), c.csv);
    }
}
