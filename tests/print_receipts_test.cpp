// Receipts and reminder slips on paper: one of each against its drawing
// table, how they fill pages, and the commands as the organizer reaches
// them (印刷, 印刷プレビュー, 集金チェック's 領収書, a PDF per member).
#include "book/print_rules.h"
#include "payments/frmSyukin.h"
#include "payments/payments_feature.h"
#include "print/member_papers.h"
#include "print/print_preview.h"
#include "print/receipt_report.h"
#include "print/reminder_report.h"
#include "sheet_fixture.h"
#include "support/pdf_reading.h"
#include "ui/file_choice.h"
#include "ui/painted_printer.h"
#include "ui/print_recorder.h"
#include "ui/reminder_note.h"
#include "ui/text_question.h"

#include <QDir>
#include <QTemporaryDir>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDate kDay1(2026, 12, 1), kDay2(2026, 12, 8);

QString text_at(double x, double y, const QString& size, const QString& text) {
    return QStringLiteral("text %1 %2 %3 %4").arg(ui::coord(x), ui::coord(y), size, text);
}
QString box(double x1, double y1, double x2, double y2, int width) {
    return QStringLiteral("box %1 %2 %3 %4 w%5")
        .arg(ui::coord(x1), ui::coord(y1), ui::coord(x2), ui::coord(y2))
        .arg(width);
}
QString line(double x1, double y1, double x2, double y2, bool dashed = false) {
    return QStringLiteral("line %1 %2 %3 %4 w1%5")
        .arg(ui::coord(x1), ui::coord(y1), ui::coord(x2), ui::coord(y2),
             dashed ? QStringLiteral(" dashed") : QString());
}
QString pt(double points, bool bold = false) {
    return ui::coord(points) + (bold ? QStringLiteral("b") : QString());
}

// 佐藤 一郎 (member 2) paid 忘年会 on the 1st and お歳暮 on the 8th; 鈴木
// paid half of 忘年会; 田中 has paid nothing and owes twelve items.
Book paper_book() {
    Book book;
    book.nengetu = QStringLiteral("2026年12月");
    book.motojime = QStringLiteral("幹事");
    book.member_name[0] = QStringLiteral("鈴木");
    book.member_name[1] = QStringLiteral("田中");
    book.member_name[2] = QStringLiteral("佐藤 一郎");
    for (int k = 0; k < 12; ++k) {
        book.komoku_name[k] = QStringLiteral("項目%1").arg(k + 1);
        book.komoku_mode[k] = 0;
        book.member_kingaku[1][k] = 100 * (k + 1);
    }
    book.komoku_name[0] = QStringLiteral("忘年会");
    book.komoku_name[1] = QStringLiteral("お歳暮");
    book.member_kingaku[0][0] = 3000;
    book.member_kingaku[2][0] = 3000;
    book.member_kingaku[2][1] = 500;
    book.payments.cell[0][0] = {1500, kDay2};
    book.payments.cell[2][0] = {3000, kDay1};
    book.payments.cell[2][1] = {500, kDay2};
    print_syukei(book);
    return book;
}

// The cut lines of a page of receipts.
QStringList receipt_cuts() {
    const ReceiptLayout& L = kReceiptLayout;
    QStringList out;
    for (double y : L.cut_y) out << line(L.cut_left, y, L.cut_right, y, true);
    return out;
}

} // namespace

TEST(ReceiptLayout, ReceiptFollowsTheDrawingTable) {
    const ReceiptLayout& L = kReceiptLayout;
    const Book book = paper_book();
    ui::PrintRecorder printer;
    print_receipts(book, receipts(book, {}, 2), printer);
    EXPECT_EQ(printer.ops.mid(0, 4),
              (QStringList{"paper A4", "orientation portrait", "unit mm", "print "}));
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    ASSERT_EQ(pages.size(), 1u);

    const double x = L.left, y = L.top[0];
    QStringList expected = receipt_cuts();
    expected << QStringList{
        box(x, y, x + L.width, y + L.height, 2),
        text_at(x + L.period_dx, y + L.period_dy, pt(L.period_pt), "2026年12月"),
        text_at(x + L.title_dx, y + L.title_dy, pt(L.title_pt, true), "領　収　書"),
        text_at(x + L.date_dx, y + L.date_dy, pt(L.date_pt), "2026年12月8日"),
        text_at(x + L.name_dx, y + L.name_dy, pt(L.name_pt, true), "佐藤 一郎"),
        text_at(x + L.honorific_dx, y + L.name_dy, pt(L.name_pt), "様"),
        line(x + L.name_dx, y + L.name_line_dy, x + L.name_line_end, y + L.name_line_dy),
        box(x + L.amount_box_dx1, y + L.amount_box_dy1, x + L.amount_box_dx2, y + L.amount_box_dy2,
            1),
        text_at(x + L.amount_label_dx, y + L.amount_label_dy, pt(L.amount_label_pt), "金額"),
        text_at(x + L.amount_dx, y + L.amount_dy, pt(L.amount_pt, true), "¥3,500－"),
        text_at(x + L.items_dx, y + L.items_dy, pt(L.items_pt), "但し　忘年会、お歳暮 として"),
        text_at(x + L.thanks_dx, y + L.thanks_dy, pt(L.thanks_pt), "上記正に領収いたしました"),
        text_at(x + L.person_dx, y + L.person_dy, pt(L.person_pt), "担当者　幹事"),
        box(x + L.seal_dx1, y + L.seal_dy1, x + L.seal_dx2, y + L.seal_dy2, 1),
        text_at(x + L.seal_text_dx, y + L.seal_text_dy, pt(L.seal_pt), "印"),
    };
    QStringList drawn = pages[0];
    drawn.sort();
    expected.sort();
    EXPECT_EQ(drawn, expected);
}

TEST(ReminderLayout, SlipFollowsTheDrawingTable) {
    const ReminderLayout& L = kReminderLayout;
    Book book = paper_book();
    // 田中 is owed 300 back on item 12 (a refund): set against the open items.
    book.komoku_name[12] = QStringLiteral("返金");
    book.member_kingaku[1][12] = -300;
    print_syukei(book);
    ui::PrintRecorder printer;
    print_reminders(book, reminders(book, 1), kDay2,
                    QStringLiteral("12月20日までに担当者へ現金でお願いします。"), printer);
    const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
    ASSERT_EQ(pages.size(), 1u);

    const double x = L.left, y = L.top[0];
    QStringList expected;
    for (double cut : L.cut_y) expected << line(L.cut_left, cut, L.cut_right, cut, true);
    expected << QStringList{
        box(x, y, x + L.width, y + L.height, 2),
        text_at(x + L.period_dx, y + L.period_dy, pt(L.period_pt), "2026年12月"),
        text_at(x + L.title_dx, y + L.title_dy, pt(L.title_pt, true), "お支払いのお願い"),
        text_at(x + L.as_of_dx, y + L.as_of_dy, pt(L.as_of_pt), "12月8日 現在"),
        text_at(x + L.name_dx, y + L.name_dy, pt(L.name_pt, true), "田中"),
        text_at(x + L.honorific_dx, y + L.name_dy, pt(L.name_pt), "様"),
        line(x + L.name_dx, y + L.name_line_dy, x + L.name_line_end, y + L.name_line_dy),
        text_at(x + L.person_dx, y + L.person_dy, pt(L.person_pt), "担当者　幹事"),
        text_at(
            x + L.intro_dx, y + L.intro_dy, pt(L.intro_pt),
            "下記のお支払いが、まだ確認できておりません。お手数ですが、よろしくお願いいたします。"),
        line(x + L.total_dx - 2, y + L.total_line_dy, x + L.width - 4, y + L.total_line_dy),
        text_at(x + L.total_dx, y + L.total_dy, pt(L.total_pt, true), "お支払い残高　合計"),
        text_at(amount_start("7,500円", L.total_pt, x + L.total_amount_right), y + L.total_dy,
                pt(L.total_pt, true), "7,500円"),
        text_at(x + L.set_off_dx, y + L.total_dy + 0.8, pt(L.set_off_pt),
                "（過払い・返金分 300円 を差し引いています）"),
        text_at(x + L.note_dx, y + L.note_dy, pt(L.note_pt),
                "12月20日までに担当者へ現金でお願いします。"),
        text_at(x + L.excuse_dx, y + L.excuse_dy, pt(L.excuse_pt),
                "※本状と行き違いにお支払いいただいている場合は、何卒ご容赦くださいますようお願い"
                "申し上げます。"),
    };
    // Twelve open items: ten down the first column, two in the second.
    for (int i = 0; i < 12; ++i) {
        const double cx = x + L.column_dx[i / L.rows];
        const double cy = y + L.rows_dy + L.row * (i % L.rows);
        // The refund covers the first two: marked as partly settled.
        const QString title = i == 0   ? "忘年会(一部)"
                              : i == 1 ? "お歳暮(一部)"
                                       : QStringLiteral("項目%1").arg(i + 1);
        const QString amount = grouped_amount(100 * (i + 1)) + QStringLiteral("円");
        expected << text_at(cx, cy, pt(L.item_pt), title)
                 << text_at(amount_start(amount, L.item_pt, cx + L.amount_right), cy, pt(L.item_pt),
                            amount);
    }
    QStringList drawn = pages[0];
    drawn.sort();
    expected.sort();
    EXPECT_EQ(drawn, expected);
}

// On a real PDF: the amounts of a column end together, and every word of
// a receipt and a slip stays inside its frame, clear of the cut lines.
TEST(MemberPapersPdf, AmountsLineUpAndWordsStayInTheirFrames) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    QTemporaryDir dir;
    Book book = paper_book();
    book.member_name[0] = QStringLiteral("長い名前の人ですね");
    book.motojime = QStringLiteral("総務部 集金担当 山田花子");
    const auto pdf = [&](auto draw) {
        ui::PaintedPrinter printer(QStringLiteral("t"), ui::PaintedPrinter::Target::Pdf,
                                   dir.path());
        draw(printer);
        return printer.outcome().pdf_path;
    };
    const QString slips = pdf([&](ui::Printer& p) {
        print_reminders(book, reminders(book), kDay2, QStringLiteral("月末までに 現金で"), p);
    });
    const QString paid = pdf([&](ui::Printer& p) { print_receipts(book, receipts(book), p); });
    const auto mm = [](double points) { return points / kPtPerMm - ui::kPdfMarginMm; };

    const std::vector<PdfWord> words = pdf_words(slips, 1);
    ASSERT_FALSE(words.empty());
    std::vector<double> ends; // 田中's slip, first column
    const ReminderLayout& R = kReminderLayout;
    const double column_end = R.left + R.column_dx[0] + R.amount_right;
    for (const PdfWord& word : words)
        if (word.text.endsWith(u'円') && mm(word.y0) > R.top[1] &&
            mm(word.y0) < R.top[1] + R.total_line_dy && mm(word.x1) < column_end + 5)
            ends.push_back(mm(word.x1));
    ASSERT_EQ(ends.size(), 10u);
    for (double end : ends) EXPECT_NEAR(end, column_end, 0.3);

    const auto inside = [&](const QString& file, const auto& tops, double height) {
        for (const PdfWord& word : pdf_words(file, 1)) {
            bool in = false;
            for (double top : tops) in = in || (mm(word.y0) > top && mm(word.y1) < top + height);
            EXPECT_TRUE(in && mm(word.x0) > 15 && mm(word.x1) < 191)
                << word.text.toStdString() << " at " << mm(word.x0) << "," << mm(word.y0);
        }
    };
    inside(slips, R.top, R.height);
    inside(paid, kReceiptLayout.top, kReceiptLayout.height);
}

// Four receipts and three slips a page, each page with its cut lines; a
// part paid item is said on the slip.
TEST(MemberPapersLayout, PagesFillSlotBySlot) {
    Book book = paper_book();
    for (int m = 3; m < 9; ++m) {
        book.member_name[m] = QStringLiteral("名前%1").arg(m);
        book.member_kingaku[m][0] = 3000;
        book.payments.cell[m][0] = {1000, kDay1};
    }
    print_syukei(book);
    const auto frames = [](const QStringList& page, double height) {
        QStringList tops;
        for (const QString& op : page)
            if (op.startsWith(QStringLiteral("box ")) && op.endsWith(QStringLiteral(" w2")) &&
                op.split(u' ')[4].toDouble() - op.split(u' ')[2].toDouble() == height)
                tops << op.split(u' ')[2];
        return tops;
    };
    ui::PrintRecorder receipts_printer;
    print_receipts(book, receipts(book), receipts_printer); // 8 members paid
    const std::vector<QStringList> r = ui::drawn_pages(receipts_printer.ops);
    ASSERT_EQ(r.size(), 2u);
    for (const QStringList& page : r) {
        EXPECT_EQ(frames(page, kReceiptLayout.height), (QStringList{"6", "74", "142", "210"}));
        EXPECT_EQ(page.filter(QStringLiteral("dashed")), receipt_cuts());
    }

    ui::PrintRecorder slips_printer;
    const std::vector<Reminder> slips = reminders(book); // 鈴木, 田中 and the six
    ASSERT_EQ(slips.size(), 8u);
    print_reminders(book, slips, kDay2, QString(), slips_printer);
    const std::vector<QStringList> s = ui::drawn_pages(slips_printer.ops);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(frames(s[0], kReminderLayout.height), (QStringList{"3", "95", "187"}));
    EXPECT_EQ(frames(s[2], kReminderLayout.height), (QStringList{"3", "95"}));
    EXPECT_EQ(s[0].filter(QStringLiteral("忘年会(一部)")).size(), 2) << "鈴木 and 名前3";
    EXPECT_TRUE(s[0].filter(QStringLiteral("12月20日")).isEmpty()) << "no note: no line";
}

// The commands as the organizer reaches them from the window.
TEST_F(SheetTest, ReceiptsAndRemindersFromTheMenus) {
    ui::PrinterCapture capture;
    ui::TextScript texts;
    start(0);
    auto* papers = w->findChild<MemberPapers*>();
    ASSERT_NE(papers, nullptr);

    papers->print_receipts->trigger();
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("まだ 誰からも 受け取ってへんで ！\r\n\r\n"
                                              "領収書は 出されへんわ。"),
                               ui::Icon::Information}}));
    papers->print_reminders->trigger();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(capture.documents.empty());

    const Book paper = paper_book();
    for (int m = 0; m < 3; ++m) {
        book.member_name[m] = paper.member_name[m];
        w->lbl1[m]->setText(paper.member_name[m]);
        w->chk1[m]->setText(paper.member_name[m]);
    }
    for (int k = 0; k < 12; ++k) {
        book.komoku_name[k] = paper.komoku_name[k];
        book.komoku_mode[k] = 0;
        for (int m = 0; m < 3; ++m) book.member_kingaku[m][k] = paper.member_kingaku[m][k];
    }
    book.payments = paper.payments;
    show_item(0);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtMotojime->setText(QStringLiteral("幹事"));

    papers->print_receipts->trigger();
    ASSERT_EQ(capture.documents.size(), 1u);
    const QStringList page = ui::drawn_pages(capture.documents[0])[0];
    EXPECT_EQ(page.filter(QStringLiteral("¥")).size(), 2) << "鈴木 and 佐藤";
    EXPECT_EQ(boxes().size(), 2u) << "the period and the person in charge confirmed";

    // Reminders: the organizer's line is asked once, then kept.
    texts.answers.push_back(std::nullopt);
    papers->print_reminders->trigger();
    EXPECT_EQ(capture.documents.size(), 1u) << "cancelled at the question";
    EXPECT_FALSE(ui::reminder_note().has_value());
    boxes();
    texts.answers.push_back(QStringLiteral("月末までに 現金で"));
    papers->print_reminders->trigger();
    ASSERT_EQ(capture.documents.size(), 2u);
    EXPECT_EQ(ui::reminder_note(), QStringLiteral("月末までに 現金で"));
    const QStringList slips = ui::drawn_pages(capture.documents[1])[0];
    EXPECT_EQ(slips.filter(QStringLiteral("月末までに 現金で")).size(), 2) << "鈴木 and 田中";
    EXPECT_EQ(slips.filter(QStringLiteral("佐藤")).size(), 0);
    EXPECT_EQ(texts.asked.size(), 2u);
    papers->preview_reminders->trigger();
    EXPECT_EQ(texts.asked.size(), 2u) << "asked no more";
    ASSERT_EQ(w->findChildren<PrintPreview*>().size(), 1);
    EXPECT_EQ(w->findChildren<PrintPreview*>()[0]->document().page_count(), 1);
    boxes();

    // 集金チェック: 佐藤's receipt for the day shown, then for the period.
    w->syukin_check->trigger();
    frmSyukin* pay = w->findChild<payments::PaymentsFeature*>()->window();
    ASSERT_NE(pay, nullptr);
    int row = -1;
    for (int r = 0; r < pay->filter.rowCount(); ++r)
        if (pay->filter.index(r, 0)
                .data(payments::NameRole)
                .toString()
                .contains(QStringLiteral("佐藤")))
            row = r;
    ASSERT_GE(row, 0);
    pay->grdSyukin->setCurrentIndex(pay->filter.index(row, 1));
    pay->dtpHiduke->setDate(kDay2);
    pay->ryosyu_day->trigger();
    ASSERT_EQ(capture.documents.size(), 3u);
    QStringList one = ui::drawn_pages(capture.documents[2])[0];
    EXPECT_EQ(one.filter(QStringLiteral("¥")),
              (QStringList{text_at(kReceiptLayout.left + kReceiptLayout.amount_dx,
                                   kReceiptLayout.top[0] + kReceiptLayout.amount_dy,
                                   pt(kReceiptLayout.amount_pt, true), "¥500－")}));
    EXPECT_EQ(one.filter(QStringLiteral("但し")).at(0).section(u' ', 4), "但し　お歳暮 として");
    pay->ryosyu_all->trigger();
    ASSERT_EQ(capture.documents.size(), 4u);
    one = ui::drawn_pages(capture.documents[3])[0];
    EXPECT_EQ(one.filter(QStringLiteral("¥3,500－")).size(), 1);
    pay->dtpHiduke->setDate(QDate(2026, 11, 1));
    boxes();
    pay->ryosyu_day->trigger();
    EXPECT_EQ(capture.documents.size(), 4u);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("この日 （11/1） は まだ 何も 受け取ってへんで ！"),
                               ui::Icon::Information}}));
    pay->close();
}

// 一人ずつ PDF: a file per member into the folder picked, never over a file
// already there, and the message says how many and where.
TEST_F(SheetTest, OnePdfPerMemberIntoAFolder) {
    ui::FileScript files;
    start(0);
    const Book paper = paper_book();
    for (int m = 0; m < 3; ++m) {
        book.member_name[m] = paper.member_name[m];
        w->lbl1[m]->setText(paper.member_name[m]);
    }
    book.komoku_name[0] = paper.komoku_name[0];
    book.komoku_mode[0] = 0;
    for (int m = 0; m < 3; ++m) book.member_kingaku[m][0] = paper.member_kingaku[m][0];
    book.payments.cell[0][0] = paper.payments.cell[0][0];
    book.payments.cell[2][0] = paper.payments.cell[2][0];
    show_item(0);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtMotojime->setText(QStringLiteral("幹事"));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("out")));
    write_bytes(QStringLiteral("out/01_鈴木.pdf"), "mine");

    const QString out = QDir::current().absoluteFilePath(QStringLiteral("out"));
    files.answer(out);
    auto* papers = w->findChild<MemberPapers*>();
    papers->each_receipts->trigger();
    EXPECT_EQ(read_bytes(QStringLiteral("out/01_鈴木.pdf")), "mine");
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name),
              (QStringList{"01_鈴木-2.pdf", "01_鈴木.pdf", "03_佐藤一郎.pdf"}));
    const std::vector<std::pair<QString, ui::Icon>> shown = boxes();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), (std::pair<QString, ui::Icon>{
                                QStringLiteral("領収書 の PDF を 2 人分、 「%1」に 書いたで ！")
                                    .arg(QDir::toNativeSeparators(out)),
                                ui::Icon::Information}));

    files.answer(QString()); // cancelled: nothing written
    papers->each_statements->trigger();
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 3);
}
