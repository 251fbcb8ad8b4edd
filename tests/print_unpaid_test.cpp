// The unpaid list on paper: a page against its drawing table, pages that
// continue, and the list as the organizer reaches it from the menus of the
// live book and of a closed period.
#include "book/data_files.h"
#include "book/past_periods.h"
#include "book/payments_file.h"
#include "book/print_rules.h"
#include "payments/frmSyukin.h"
#include "payments/payments_feature.h"
#include "periods/past_book_window.h"
#include "print/print_preview.h"
#include "print/unpaid_feature.h"
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

QString text_at(double x, double y, const char* size, const QString& text) {
    return QStringLiteral("text %1 %2 %3 %4").arg(ui::coord(x), ui::coord(y), size, text);
}

// A text in column c, `line` text lines below the caption band.
QString cell(int c, int line, const char* size, const QString& text) {
    return text_at(L.column_x[c] + L.text_dx, L.head_bottom + L.line * line + L.text_dy, size,
                   text);
}

// The members a page lists, by their numbers in the first column.
QStringList numbers(const QStringList& page) {
    QStringList out;
    const QString prefix = QStringLiteral("text %1 ").arg(ui::coord(L.column_x[0] + L.text_dx));
    for (const QString& op : page)
        if (op.startsWith(prefix) && op.split(u' ')[3] == QStringLiteral("10"))
            out << op.split(u' ')[4];
    return out;
}

// 佐藤 owes 忘年会 (part paid), 鈴木 has paid, Ito owes five items whose
// titles take three lines.
Book small_book() {
    Book book;
    book.nengetu = QStringLiteral("2026年12月");
    book.motojime = QStringLiteral("幹事");
    const QStringList names{"佐藤", "鈴木", "Ito"};
    for (int m = 0; m < 3; ++m) book.member_name[m] = names[m];
    const QStringList titles{"忘年会",      "部長送別会の花束", "年末大掃除用品",
                             "お歳暮 2026", "Welcome party",    "誕生日ケーキ"};
    for (int k = 0; k < titles.size(); ++k) book.komoku_name[k] = titles[k];
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 3000;
    book.mark[0][0] = book.mark[1][0] = 1;
    book.payments.cell[0][0] = {1000, QDate(2026, 11, 30)};
    book.payments.cell[1][0] = {3000, QDate(2026, 11, 30)};
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
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    ASSERT_EQ(pages.size(), 1u);

    const double bottom = L.head_bottom + 5 * L.line; // 1 + 3 lines of members, the totals
    const auto across = [](double y, int width) {
        return QStringLiteral("line %1 %2 %3 %2 w%4")
            .arg(ui::coord(L.column_x[0]), ui::coord(y), ui::coord(L.column_x[6]))
            .arg(width);
    };
    QStringList expected{
        text_at(L.title_x, L.title_y, "20b", "未   収   一   覧"),
        text_at(L.period_x, L.period_y, "14b", "2026年12月"),
        text_at(L.organizer_x, L.organizer_y, "11", "担当  幹事"),
        text_at(L.page_x, L.page_y, "10", "1 / 1 ページ"),
        QStringLiteral("box %1 %2 %3 %4 w2")
            .arg(ui::coord(L.column_x[0]), ui::coord(L.head_top), ui::coord(L.column_x[6]),
                 ui::coord(bottom)),
        across(L.head_bottom, 2),
        across(L.head_bottom + L.line, 1),     // between the members
        across(L.head_bottom + 4 * L.line, 2), // above the totals
    };
    const QStringList captions{"No", "名  前", "未収の項目", "請  求", "入  金", "残  り"};
    for (int c = 0; c < 6; ++c) {
        if (c > 0)
            expected << QStringLiteral("line %1 %2 %1 %3 w1")
                            .arg(ui::coord(L.column_x[c]), ui::coord(L.head_top),
                                 ui::coord(bottom));
        expected << text_at(L.column_x[c] + L.text_dx, L.head_top + 0.5 + L.text_dy, "10b",
                            captions[c]);
    }
    // clang-format off
    expected << QStringList{
        cell(0, 0, "10", "1"), cell(1, 0, "10", "佐藤"), cell(2, 0, "9", "忘年会(一部)"),
        cell(3, 0, "10", kingaku_text(3000)), cell(4, 0, "10", kingaku_text(1000)),
        cell(5, 0, "10", kingaku_text(2000)),
        cell(0, 1, "10", "3"), cell(1, 1, "10", "Ito"),
        cell(2, 1, "9", "部長送別会の花束、年末大掃除用品、"),
        cell(2, 2, "9", "お歳暮 2026、Welcome party、"),
        cell(2, 3, "9", "誕生日ケーキ"),
        cell(3, 1, "10", kingaku_text(15000)), cell(5, 1, "10", kingaku_text(15000)), // nothing paid
        cell(1, 4, "10b", "合  計"), cell(2, 4, "10b", "2 人"), cell(3, 4, "10b", kingaku_text(18000)),
        cell(4, 4, "10b", kingaku_text(1000)), cell(5, 4, "10b", kingaku_text(17000))};
    // clang-format on
    QStringList drawn = pages[0];
    drawn.sort();
    expected.sort();
    EXPECT_EQ(drawn, expected);
}

// Every member once, in order, over pages that each end above the margin;
// the totals on the last page, never alone.
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
        const QStringList& page = pages[p];
        listed << numbers(page);
        EXPECT_FALSE(numbers(page).isEmpty()) << p;
        EXPECT_EQ(page.filter(QStringLiteral("%1 / %2 ページ").arg(p + 1).arg(pages.size())).size(),
                  1)
            << p;
        EXPECT_LE(page.filter(QStringLiteral("box "))[0].split(u' ')[4].toDouble(), L.body_bottom);
        EXPECT_EQ(page.filter(QStringLiteral("合  計")).size(), p + 1 == pages.size() ? 1 : 0) << p;
    }
    EXPECT_EQ(listed, expected);
}

// From the menus: nobody owing is said; the chosen order is printed; the
// preview shows the list; a closed period's window lists who had not paid
// when it was closed.
TEST_F(SheetTest, UnpaidListFromTheMenus) {
    ui::PrinterCapture capture;
    Book closed = small_book();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("kako/2026-11")));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("kako/2026-11")));
    ASSERT_EQ(write_file_atomically(QString::fromLatin1(kHrmFile), pair_swap(data_text(closed))),
              WriteResult::Ok);
    ASSERT_EQ(payments_write(closed).written, WriteResult::Ok);
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("../..")));
    start(3);

    features.unpaid->print_unpaid_roster->trigger();
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("未収は ありまへん ！\r\n\r\nみんな きっちり "
                                              "払うてくれてはるで。  印刷する もんが あらへんわ。"),
                               ui::Icon::Information}}));
    EXPECT_TRUE(capture.documents.empty());

    // On the sheet's item: 名前1 owes 900 less 200, 名前0 500.
    book.komoku_name[0] = QStringLiteral("花代");
    book.komoku_mode[0] = 0;
    book.member_kingaku[0][0] = 500;
    book.member_kingaku[1][0] = 900;
    book.payments.cell[1][0] = {200, QDate(2026, 12, 1)};
    show_item(0);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtMotojime->setText(QStringLiteral("幹事"));
    features.unpaid->print_unpaid_remaining->trigger();
    ASSERT_EQ(capture.documents.size(), 1u);
    EXPECT_EQ(numbers(ui::drawn_pages(capture.documents[0])[0]), (QStringList{"2", "1"}));
    EXPECT_EQ(boxes().size(), 2u) << "the period and the person in charge confirmed";
    features.unpaid->preview_unpaid_roster->trigger();
    ASSERT_EQ(w->findChildren<PrintPreview*>().size(), 1);
    EXPECT_EQ(w->findChildren<PrintPreview*>()[0]->document().page_count(), 1);

    frmTavu* past = open_past_book(*w, list_past_periods(QDir::currentPath()).at(0));
    ASSERT_NE(past, nullptr);
    const app::Features closed_features = app::attach_past_features(*past);
    closed_features.unpaid->print_unpaid_roster->trigger();
    ASSERT_EQ(capture.documents.size(), 2u);
    EXPECT_EQ(numbers(ui::drawn_pages(capture.documents[1])[0]), (QStringList{"1", "3"}));
    // Its own 集金チェック prints the closed period's receipts: 佐藤's 1,000.
    past->syukin_check->trigger();
    frmSyukin* pay = closed_features.payments->window();
    ASSERT_NE(pay, nullptr);
    for (int r = 0; r < pay->filter.rowCount(); ++r)
        if (pay->filter.index(r, 0)
                .data(payments::NameRole)
                .toString()
                .contains(QStringLiteral("佐藤")))
            pay->grdSyukin->setCurrentIndex(pay->filter.index(r, 1));
    pay->ryosyu_all->trigger();
    ASSERT_EQ(capture.documents.size(), 3u);
    EXPECT_EQ(ui::drawn_pages(capture.documents[2])[0].filter(QStringLiteral("¥1,000－")).size(),
              1);
    pay->close();
    past->close();
}
