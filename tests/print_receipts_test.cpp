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
#include <cmath>
#include <functional>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QDate kDay1(2026, 12, 1), kDay2(2026, 12, 8);

// A page's operations, places rounded to a tenth of a millimetre, sorted.
QStringList as_laid_out(const QStringList& page) {
    QStringList out;
    for (const QString& op : page) {
        QStringList words = op.split(u' ');
        const int places = words[0] == "text" ? 2 : words[0] == "line" || words[0] == "box" ? 4 : 0;
        for (int i = 1; i <= places; ++i)
            words[i] = QString::number(std::round(words[i].toDouble() * 10) / 10);
        out << words.join(u' ');
    }
    out.sort();
    return out;
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

const QStringList kReceiptCuts = {"line 15 70 191 70 w1 dashed", "line 15 138 191 138 w1 dashed",
                                  "line 15 206 191 206 w1 dashed"};

} // namespace

// A receipt (佐藤: two items on two days) and a slip (田中: twelve open
// items, two in part covered by a refund, and the organizer's line) as
// drawn: places in millimetres, type in points (b: bold).
TEST(MemberPapersLayout, OneOfEachAsLaidOut) {
    Book book = paper_book();
    book.komoku_name[12] = QStringLiteral("返金");
    book.member_kingaku[1][12] = -300;
    print_syukei(book);
    const QString note = QStringLiteral("12月20日までに担当者へ現金でお願いします。");
    const std::pair<std::function<void(ui::Printer&)>, QStringList> cases[] = {
        {[&](ui::Printer& p) { print_receipts(book, receipts(book, {}, 2), p); },
         kReceiptCuts +
             QStringList{"box 15 6 191 64 w2", "text 19 9 9 2026年12月", "text 83 9 20b 領　収　書",
                         "text 143 11 10 2026年12月8日", "text 23 21 14b 佐藤 一郎",
                         "text 95 21 14 様", "line 23 28 105 28 w1", "box 23 32 125 43 w1",
                         "text 26 35 10 金額", "text 43 33.5 18b ¥3,500－",
                         "text 23 46 10 但し　忘年会、お歳暮 として",
                         "text 23 54 10 上記正に領収いたしました", "text 127 54 10 担当者　幹事",
                         "box 173 49 185 61 w1", "text 177.2 53.2 9 印"}},
        {[&](ui::Printer& p) { print_reminders(book, reminders(book, 1), kDay2, note, p); },
         {"line 15 92 191 92 w1 dashed", "line 15 184 191 184 w1 dashed", "box 15 3 191 89 w2",
          "text 19 6 9 2026年12月", "text 73 6 16b お支払いのお願い", "text 155 7 10 12月8日 現在",
          "text 23 15 13b 田中", "text 75 15 13 様", "line 23 21.5 85 21.5 w1",
          "text 127 17 10 担当者　幹事",
          "text 23 24 9 下記のお支払いが、まだ確認できておりません。"
          "お手数ですが、よろしくお願いいたします。",
          // Ten items down the first column, two in the second, amounts
          // ending together.
          "text 25 30 9 忘年会(一部)", "text 87.2 30 9 100円", "text 25 34 9 お歳暮(一部)",
          "text 87.2 34 9 200円", "text 25 38 9 項目3", "text 87.2 38 9 300円",
          "text 25 42 9 項目4", "text 87.2 42 9 400円", "text 25 46 9 項目5",
          "text 87.2 46 9 500円", "text 25 50 9 項目6", "text 87.2 50 9 600円",
          "text 25 54 9 項目7", "text 87.2 54 9 700円", "text 25 58 9 項目8",
          "text 87.2 58 9 800円", "text 25 62 9 項目9", "text 87.2 62 9 900円",
          "text 25 66 9 項目10", "text 84.8 66 9 1,000円", "text 109 30 9 項目11",
          "text 168.8 30 9 1,100円", "text 109 34 9 項目12", "text 168.8 34 9 1,200円",
          "line 23 71 187 71 w1", "text 25 72.5 11b お支払い残高　合計",
          "text 72.5 72.5 11b 7,500円",
          "text 109 73.3 8 （過払い・返金分 300円 を差し引いています）",
          "text 23 78.5 9 12月20日までに担当者へ現金でお願いします。",
          "text 23 83.5 8 ※本状と行き違いにお支払いいただいている場合は、"
          "何卒ご容赦くださいますようお願い申し上げます。"}},
    };
    for (const auto& [draw, expected] : cases) {
        ui::PrintRecorder printer;
        draw(printer);
        EXPECT_EQ(printer.ops.mid(0, 4),
                  (QStringList{"paper A4", "orientation portrait", "unit mm", "print "}));
        const std::vector<QStringList> pages = ui::drawn_pages(printer.ops);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(as_laid_out(pages[0]), as_laid_out(expected));
    }
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
    const double column_end = R.frame.left + R.column_dx[0] + R.amount_right;
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
    inside(slips, R.top, R.frame.height);
    inside(paid, kReceiptLayout.top, kReceiptLayout.frame.height);
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
        EXPECT_EQ(frames(page, 58), (QStringList{"6", "74", "142", "210"}));
        EXPECT_EQ(page.filter(QStringLiteral("dashed")), kReceiptCuts);
    }

    ui::PrintRecorder slips_printer;
    const std::vector<Reminder> slips = reminders(book); // 鈴木, 田中 and the six
    ASSERT_EQ(slips.size(), 8u);
    print_reminders(book, slips, kDay2, QString(), slips_printer);
    const std::vector<QStringList> s = ui::drawn_pages(slips_printer.ops);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(frames(s[0], 86), (QStringList{"3", "95", "187"}));
    EXPECT_EQ(frames(s[2], 86), (QStringList{"3", "95"}));
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
    EXPECT_EQ(one.filter(QStringLiteral("¥")), (QStringList{"text 43 33.5 18b ¥500－"}));
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
