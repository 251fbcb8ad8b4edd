// The member statements: one statement's frame against its drawing table,
// item lines and amount positions in twips, the shapes a run can take
// (No1 / No2, page completion, skipped members), and real PDFs read back
// with poppler-utils.
#include "book/print_rules.h"
#include "print/meisai.h"
#include "support/full_book.h"
#include "support/pdf_reading.h"
#include "support/temp_workdir.h"
#include "ui/painted_printer.h"
#include "ui/print_recorder.h"

#include <QDir>
#include <QRegularExpression>

// Failures show the texts themselves.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Corner of each slot's frame in millimetres, as the layout fixes them.
struct Corner {
    int x0, y0;
};
const Corner kCorners[8] = {{15, 14},  {110, 14},  {15, 82},  {110, 82},
                            {15, 150}, {110, 150}, {15, 218}, {110, 218}};
const QStringList kCutLines{QStringLiteral("line 102 10 102 273 w1 dashed"),
                            QStringLiteral("line 15 70 191 70 w1 dashed"),
                            QStringLiteral("line 15 138 191 138 w1 dashed"),
                            QStringLiteral("line 15 206 191 206 w1 dashed")};

// The text a page draws at a place with a size, "" when none.
QString text_at(const QStringList& page, const QString& x, const QString& y, const QString& size) {
    const QString prefix = QStringLiteral("text %1 %2 %3 ").arg(x, y, size);
    for (const QString& op : page)
        if (op.startsWith(prefix)) return op.mid(prefix.size());
    return {};
}

// A page as the organizer would read it: per statement, in drawing order,
// "slot name part item-lines total" (- for none), then "cut lines" when the
// four cut lines are there once each.
QStringList read_page(const QStringList& page) {
    QStringList out;
    for (const QString& op : page) {
        if (!op.startsWith(QStringLiteral("box "))) continue;
        const QStringList w = op.split(u' ');
        int slot = 0;
        for (int s = 0; s < 8; ++s)
            if (w[1].toInt() == kCorners[s].x0 && w[2].toInt() == kCorners[s].y0) slot = s + 1;
        const Corner c = kCorners[slot - 1];
        const QString top = QString::number(c.y0 - 5);
        const QString name = text_at(page, QString::number(c.x0 + 38), top, QStringLiteral("11b"));
        const QString part = text_at(page, QString::number(c.x0 + 72), top, QStringLiteral("11"));
        const QString line_x = ui::coord((c.x0 + 3) * 56.7);
        const QString total = text_at(page, ui::coord((c.x0 + 3) * 56.7 + 3402 - 30),
                                      ui::coord((c.y0 + 1) * 56.7 + 2268 - 30), QStringLiteral("9"))
                                  .trimmed();
        // Item lines: titles at the line origin, within the ten rows.
        const double first = (c.y0 + 1) * 56.7 - 30;
        int lines = 0;
        for (const QString& t : page.filter(QStringLiteral("text %1 ").arg(line_x))) {
            const double y = t.split(u' ')[2].toDouble();
            if (t.split(u' ')[3] == QStringLiteral("9") && y > first - 1 && y < first + 2268 - 1)
                ++lines;
        }
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(slot)
                   .arg(name, part.isEmpty() ? QStringLiteral("-") : part)
                   .arg(lines)
                   .arg(total.isEmpty() ? QStringLiteral("-") : total);
    }
    bool cuts = true;
    for (const QString& line : kCutLines) cuts = cuts && page.count(line) == 1;
    if (cuts) out << QStringLiteral("cut lines");
    return out;
}

// Member m named "M<m>", marked for print, charged 100 for each of its
// first `items` items.
void member(Book& book, int m, int items) {
    book.member_name[m] = QStringLiteral("M%1").arg(m);
    book.print_mark[m] = 1;
    for (int k = 0; k < items; ++k) book.member_kingaku[m][k] = 100;
}

Book titled_book() {
    Book book;
    for (int k = 0; k < kItems; ++k) book.komoku_name[k] = QStringLiteral("t%1").arg(k);
    return book;
}

QStringList statements(Book& book) {
    print_syukei(book);
    ui::PrintRecorder printer;
    print_meisai(book, printer);
    return printer.ops;
}

} // namespace

TEST(StatementLayout, FrameFollowsTheDrawingTable) {
    Book book;
    book.nengetu = QStringLiteral("2026年12月");
    book.motojime = QStringLiteral("  ");
    book.member_name[7] = QStringLiteral("佐藤");
    ui::PrintRecorder printer;
    meisai_waku(book, printer, 4, 2, 7); // slot 4: X0 110, Y0 82
    QStringList expected{
        "unit mm",
        "line style solid",
        "line width 2",
        "box 110 82 190 126",
        "font ＭＳ Ｐゴシック 11 bold",
        "position 110 77",
        "print 2026年12月",
        "position 148 77",
        "print 佐藤",
        "position 172 77",
        "print 様",
        "font ＭＳ Ｐゴシック 11 regular",
        "position 182 77",
        "print No2",
        "font ＭＳ Ｐゴシック 9 bold",
        "position 128 122",
        "print 合     計",
        "font ＭＳ Ｐゴシック 11 regular",
        "position 113 127",
        "print tavu",
        "font ＭＳ Ｐゴシック 10 regular",
        "position 138 127",
        "print   ", // an organizer of two blanks prints as blanks
        "line 162 82 162 126",
        "line width 1",
    };
    for (int y = 86; y <= 118; y += 4) expected << QStringLiteral("line 110 %1 190 %1").arg(y);
    expected << "line width 2"
             << "line 110 122 190 122"
             << "unit twips";
    EXPECT_EQ(printer.ops, expected);

    // A single statement has no part number.
    ui::PrintRecorder single;
    meisai_waku(book, single, 1, 0, 7);
    EXPECT_TRUE(single.ops.filter(QRegularExpression(QStringLiteral("^print No"))).isEmpty());
}

// Item lines from x0, y0 = corner + (3, 1) mm, in twips at 56.7 a millimetre:
// slot 1 at X 1020.6, first line at Y 850.5 - 30, 226.8 apart; amounts at
// X + 3402, 30 further left from 10000, 20 further right below 1000.
TEST(StatementLayout, ItemLinesAndAmountPositions) {
    Book book = titled_book();
    book.member_name[0] = QStringLiteral("A");
    const qint32 amounts[] = {9999, 10000, 999, -5, 10000000, -1500};
    for (int k = 0; k < 6; ++k) book.member_kingaku[0][k] = amounts[k];
    for (int m = 1; m <= 5; ++m) book.member_name[m] = QStringLiteral("B%1").arg(m);
    book.member_kingaku[5][2] = 1000; // slot 6: X0 110, Y0 150
    book.print_mark.fill(1);

    const auto pages = ui::drawn_pages(statements(book));
    ASSERT_EQ(pages.size(), 2u);
    const QStringList lines =
        pages[0].filter(QRegularExpression(QStringLiteral("^text \\S+ \\S+ 9 ")));
    EXPECT_EQ(lines, (QStringList{
                         "text 1020.6 820.5 9 t0",
                         "text 4422.6 820.5 9      9,999",
                         "text 1020.6 1047.3 9 t1",
                         "text 4392.6 1047.3 9     10,000",
                         "text 1020.6 1274.1 9 t2",
                         "text 4442.6 1274.1 9        999",
                         "text 1020.6 1500.9 9 t3",
                         "text 4442.6 1500.9 9         -5",
                         "text 1020.6 1727.7 9 t4",
                         "text 4392.6 1727.7 9 10,000,000",
                         "text 1020.6 1954.5 9 t5",
                         "text 4442.6 1954.5 9     -1,500",
                         // the total, 40 mm below the first line, grouped without blanks
                         "text 4392.6 3088.5 9 10,019,493",
                         "text 6407.1 8531.7 9 t2",
                         "text 9809.1 8531.7 9      1,000",
                         "text 9779.1 10799.7 9      1,000",
                     }));
}

TEST(StatementLayout, StatementsFillSlotsAndPages) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> members; // member, charged items
        std::vector<QStringList> pages;
    };
    const QString cuts = QStringLiteral("cut lines");
    std::vector<Case> cases{
        {"no charges: an empty item area, no total", {{0, 0}}, {{"1 M0 - 0 -", cuts}}},
        {"ten items: one statement", {{0, 10}}, {{"1 M0 - 10 1,000", cuts}}},
        {"eleven items: No1 without total, No2 with the eleventh and the total",
         {{0, 11}},
         {{"1 M0 No1 10 -", "2 M0 No2 1 1,100", cuts}}},
        {"twenty items", {{3, 20}}, {{"1 M3 No1 10 -", "2 M3 No2 10 2,000", cuts}}},
    };
    Case slot8{"No1 in slot 8, No2 on the next page", {}, {{}, {"1 M7 No2 1 1,100", cuts}}};
    Case nine{"nine statements: two pages", {}, {{}, {"1 M8 - 1 100", cuts}}};
    Case eight{"eight statements: one page", {}, {{}}};
    for (int m = 0; m < 9; ++m) {
        const QString single = QStringLiteral("%1 M%2 - 1 100").arg(m + 1).arg(m);
        if (m < 7) slot8.members.emplace_back(m, 1), slot8.pages[0] << single;
        if (m < 8) nine.pages[0] << single, eight.pages[0] << single;
        if (m < 8) eight.members.emplace_back(m, 1);
        nine.members.emplace_back(m, 1);
    }
    slot8.members.emplace_back(7, 11);
    slot8.pages[0] << "8 M7 No1 10 -" << cuts;
    nine.pages[0] << cuts;
    eight.pages[0] << cuts;
    cases.push_back(slot8);
    cases.push_back(nine);
    cases.push_back(eight);

    for (const Case& c : cases) {
        Book book = titled_book();
        for (const auto& [m, items] : c.members) member(book, m, items);
        const QStringList ops = statements(book);
        std::vector<QStringList> read;
        for (const QStringList& page : ui::drawn_pages(ops)) read.push_back(read_page(page));
        // Every page ends with its break; nothing follows the last one.
        std::vector<QStringList> expected = c.pages;
        expected.emplace_back();
        EXPECT_EQ(read, expected) << c.what;
        EXPECT_EQ(ops.mid(0, 4),
                  (QStringList{"paper A4", "orientation portrait", "unit twips", "print "}))
            << c.what;
        EXPECT_EQ(ops.mid(ops.size() - 3), (QStringList{"new page", "unit twips", "end document"}))
            << c.what;
    }
}

TEST(StatementLayout, WhoIsPrinted) {
    Book book = titled_book();
    member(book, 5, 1);
    member(book, 2, 1);
    member(book, 0, 1);
    book.member_name[0] = QStringLiteral("  "); // blank names are skipped even when marked
    book.member_kingaku[0][0] = 100;
    book.member_name[1] = QStringLiteral("unmarked");
    book.member_kingaku[1][0] = 100;
    book.member_name[3] = QStringLiteral("　"); // a full-width blank is a name
    book.print_mark[3] = 1;
    std::vector<QStringList> read;
    for (const QStringList& page : ui::drawn_pages(statements(book)))
        read.push_back(read_page(page));
    EXPECT_EQ(read, (std::vector<QStringList>{
                        {"1 M2 - 1 100", "2 　 - 0 -", "3 M5 - 1 100", "cut lines"}, {}}));

    // Nobody to print: the document holds only its opening line.
    Book nobody = titled_book();
    nobody.print_mark.fill(1);
    nobody.member_kingaku[4][0] = 100;
    EXPECT_EQ(statements(nobody), (QStringList{"paper A4", "orientation portrait", "unit twips",
                                               "print ", "end document"}));
}

// Under the footer of a member with a payment recorded: what came in and
// what remains, one line on the grid row below the footer (Y0 + 49 mm, less
// 30 twips), where the person in charge starts (X0 + 28 mm).
// Member 0 (slot 1, or slots 1 and 2) is charged 1,500 an item, member 1
// (the next slot) 800; the rest of the page is as without payments.
TEST(StatementLayout, PaymentLinesUnderTheTotal) {
    struct Case {
        const char* what;
        int items;                                   // member 0's charged items
        std::vector<std::tuple<int, int, int>> paid; // member, item, received
        const char* added;                           // what the page draws besides, "" none
    };
    // clang-format off
    const Case cases[] = {
        {"nothing received: the page as always", 3, {}, ""},
        {"part paid", 3, {{0, 0, 1500}, {0, 1, 500}}, "text 2438.1 3542.1 9 入金 2,000　　残り 2,500"},
        {"paid in full: 0 remains", 3, {{0, 0, 1500}, {0, 1, 1500}, {0, 2, 1500}},
         "text 2438.1 3542.1 9 入金 4,500　　残り 0"},
        {"paid over", 3, {{0, 0, 6000}}, "text 2438.1 3542.1 9 入金 6,000　　過払い 1,500"},
        {"another member paid: only that statement changes", 3, {{1, 0, 300}},
         "text 7824.6 3542.1 9 入金 300　　残り 500"},
        {"No1 and No2: the lines go with the total on No2", 11, {{0, 10, 1500}},
         "text 7824.6 3542.1 9 入金 1,500　　残り 15,000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Book book = titled_book();
        member(book, 0, c.items);
        for (int k = 0; k < c.items; ++k) book.member_kingaku[0][k] = 1500;
        member(book, 1, 1);
        book.member_kingaku[1][0] = 800;
        Book unpaid = book;
        for (const auto& [m, k, received] : c.paid)
            book.payments.cell[m][k] = {received, QDate(2026, 12, 8)};
        const QStringList page = ui::drawn_pages(statements(book))[0];
        const QStringList before = ui::drawn_pages(statements(unpaid))[0];
        QStringList added;
        for (const QString& op : page)
            if (!before.contains(op)) added << op;
        const QStringList expected =
            *c.added ? QStringList{QString::fromUtf8(c.added)} : QStringList{};
        EXPECT_EQ(added, expected);
        EXPECT_EQ(page.size(), before.size() + expected.size());
    }
}

// ---- real PDFs ----

namespace {

class StatementPdf : public TempWorkdir {
protected:
    ui::PrintOutcome print(Book& book) {
        book.print_mark.fill(1);
        print_syukei(book);
        ui::PaintedPrinter printer(QStringLiteral("statements"), ui::PaintedPrinter::Target::Pdf,
                                   QDir::currentPath());
        print_meisai(book, printer);
        return printer.outcome();
    }
    // Every word stays on the A4 portrait page.
    static void on_the_page(const QString& pdf, int pages) {
        for (int page = 1; page <= pages; ++page)
            for (const PdfWord& w : pdf_words(pdf, page)) {
                EXPECT_GE(w.x0, 0) << w.text.toStdString();
                EXPECT_LE(w.x1, 595) << w.text.toStdString();
                EXPECT_LE(w.y1, 842) << w.text.toStdString();
            }
    }
};

} // namespace

// 96 members, each charged for more than ten items: 192 statements, 24 pages.
TEST_F(StatementPdf, FullBook) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    Book book;
    fill_full_book(book);
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf) << outcome.detail.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^statements-\d{8}-\d{6}\.pdf$)"))
                    .match(QFileInfo(outcome.pdf_path).fileName())
                    .hasMatch());
    EXPECT_EQ(pdf_pages(outcome.pdf_path), 24);
    const QString info = run_tool(QStringLiteral("pdfinfo"), {outcome.pdf_path});
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral(R"(Page size:\s+595 x 842 pts \(A4\))"))))
        << info.toStdString();
    const QString fonts = run_tool(QStringLiteral("pdffonts"), {outcome.pdf_path});
    EXPECT_TRUE(fonts.contains(
        QRegularExpression(QStringLiteral(R"((Gothic|CJK)\S*\s+CID TrueType\s+\S+\s+yes)"))))
        << fonts.toStdString();

    // Page 1, slot 1: the name and its "様" 24 mm apart on one line, the
    // period 38 mm left of the name.
    const auto words = pdf_words(outcome.pdf_path, 1);
    const auto find = [&](const QString& text) -> const PdfWord* {
        for (const PdfWord& w : words)
            if (w.text == text) return &w;
        return nullptr;
    };
    const PdfWord* name = find(QStringLiteral("佐藤"));
    const PdfWord* sama = find(QStringLiteral("様"));
    const PdfWord* period = find(QStringLiteral("2026年12月"));
    ASSERT_TRUE(name && sama && period);
    EXPECT_NEAR(sama->x0 - name->x0, 24 * kPtPerMm, 1.0);
    EXPECT_NEAR(name->x0 - period->x0, 38 * kPtPerMm, 1.0);
    EXPECT_NEAR(sama->y0, name->y0, 0.5);
    on_the_page(outcome.pdf_path, 24);
}

// On paper the payment line of every statement of a page stands inside its
// cut lines: below the footer, inside the frame's width, above the next cut,
// however long the person in charge's name.
TEST_F(StatementPdf, PaymentLinesStayInsideTheCutLines) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    Book book;
    fill_full_book(book);
    for (int k = 1; k < kItems; k += 2) book.komoku_name[k].clear(); // one statement each
    fill_full_payments(book);
    book.motojime = QStringLiteral("総務部 経理課 庶務係 山田");
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf);
    const auto words = pdf_words(outcome.pdf_path, 1);
    // Page millimetres to PDF points: the page is drawn inside the margin.
    const auto pt = [](double mm) { return (mm + ui::kPdfMarginMm) * kPtPerMm; };
    int labels = 0, checked = 0;
    for (const PdfWord& label : words) {
        if (label.text != QStringLiteral("入金") && label.text != QStringLiteral("残り") &&
            label.text != QStringLiteral("過払い"))
            continue;
        ++labels;
        const int column = label.x0 < pt(102) ? 0 : 1;
        const double left = pt(15 + 95 * column + 27);
        const double right = pt(15 + 95 * column + 80);
        double top = 0, cut = 0;
        for (double y0 : {14, 82, 150, 218})
            if (label.y0 > pt(y0)) top = pt(y0 + 48), cut = pt(y0 + 56);
        // The labels and the amounts on its line.
        for (const PdfWord& w : words) {
            if (std::abs(w.y0 - label.y0) > 1 || w.x0 < left || w.x0 > right) continue;
            ++checked;
            EXPECT_LT(w.x1, right) << w.text.toStdString();
            EXPECT_GT(w.y0, top) << w.text.toStdString();
            EXPECT_LT(w.y1, cut) << w.text.toStdString();
        }
    }
    EXPECT_EQ(labels, 16); // eight statements, two labels each
    EXPECT_EQ(checked, 64);
}

// What a hand-made file can hold: twenty charged items, the largest and
// smallest amounts, names and titles at their byte limits, an organizer of
// blanks. And a book without names: one page holding nothing.
TEST_F(StatementPdf, ExtremeBooksPrint) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    Book book;
    book.nengetu = QStringLiteral("ＷＷＷＷＷＷＷＷＷＷ");
    book.motojime = QStringLiteral("  ");
    for (int k = 0; k < kItems; ++k) {
        book.komoku_name[k] =
            k % 2 ? QStringLiteral("ＷＷＷＷＷＷＷＷＷＷ") : QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
        for (int m = 0; m < kMembers; ++m)
            book.member_kingaku[m][k] = k % 3 == 0   ? std::numeric_limits<qint32>::max()
                                        : k % 3 == 1 ? std::numeric_limits<qint32>::min()
                                                     : -999;
    }
    for (int m = 0; m < kMembers; ++m)
        book.member_name[m] =
            m % 2 ? QStringLiteral("ＷＷＷＷＷＷ") : QStringLiteral("WWWWWWWWWWWW");
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf);
    EXPECT_EQ(pdf_pages(outcome.pdf_path), 24);
    on_the_page(outcome.pdf_path, 24);

    Book empty;
    const ui::PrintOutcome blank = print(empty);
    ASSERT_EQ(blank.result, ui::PrintOutcome::Result::SavedPdf);
    EXPECT_EQ(pdf_pages(blank.pdf_path), 1);
    EXPECT_TRUE(pdf_words(blank.pdf_path, 1).empty());
}
