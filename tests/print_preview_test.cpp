// The print preview, the printer choice and what the user hears after a
// print: the preview's pages against the PDF's, paging and zoom, the menu
// path to paper and to a PDF, the destination kept in the settings.
#include "book/print_rules.h"
#include "print/frmSelectPrint.h"
#include "print/preview_feature.h"
#include "print/print_preview.h"
#include "print/printer_choice.h"
#include "print/reports.h"
#include "sheet_fixture.h"
#include "support/full_book.h"
#include "support/pdf_reading.h"
#include "ui/file_choice.h"
#include "ui/painted_printer.h"
#include "ui/print_destination.h"
#include "ui/print_recorder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <optional>

namespace {

// The mean difference (0..255) between two grey pages over the part both
// cover, smoothed to a quarter of their resolution: the two renderers'
// different edges of letters and lines fall away, a shifted or scaled
// drawing stays. 255 when their sizes differ by more than a dot.
double page_difference(const QImage& a, const QImage& b) {
    if (qAbs(a.width() - b.width()) > 1 || qAbs(a.height() - b.height()) > 1) return 255;
    const QSize common(qMin(a.width(), b.width()), qMin(a.height(), b.height()));
    const auto smooth = [&](const QImage& image) {
        return image.copy(QRect(QPoint(), common))
            .convertToFormat(QImage::Format_Grayscale8)
            .scaled(common / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage sa = smooth(a), sb = smooth(b);
    double sum = 0;
    for (int y = 0; y < sa.height(); ++y)
        for (int x = 0; x < sa.width(); ++x)
            sum += qAbs(sa.constScanLine(y)[x] - sb.constScanLine(y)[x]);
    return sum / (sa.width() * sa.height());
}

} // namespace

TEST(PreviewPages, LookLikeThePdfPages) {
    if (!have_poppler()) GTEST_SKIP() << "poppler-utils missing";
    struct Row {
        Report report;
        int pages;
    };
    for (const Row row : {Row{Report::Summary, 8}, Row{Report::Statements, 24}}) {
        SCOPED_TRACE(report_name(row.report).toStdString());
        Book book;
        fill_full_book(book);
        print_syukei(book);
        ui::PreviewDocument document;
        draw_report(row.report, book, document);
        ASSERT_EQ(document.page_count(), row.pages);

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        ui::PaintedPrinter printer(report_name(row.report), ui::PaintedPrinter::Target::Pdf,
                                   dir.path());
        printer.write_to(pdf);
        document.replay(printer);
        ASSERT_EQ(printer.outcome().result, ui::PrintOutcome::Result::SavedPdf);
        EXPECT_EQ(printer.outcome().pages, row.pages);
        ASSERT_EQ(pdf_pages(pdf), row.pages);

        constexpr int kDpi = 50;
        run_tool(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"),
                                              QString::number(kDpi), pdf, dir.filePath("p")});
        for (int page = 0; page < row.pages; ++page) {
            const QString number =
                QString::number(page + 1).rightJustified(QString::number(row.pages).size(), u'0');
            const QImage paper(dir.filePath(QStringLiteral("p-%1.pgm").arg(number)));
            ASSERT_FALSE(paper.isNull()) << page;
            const QImage shown = document.page_image(page, kDpi);
            EXPECT_LT(page_difference(shown, paper), 10.0) << "page " << page + 1;
            // Not two blank pages: a page carries its drawing.
            QImage blank(shown.size(), QImage::Format_Grayscale8);
            blank.fill(Qt::white);
            EXPECT_GT(page_difference(shown, blank), 2.0) << page;
        }
    }
}

class PreviewWindow : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        fill_full_book(book);
        start(kMembers);
        fill_full_book(book); // start() named the rows its own way
        for (int i = 0; i < kMembers; ++i) w->lbl1[i]->setText(book.member_name[i]);
        w->txtNengetu->setText(book.nengetu);
        w->txtMotojime->setText(book.motojime);
    }
    PrintPreview* open(QAction* entry) {
        entry->trigger();
        const QList<PrintPreview*> previews = w->findChildren<PrintPreview*>();
        if (previews.isEmpty()) return nullptr;
        // Its keys work once it is the active window.
        EXPECT_TRUE(wait_active(previews.back()));
        return previews.back();
    }
    void wheel(PrintPreview* preview, int delta) {
        QWidget* port = preview->scroll->viewport();
        QWheelEvent event(QPointF(10, 10), port->mapToGlobal(QPointF(10, 10)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &event);
    }
    std::optional<ui::PrinterCapture> capture{std::in_place};
};

TEST_F(PreviewWindow, TurnsPagesAndZooms) {
    PrintPreview* preview = open(features.preview->preview_thohyo);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(boxes().empty()); // nothing asked before a preview
    EXPECT_TRUE(capture->documents.empty());
    EXPECT_EQ(preview->thumbnails->count(), 8);
    EXPECT_EQ(preview->page_label->text(), QStringLiteral("1 / 8 ページ"));
    EXPECT_FALSE(preview->cmdPrev->isEnabled());

    // Keys, buttons, thumbnails and the wheel: {action, page after it}.
    const std::vector<std::pair<std::function<void()>, int>> steps{
        {[&] { QTest::keyClick(preview, Qt::Key_PageDown); }, 1},
        {[&] { QTest::keyClick(preview, Qt::Key_End); }, 7},
        {[&] { preview->cmdNext->click(); }, 7},
        {[&] { QTest::keyClick(preview, Qt::Key_PageUp); }, 6},
        {[&] { QTest::keyClick(preview, Qt::Key_Home); }, 0},
        {[&] { preview->thumbnails->setCurrentRow(4); }, 4},
        {[&] { wheel(preview, -120); }, 5}, // the whole page shows: the wheel turns
        {[&] { wheel(preview, 120); }, 4},
        {[&] { preview->cmdPrev->click(); }, 3},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i].first();
        EXPECT_EQ(preview->current_page(), steps[i].second) << "step " << i;
    }
    EXPECT_EQ(preview->page_label->text(), QStringLiteral("4 / 8 ページ"));

    const int fit_page = preview->page_dpi();
    preview->zoom_box->setCurrentIndex(int(PrintPreview::Zoom::FitWidth));
    EXPECT_GE(preview->page_dpi(), fit_page);
    preview->set_zoom(PrintPreview::Zoom::Actual);
    EXPECT_EQ(preview->page_dpi(), preview->logicalDpiX());
    EXPECT_EQ(preview->page_view->pixmap().size(),
              preview->document().page_image(3, preview->page_dpi()).size());
    // Too big to show whole: the wheel scrolls the page first.
    preview->show();
    QTest::qWait(20);
    wheel(preview, -120);
    EXPECT_EQ(preview->current_page(), 3);
}

TEST_F(PreviewWindow, PrintsAndSavesWhatItShows) {
    PrintPreview* preview = open(features.preview->preview_thohyo);
    ASSERT_NE(preview, nullptr);
    // 印刷 asks what 帳票の印刷 asks: Cancel on the period prints nothing.
    capture->outcome.printer = QStringLiteral("Office");
    capture->outcome.pages = 8;
    script.answer(ui::Answer::Cancel);
    preview->cmdPrint->click();
    EXPECT_TRUE(capture->documents.empty());
    EXPECT_EQ(boxes(),
              (Boxes{{QStringLiteral("年 月  は   これで   ＯＫやろネ ？"), ui::Icon::None}}));
    // OK: the pages shown, as one document, and the status line names
    // where they went.
    script.answer(ui::Answer::Ok);
    preview->cmdPrint->click();
    ASSERT_EQ(capture->documents.size(), 1u);
    ui::PrintRecorder direct;
    draw_report(Report::Summary, book, direct);
    EXPECT_EQ(capture->documents[0].join(u'\n').toStdString(),
              direct.ops.join(u'\n').toStdString());
    EXPECT_EQ(boxes().size(), 1u); // the period's question only
    EXPECT_EQ(w->statusBar()->currentMessage(),
              QStringLiteral("プリンタ「Office」に 8 ページ 送ったで。"));

    // PDF保存: the file the user named, and the offer to open it.
    const QString pdf = path(QStringLiteral("dec.pdf"));
    ui::FileScript files;
    files.answer(path(QStringLiteral("dec"))); // ".pdf" is added
    script.shown.clear();
    preview->cmdPdf->click();
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_TRUE(files.asked[0].save);
    EXPECT_TRUE(exists(QStringLiteral("dec.pdf")));
    if (have_poppler()) {
        EXPECT_EQ(pdf_pages(pdf), 8);
    }
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, QStringLiteral("PDF に しといたで ！\r\n\r\n") + pdf +
                                        QStringLiteral("\r\n\r\nPDF を 開いて 見てみる？"));
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::YesNo);
}

TEST_F(PreviewWindow, SelectionPreviewsOnlyTheChosenStatements) {
    features.preview->preview_select->trigger();
    frmSelectPrint* dialog = w->select_print_form;
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->windowTitle().contains(QStringLiteral("プレビュー")));
    dialog->Form_Activate();
    dialog->lstName->setCurrentRow(2);
    dialog->cmdSelct->click();
    dialog->cmdKakutei->click();
    const QList<PrintPreview*> previews = w->findChildren<PrintPreview*>();
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0]->document().page_count(), 1);
    EXPECT_TRUE(capture->documents.empty()); // nothing printed
    EXPECT_FALSE(dialog->previews);          // セレクト印刷 prints again

    // The selection preview left by 中止: 個別印刷 still goes to paper.
    features.preview->preview_select->trigger();
    dialog->cmdYame->click();
    script.answer(ui::Answer::Ok); // the period
    script.answer(ui::Answer::Ok); // the person in charge
    w->print_kobetu_Click();
    EXPECT_EQ(capture->documents.size(), 1u);
    EXPECT_EQ(w->findChildren<PrintPreview*>().size(), 1u);
}

// Without a print service (the tests have none): the list offers the
// default and a PDF file; the choice is kept; a PDF chosen is said as
// chosen; a chosen printer is kept while the service lists nothing.
TEST_F(PreviewWindow, ChosenDestinationIsKeptAndUsed) {
    PrinterChoice choice;
    EXPECT_EQ(texts(choice.lstPrinter),
              (QStringList{QStringLiteral("いつもの プリンタ（いまは 無いから PDF）"),
                           QStringLiteral("PDF ファイル（作業フォルダに）")}));
    EXPECT_EQ(choice.lstPrinter->currentRow(), 0);
    choice.lstPrinter->setCurrentRow(1);
    choice.accept();
    EXPECT_EQ(ui::chosen_destination().kind, ui::Destination::Kind::PdfFile);
    EXPECT_EQ(PrinterChoice().lstPrinter->currentRow(), 1);

    // The print service lists nothing (it is down): a chosen printer is not
    // taken for gone (that is the private cupsd's test).
    const std::pair<ui::Destination, QString> rows[] = {
        {{ui::Destination::Kind::PdfFile, {}}, QStringLiteral("PDF に しといたで ！")},
        {{ui::Destination::Kind::Printer, QStringLiteral("Away")},
         QStringLiteral("プリンタが 見つからへんから、PDF に しといたで ！")},
    };
    for (const auto& [chosen, first_words] : rows) {
        ui::choose_destination(chosen);
        capture.reset();               // real printing
        script.answer(ui::Answer::Ok); // the period
        w->print_thohyo_Click();
        const auto said = boxes();
        ASSERT_EQ(said.size(), 2u); // the period, then where the PDF went
        EXPECT_TRUE(said.back().first.startsWith(first_words + QStringLiteral("\r\n\r\n") +
                                                 QDir::currentPath()))
            << said.back().first.toStdString();
        EXPECT_TRUE(
            w->statusBar()->currentMessage().endsWith(QStringLiteral("に 8 ページ 書いたで。")));
    }
    const ui::Destination away{ui::Destination::Kind::Printer, QStringLiteral("Away")};
    EXPECT_EQ(ui::chosen_destination(), away); // kept for when the print service is back
    PrinterChoice again;
    EXPECT_EQ(again.lstPrinter->currentItem()->text(),
              QStringLiteral("プリンタ「Away」（いまは 見つからへん）"));
    EXPECT_EQ(files().filter(QStringLiteral("summary-")).size(), 2);
}
