// The unpaid list on paper: a page against its drawing table, pages that
// continue, and the list as the organizer reaches it from the menus of the
// live book and of a closed period.
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/past_periods.h"
#include "book/payments_file.h"
#include "book/print_rules.h"
#include "periods/past_book_window.h"
#include "print/print_preview.h"
#include "print/unpaid_report.h"
#include "sheet_fixture.h"
#include "support/full_book.h"
#include "ui/print_recorder.h"

#include <QDir>

// Failures show the texts themselves.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const UnpaidLayout& L = kUnpaidLayout;
const QString kNobodyOwes =
    QStringLiteral("未収は ありまへん ！\r\n\r\nみんな きっちり 払うてくれてはるで。  "
                   "印刷する もんが あらへんわ。");

// A text in column c, `line` text lines below the caption band.
QString cell(int c, int line, const QString& size, const QString& text) {
    return QStringLiteral("text %1 %2 %3 %4")
        .arg(ui::coord(L.column_x[c] + L.text_dx),
             ui::coord(L.head_bottom + L.line * line + L.text_dy), size, text);
}

QString rule(double y, int width) {
    return QStringLiteral("line %1 %2 %3 %2 w%4")
        .arg(ui::coord(L.column_x.front()), ui::coord(y), ui::coord(L.column_x.back()))
        .arg(width);
}

// Members on a page, by the numbers in the first column.
QStringList numbers(const QStringList& page) {
    QStringList out;
    const QString prefix = QStringLiteral("text %1 ").arg(ui::coord(L.column_x[0] + L.text_dx));
    for (const QString& op : page)
        if (op.startsWith(prefix) && op.split(u' ')[3] == QStringLiteral("10"))
            out << op.split(u' ')[4];
    return out;
}

void pay(Book& book, int m, int k, qint64 amount) {
    book.payments.cell[m][k] = {amount, QDate(2026, 11, 30)};
}

// 佐藤 owes 忘年会 (part paid), 鈴木 has paid, Ito owes five items with
// titles long enough to take three lines.
Book small_book() {
    Book book;
    book.nengetu = QStringLiteral("2026年12月");
    book.motojime = QStringLiteral("幹事");
    book.member_name[0] = QStringLiteral("佐藤");
    book.member_name[1] = QStringLiteral("鈴木");
    book.member_name[2] = QStringLiteral("Ito");
    const QStringList titles{"忘年会",      "部長送別会の花束", "年末大掃除用品",
                             "お歳暮 2026", "Welcome party",    "誕生日ケーキ"};
    for (int k = 0; k < titles.size(); ++k) book.komoku_name[k] = titles[k];
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 3000;
    book.mark[0][0] = book.mark[1][0] = 1;
    pay(book, 0, 0, 1000);
    pay(book, 1, 0, 3000);
    for (int k = 1; k <= 5; ++k) book.member_kingaku[2][k] = 1000 * k;
    return book;
}

} // namespace

TEST(UnpaidLayout, PageFollowsTheDrawingTable) {
    Book book = small_book();
    ui::PrintRecorder printer;
    print_unpaid(book, unpaid_list(book, UnpaidOrder::Roster), printer);
    EXPECT_EQ(printer.ops.mid(0, 4),
              (QStringList{"paper A4", "orientation portrait", "unit mm", "print "}));
    EXPECT_EQ(printer.ops.back(), QStringLiteral("end document"));
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    ASSERT_EQ(pages.size(), 1u);

    const auto at = [](double x, double y, const char* size, const QString& text) {
        return QStringLiteral("text %1 %2 %3 %4").arg(ui::coord(x), ui::coord(y), size, text);
    };
    const double bottom = L.head_bottom + 5 * L.line; // 1 + 3 lines of members, the totals
    QStringList expected{
        at(L.title_x, L.title_y, "20b", "未   収   一   覧"),
        at(L.period_x, L.period_y, "14b", "2026年12月"),
        at(L.organizer_x, L.organizer_y, "11", "担当  幹事"),
        at(L.page_x, L.page_y, "10", "1 / 1 ページ"),
        QStringLiteral("box %1 %2 %3 %4 w2")
            .arg(ui::coord(L.column_x[0]), ui::coord(L.head_top), ui::coord(L.column_x[6]),
                 ui::coord(bottom)),
        rule(L.head_bottom, 2),
        rule(L.head_bottom + L.line, 1),     // between the members
        rule(L.head_bottom + 4 * L.line, 2), // above the totals
    };
    for (int c = 1; c <= 5; ++c)
        expected << QStringLiteral("line %1 %2 %1 %3 w1")
                        .arg(ui::coord(L.column_x[c]), ui::coord(L.head_top), ui::coord(bottom));
    const char* captions[] = {"No", "名  前", "未収の項目", "請  求", "入  金", "残  り"};
    for (int c = 0; c < 6; ++c)
        expected << at(L.column_x[c] + L.text_dx, L.head_top + 0.5 + L.text_dy, "10b", captions[c]);
    // column, line, size, text
    const struct {
        int c, line;
        const char* size;
        QString text;
    } cells[] = {
        {0, 0, "10", "1"},
        {1, 0, "10", "佐藤"},
        {2, 0, "9", "忘年会(一部)"},
        {3, 0, "10", kingaku_text(3000)},
        {4, 0, "10", kingaku_text(1000)},
        {5, 0, "10", kingaku_text(2000)},
        {0, 1, "10", "3"},
        {1, 1, "10", "Ito"},
        {2, 1, "9", "部長送別会の花束、年末大掃除用品、"},
        {2, 2, "9", "お歳暮 2026、Welcome party、"},
        {2, 3, "9", "誕生日ケーキ"},
        {3, 1, "10", kingaku_text(15000)},
        {5, 1, "10", kingaku_text(15000)}, // nothing paid: no amount
        {1, 4, "10b", "合  計"},
        {2, 4, "10b", "2 人"},
        {3, 4, "10b", kingaku_text(18000)},
        {4, 4, "10b", kingaku_text(1000)},
        {5, 4, "10b", kingaku_text(17000)},
    };
    for (const auto& e : cells) expected << cell(e.c, e.line, e.size, e.text);

    QStringList drawn = pages[0];
    drawn.sort();
    expected.sort();
    EXPECT_EQ(drawn, expected);
}

TEST(UnpaidLayout, PagesContinueUntilEveryMemberIsListed) {
    Book book;
    fill_full_book(book);
    fill_full_payments(book);
    const UnpaidList list = unpaid_list(book, UnpaidOrder::Roster);
    ui::PrintRecorder printer;
    print_unpaid(book, list, printer);
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    ASSERT_GT(pages.size(), 2u);

    QStringList listed, expected;
    for (const UnpaidRow& row : list.rows) expected << QString::number(row.member + 1);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const QString what = QStringLiteral("page %1").arg(p + 1);
        const QStringList& page = pages[p];
        listed << numbers(page);
        EXPECT_FALSE(numbers(page).isEmpty()) << what.toStdString();
        EXPECT_EQ(page.filter(QStringLiteral("ページ")),
                  QStringList{QStringLiteral("text %1 %2 10 %3 / %4 ページ")
                                  .arg(ui::coord(L.page_x), ui::coord(L.page_y))
                                  .arg(p + 1)
                                  .arg(pages.size())});
        const QStringList box = page.filter(QStringLiteral("box "))[0].split(u' ');
        EXPECT_LE(box[4].toDouble(), L.body_bottom) << what.toStdString();
        EXPECT_EQ(page.filter(QStringLiteral("合  計")).size(), p + 1 == pages.size() ? 1 : 0)
            << what.toStdString();
    }
    EXPECT_EQ(listed, expected);
}

class UnpaidCommand : public SheetTest {
protected:
    ui::PrinterCapture capture;
};

TEST_F(UnpaidCommand, FromTheMenusInEitherOrder) {
    start(3);
    // Nobody owes: said, nothing printed or shown.
    w->print_unpaid_roster->trigger();
    w->preview_unpaid_remaining->trigger();
    EXPECT_EQ(boxes(),
              (Boxes{{kNobodyOwes, ui::Icon::Information}, {kNobodyOwes, ui::Icon::Information}}));
    EXPECT_TRUE(capture.documents.empty());
    EXPECT_TRUE(w->findChildren<PrintPreview*>().isEmpty());

    // Item 1 on the sheet: 名前1 owes 900 less 200, 名前0 500.
    book.komoku_name[0] = QStringLiteral("花代");
    book.komoku_mode[0] = 0;
    book.member_kingaku[0][0] = 500;
    book.member_kingaku[1][0] = 900;
    pay(book, 1, 0, 200);
    show_item(0);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtMotojime->setText(QStringLiteral("幹事"));
    w->print_unpaid_remaining->trigger();
    ASSERT_EQ(capture.documents.size(), 1u);
    EXPECT_EQ(numbers(ui::drawn_pages(capture.documents[0])[0]), (QStringList{"2", "1"}));
    EXPECT_EQ(boxes().size(), 2u) << "the period and the person in charge confirmed";

    w->preview_unpaid_roster->trigger();
    const QList<PrintPreview*> previews = w->findChildren<PrintPreview*>();
    ASSERT_EQ(previews.size(), 1);
    EXPECT_EQ(previews[0]->document().page_count(), 1);
    EXPECT_TRUE(boxes().empty());
}

// A closed period's window lists who had not paid when it was closed.
TEST_F(UnpaidCommand, ClosedPeriodListsWhoHadNotPaid) {
    Book closed = small_book();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("kako/2026-11")));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("kako/2026-11")));
    ASSERT_EQ(write_file_atomically(QString::fromLatin1(kHrmFile), pair_swap(data_text(closed))),
              WriteResult::Ok);
    ASSERT_EQ(payments_write(closed).written, WriteResult::Ok);
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("../..")));
    start(0);

    const std::vector<PastPeriod> periods = list_past_periods(QDir::currentPath());
    ASSERT_EQ(periods.size(), 1u);
    frmTavu* past = open_past_book(*w, periods[0]);
    ASSERT_NE(past, nullptr);
    past->print_unpaid_roster->trigger();
    ASSERT_EQ(capture.documents.size(), 1u);
    EXPECT_EQ(numbers(ui::drawn_pages(capture.documents[0])[0]), (QStringList{"1", "3"}));
    past->close();
}
