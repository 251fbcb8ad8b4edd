// The summary table: its page against the drawing table, page choice and
// breaks, the command's messages, the printing notice, and real PDFs read
// back with poppler-utils.
#include "app/app_exit.h"
#include "app/frmOpen.h"
#include "book/print_rules.h"
#include "print/frmSirase.h"
#include "print/print_run.h"
#include "print/zentai.h"
#include "sheet_fixture.h"
#include "support/full_book.h"
#include "support/pdf_reading.h"
#include "ui/painted_printer.h"
#include "ui/pictures.h"
#include "ui/print_recorder.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QScreen>

namespace {

const QString kNoPeriod = QStringLiteral("年 とか 月 が ありまへん ！");
const QString kPeriodOk = QStringLiteral("年 月  は   これで   ＯＫやろネ ？");
const QImage kPicture = QImage(32, 32, QImage::Format_RGB32);

// The book of the layout test: three members on page 1, four titled items.
void small_book(Book& book) {
    book.nengetu = QStringLiteral("2026年12月");
    book.member_name[0] = QStringLiteral("佐藤");
    book.member_name[1] = QStringLiteral("Ito 2");
    book.member_name[2] = QStringLiteral("ﾜﾀﾅﾍﾞ");
    const QString titles[] = {QStringLiteral("忘年 会"), QStringLiteral("ABCDEFGHIあ"),
                              QStringLiteral("Big"), QStringLiteral("Refund")};
    for (int k = 0; k < 4; ++k) book.komoku_name[k] = titles[k];
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 3000;
    book.mark[0][0] = book.mark[1][0] = 1;
    book.member_kingaku[0][1] = 12000;
    book.member_kingaku[1][1] = -500;
    book.member_kingaku[2][1] = 800;
    book.member_kingaku[1][2] = 10000000;
    book.member_kingaku[1][3] = -9990000;
}

QStringList labels(const QStringList& ops) {
    QStringList out;
    for (const QStringList& page : ui::drawn_pages(ops))
        for (const QString& op : page)
            if (op.startsWith(QStringLiteral("text 231 16 14b "))) out << op.mid(16);
    return out;
}

} // namespace

TEST(SummaryLayout, PageFollowsTheDrawingTable) {
    Book book;
    small_book(book);
    print_syukei(book);
    for (int k = 0; k < kItems; ++k) book.print_komoku_name[k] = name_key(book.komoku_name[k]);
    ui::PrintRecorder printer;
    zentai_page(book, printer, 1, kPicture);

    QStringList expected{QStringLiteral("box 15 25 276 193 w2"),
                         QStringLiteral("line 45 25 45 193 w2")};
    for (int x = 66; x <= 255; x += 21) expected << QStringLiteral("line %1 25 %1 193 w1").arg(x);
    expected << QStringLiteral("line 15 40 276 40 w2");
    for (int y = 46; y <= 184; y += 6) expected << QStringLiteral("line 15 %1 276 %1 w1").arg(y);
    expected << QStringList{
        QStringLiteral("text 102 13 22b 全     体    集    計    表"),
        QStringLiteral("text 27 16 14b 2026年12月"),
        QStringLiteral("picture 32x32 15 14"),
        QStringLiteral("line 15 25 45 40 w1"),
        QStringLiteral("text 258 32 12  合  計"),
        QStringLiteral("text 25 186 12 合  計"),
        QStringLiteral("text 231 16 14b ＴＡＶＵ  NO 1-1"),
        // headings: blanks removed, cut at the 9th byte before a double-byte character
        QStringLiteral("text 46 28 11 忘年会"),
        QStringLiteral("text 67 28 11 ABCDEFGHI"),
        QStringLiteral("text 67 34 11 あ"),
        QStringLiteral("text 88 28 11 Big"),
        QStringLiteral("text 109 28 11 Refund"),
        // rows: ten million and minus 9,990,000 leave their cells empty
        QStringLiteral("text 18 41 10 佐藤"),
        QStringLiteral("text 46 41 12      3,000"),
        QStringLiteral("text 67 41 12     12,000"),
        QStringLiteral("text 18 47 10 Ito 2"),
        QStringLiteral("text 46 47 12      3,000"),
        QStringLiteral("text 67 47 12       -500"),
        QStringLiteral("text 18 53 10 ﾜﾀﾅﾍﾞ"),
        QStringLiteral("text 67 53 12        800"),
        // item totals, member totals (10000 or more one millimetre left), grand total
        QStringLiteral("text 46 186 12      6,000"),
        QStringLiteral("text 67 186 12     12,300"),
        QStringLiteral("text 257 41 12     15,000"),
        QStringLiteral("text 257 47 12     12,500"),
        QStringLiteral("text 258 53 12        800"),
        QStringLiteral("text 256 186 12     28,300"),
    };
    const auto pages = ui::drawn_pages(printer.ops);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], expected);
    // Every text is set in the one print font.
    for (const QString& op : printer.ops) {
        if (!op.startsWith(QStringLiteral("font "))) continue;
        EXPECT_TRUE(op.startsWith(QStringLiteral("font ＭＳ Ｐゴシック "))) << op.toStdString();
    }
}

TEST(SummaryLayout, PagesAndBreaks) {
    struct Case {
        const char* what;
        std::vector<std::tuple<int, int, qint32>> charges; // member, item, amount
        QStringList labels;
        bool break_at_end;
    };
    const Case cases[] = {
        {"nothing to collect", {}, {}, false},
        {"only page 2", {{0, 10, 500}}, {QStringLiteral("ＴＡＶＵ  NO 1-2")}, true},
        {"cancelling charges leave page 3 out",
         {{24, 0, 500}, {25, 0, -500}, {0, 0, 1}},
         {QStringLiteral("ＴＡＶＵ  NO 1-1")},
         true},
        {"page 8 last, no break after it",
         {{0, 0, 1}, {72, 0, 1}, {95, 19, 1}},
         {QStringLiteral("ＴＡＶＵ  NO 1-1"), QStringLiteral("ＴＡＶＵ  NO 4-1"),
          QStringLiteral("ＴＡＶＵ  NO 4-2")},
         false},
    };
    for (const Case& c : cases) {
        Book book;
        for (int m = 0; m < kMembers; ++m) book.member_name[m] = QStringLiteral("n");
        for (const auto& [member, item, amount] : c.charges) {
            book.komoku_name[item] = QStringLiteral("t");
            book.member_kingaku[member][item] = amount;
        }
        print_syukei(book);
        ui::PrintRecorder printer;
        print_zentai(book, printer, kPicture);
        const QStringList& ops = printer.ops;
        EXPECT_EQ(ops.mid(0, 4),
                  (QStringList{QStringLiteral("paper A4"), QStringLiteral("orientation landscape"),
                               QStringLiteral("unit mm"), QStringLiteral("print ")}))
            << c.what;
        EXPECT_EQ(labels(ops), c.labels) << c.what;
        EXPECT_EQ(ops.count(QStringLiteral("new page")),
                  c.labels.size() - (c.break_at_end ? 0 : 1) + (c.labels.isEmpty() ? 1 : 0))
            << c.what;
        EXPECT_EQ(ops.back(), QStringLiteral("end document")) << c.what;
        EXPECT_EQ(ops[ops.size() - 2] == QStringLiteral("new page"), c.break_at_end) << c.what;
    }
}

class SummaryCommand : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start(3);
        w->txtKomoku->setFocus();
    }
    frmSirase* notice() const { return w->findChild<frmSirase*>(); }
    ui::PrinterCapture capture;
};

TEST_F(SummaryCommand, EmptyPeriodAndCancelPrintNothing) {
    w->txtNengetu->setText(QStringLiteral("   "));
    w->print_thohyo_Click();
    EXPECT_EQ(boxes(), (Boxes{{kNoPeriod, ui::Icon::Exclamation}}));
    EXPECT_EQ(focus(), w->txtNengetu);

    w->txtKomoku->setFocus();
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    script.answer(ui::Answer::Cancel);
    w->print_thohyo_Click();
    EXPECT_EQ(boxes(), (Boxes{{kPeriodOk, ui::Icon::None}}));
    EXPECT_EQ(focus(), w->txtNengetu);
    EXPECT_EQ(book.nengetu, QStringLiteral("2026年12月"));
    EXPECT_TRUE(capture.documents.empty());
    EXPECT_EQ(notice(), nullptr);
}

TEST_F(SummaryCommand, PrintsUnderTheNoticeAndTellsWhereThePdfWent) {
    book.komoku_name[0] = QStringLiteral("会費");
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 1000;
    book.mark[0][0] = 1;
    book.komoku_name[5] = QStringLiteral("後");
    book.mark[50][5] = 1; // a member without a name loses its marks
    show_item(0);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    bool notice_shown = false;
    capture.at_end = [&] {
        const frmSirase* n = notice();
        notice_shown = n && n->isVisible() && n->Label1->text() == QStringLiteral("印   刷   中");
    };
    capture.outcome.result = ui::PrintOutcome::Result::SavedPdf;
    capture.outcome.pdf_path = QStringLiteral("/work/summary-20261208-153000.pdf");
    w->print_thohyo->trigger(); // through the menu entry

    ASSERT_EQ(capture.documents.size(), 1u) << script.shown.back().text.toStdString();
    EXPECT_EQ(labels(capture.documents[0]), QStringList{QStringLiteral("ＴＡＶＵ  NO 1-1")});
    EXPECT_TRUE(notice_shown);
    ASSERT_NE(notice(), nullptr);
    EXPECT_FALSE(notice()->isVisible());
    EXPECT_EQ(book.mark[50][5], 0);
    EXPECT_EQ(boxes(),
              (Boxes{{kPeriodOk, ui::Icon::None},
                     {QStringLiteral("プリンタが 見つからへんから、PDF に しといたで ！\r\n\r\n"
                                     "/work/summary-20261208-153000.pdf\r\n\r\n"
                                     "PDF を 開いて 見てみる？"),
                      ui::Icon::Information}}));

    // Printed on a printer: nothing more to say. The notice is the same
    // window at the same place.
    const QPoint place = notice()->pos();
    const frmSirase* first = notice();
    capture.outcome = {};
    w->print_thohyo_Click();
    EXPECT_EQ(boxes(), (Boxes{{kPeriodOk, ui::Icon::None}}));
    EXPECT_EQ(notice(), first);
    EXPECT_EQ(notice()->pos(), place);
}

TEST_F(SummaryCommand, FailureIsToldAndHidesTheNotice) {
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    capture.outcome.result = ui::PrintOutcome::Result::Failed;
    capture.outcome.printer = QStringLiteral("Office");
    capture.outcome.detail = QStringLiteral("client-error-not-accepting-jobs");
    w->print_thohyo_Click();
    const Boxes shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].second, ui::Icon::Critical);
    EXPECT_TRUE(shown[1].first.startsWith(QStringLiteral("印刷 でけへんかってん ！\r\n\r\n")));
    EXPECT_TRUE(shown[1].first.contains(QStringLiteral("Office")));
    EXPECT_TRUE(shown[1].first.contains(capture.outcome.detail));
    EXPECT_FALSE(notice()->isVisible());
}

TEST_F(SummaryCommand, NoticeIsCaptionlessTopmostCentredAndUnloadedByExit) {
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->print_thohyo_Click();
    frmSirase* n = notice();
    ASSERT_NE(n, nullptr);
    EXPECT_TRUE(n->windowTitle().isEmpty());
    EXPECT_TRUE(n->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect screen = n->screen()->geometry();
    EXPECT_EQ(n->frameGeometry().center().x() / 2, screen.center().x() / 2);
    EXPECT_TRUE(n->findChildren<QPushButton*>().isEmpty());

    app::ExitRecorder exits;
    w->file_end_Click();
    EXPECT_EQ(exits.count, 1);
    EXPECT_EQ(notice(), nullptr);
}

// ---- real PDFs ----

namespace {

const PdfWord* find_word(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

class SummaryPdf : public TempWorkdir {
protected:
    ui::PrintOutcome print(Book& book, const QString& folder = QDir::currentPath()) {
        print_syukei(book);
        ui::PaintedPrinter printer(QStringLiteral("summary"), ui::PaintedPrinter::Target::Pdf,
                                   folder);
        print_zentai(book, printer, ui::small_picture().toImage());
        return printer.outcome();
    }
};

} // namespace

TEST_F(SummaryPdf, FullBook) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    Book book;
    fill_full_book(book);
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf) << outcome.detail.toStdString();
    const QString name = QFileInfo(outcome.pdf_path).fileName();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^summary-\d{8}-\d{6}\.pdf$)")).match(name).hasMatch())
        << name.toStdString();
    EXPECT_EQ(files(), QStringList{name}); // nothing half-written beside it

    const QString info = run_tool(QStringLiteral("pdfinfo"), {outcome.pdf_path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+8\n)"))));
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral(R"(Page size:\s+842 x 595 pts \(A4\))"))))
        << info.toStdString();
    const QString fonts = run_tool(QStringLiteral("pdffonts"), {outcome.pdf_path});
    EXPECT_TRUE(fonts.contains(
        QRegularExpression(QStringLiteral(R"((Gothic|CJK)\S*\s+CID TrueType\s+\S+\s+yes)"))))
        << fonts.toStdString();

    for (int page = 1; page <= 8; ++page) {
        const auto words = pdf_words(outcome.pdf_path, page);
        const PdfWord* period = find_word(words, QStringLiteral("2026年12月"));
        const PdfWord* title = find_word(words, QStringLiteral("全"));
        const PdfWord* label = find_word(words, QStringLiteral("ＴＡＶＵ"));
        ASSERT_TRUE(period && title && label) << "page " << page;
        EXPECT_NEAR(title->x0 - period->x0, 75 * kPtPerMm, 1.0) << "page " << page;
        EXPECT_NEAR(label->x0 - period->x0, 204 * kPtPerMm, 1.0) << "page " << page;
        EXPECT_NEAR(label->y0, period->y0, 0.5) << "page " << page;
        for (const PdfWord& w : words) {
            EXPECT_GE(w.x0, 0);
            EXPECT_LE(w.x1, 842) << w.text.toStdString();
            EXPECT_LE(w.y1, 595) << w.text.toStdString();
        }
    }
}

// What a hand-made file can hold: the largest and smallest amounts, titles
// at their byte limit in every width, names at theirs.
TEST_F(SummaryPdf, ExtremeBookStaysOnItsPages) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    Book book;
    book.nengetu = QStringLiteral("ＷＷＷＷＷＷＷＷＷＷ");
    const QString titles[] = {
        QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), QStringLiteral("ＷＷＷＷＷＷＷＷＷＷ"),
        QStringLiteral("WWWWWWWWWＷＷＷＷＷ"), QStringLiteral("abcdefghあいうえおか")};
    for (int k = 0; k < kItems; ++k) {
        book.komoku_name[k] = titles[k % 4];
        for (int m = 0; m < kMembers; ++m)
            book.member_kingaku[m][k] = k % 4 == 0   ? std::numeric_limits<qint32>::max()
                                        : k % 4 == 1 ? std::numeric_limits<qint32>::min()
                                                     : 9999999;
    }
    for (int m = 0; m < kMembers; ++m)
        book.member_name[m] =
            m % 2 ? QStringLiteral("ＷＷＷＷＷＷ") : QStringLiteral("WWWWWWWWWWWW");
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf);
    const QString info = run_tool(QStringLiteral("pdfinfo"), {outcome.pdf_path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+8\n)"))));
    for (int page = 1; page <= 8; ++page)
        for (const PdfWord& w : pdf_words(outcome.pdf_path, page)) {
            EXPECT_GE(w.x0, 0) << w.text.toStdString();
            EXPECT_LE(w.x1, 842) << w.text.toStdString();
            EXPECT_LE(w.y1, 595) << w.text.toStdString();
            EXPECT_FALSE(w.text.contains(QStringLiteral("2,147"))) << "a long amount printed";
        }

    // A book with nothing to collect: one page holding nothing.
    Book empty;
    const ui::PrintOutcome blank = print(empty);
    ASSERT_EQ(blank.result, ui::PrintOutcome::Result::SavedPdf);
    EXPECT_TRUE(run_tool(QStringLiteral("pdfinfo"), {blank.pdf_path})
                    .contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\n)"))));
    EXPECT_TRUE(pdf_words(blank.pdf_path, 1).empty());
}

TEST_F(SummaryPdf, NeverOverwritesAndFailsCleanly) {
    // Files in the way under the names of this second and the next two.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList taken;
    for (int s = 0; s < 3; ++s) {
        taken << QStringLiteral("summary-%1.pdf")
                     .arg(now.addSecs(s).toString(QStringLiteral("yyyyMMdd-HHmmss")));
        write_bytes(taken.back(), "keep");
    }
    Book book;
    const ui::PrintOutcome outcome = print(book);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Result::SavedPdf);
    EXPECT_FALSE(taken.contains(QFileInfo(outcome.pdf_path).fileName()));
    for (const QString& name : taken) EXPECT_EQ(read_bytes(name), "keep");
    EXPECT_EQ(files().size(), 4);

    // A folder that cannot be written: failure, with nothing left anywhere.
    const ui::PrintOutcome failed = print(book, path(QStringLiteral("missing/folder")));
    EXPECT_EQ(failed.result, ui::PrintOutcome::Result::Failed);
    EXPECT_FALSE(failed.detail.isEmpty());
    EXPECT_EQ(files().size(), 4);
}
