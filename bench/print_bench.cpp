// The whole summary table of a full book (96 names, 20 items, charges on
// all 8 pages), and the statements of the same book (every member charged
// for more than ten items: 192 statements on 24 pages): the print
// calculation and the layout through the recorder, and the same to a PDF
// file through the painter, the statements also with payments; the print preview opened on each,
// and a page turned in it. The unpaid list of a full book with half the cells
// unpaid, to a PDF.
#include "app/frmOpen.h"
#include "book/print_rules.h"
#include "print/meisai.h"
#include "print/print_preview.h"
#include "print/unpaid_report.h"
#include "print/zentai.h"
#include "support/full_book.h"
#include "ui/painted_printer.h"
#include "ui/preview_document.h"
#include "ui/print_recorder.h"

#include "offscreen_main.h"
#include "pdf_timing.h"
#include "ui/pictures.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SummaryToRecorder(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    const QImage picture = ui::small_picture().toImage();
    for (auto _ : state) {
        print_syukei(book);
        ui::PrintRecorder printer;
        print_zentai(book, printer, picture);
        benchmark::DoNotOptimize(printer.ops.size());
    }
}
BENCHMARK(BM_SummaryToRecorder)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_SummaryToPdf(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    const QImage picture = ui::small_picture().toImage();
    to_pdf(state, QStringLiteral("summary"), [&](ui::Printer& printer) {
        print_syukei(book);
        print_zentai(book, printer, picture);
    });
}
BENCHMARK(BM_SummaryToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

Book statements_book() {
    Book book;
    fill_full_book(book);
    for (int m = 0; m < kMembers; ++m) book.print_mark[m] = 1;
    return book;
}

void BM_StatementsToRecorder(benchmark::State& state) {
    Book book = statements_book();
    for (auto _ : state) {
        print_syukei(book);
        ui::PrintRecorder printer;
        print_meisai(book, printer);
        benchmark::DoNotOptimize(printer.ops.size());
    }
}
BENCHMARK(BM_StatementsToRecorder)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_StatementsToPdf(benchmark::State& state) {
    Book book = statements_book();
    to_pdf(state, QStringLiteral("statements"), [&](ui::Printer& printer) {
        print_syukei(book);
        print_meisai(book, printer);
    });
}
BENCHMARK(BM_StatementsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same with payments in every state on the cells, so that every
// statement that ends a member's carries the two payment lines (target:
// under 250 ms).
void BM_StatementsWithPaymentsToPdf(benchmark::State& state) {
    Book book = statements_book();
    fill_full_payments(book);
    to_pdf(state, QStringLiteral("statements"), [&](ui::Printer& printer) {
        print_syukei(book);
        print_meisai(book, printer);
    });
}
BENCHMARK(BM_StatementsWithPaymentsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The list as the menu makes it: the rule and the layout, in roster order.
void BM_UnpaidToPdf(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    pay_half_of_book(book);
    to_pdf(state, QStringLiteral("unpaid"), [&](ui::Printer& printer) {
        print_syukei(book);
        print_unpaid(book, unpaid_list(book, UnpaidOrder::Roster), printer);
    });
    state.counters["members"] = double(unpaid_list(book, UnpaidOrder::Roster).rows.size());
}
BENCHMARK(BM_UnpaidToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The print preview as the user opens it: the report drawn once into the
// preview's document, the window built with its thumbnails and shown with
// the first page fitted to it.
template <typename Draw> void preview_open(benchmark::State& state, Book book, Draw draw) {
    for (auto _ : state) {
        print_syukei(book);
        auto document = std::make_shared<ui::PreviewDocument>();
        draw(book, *document);
        PrintPreview preview(nullptr, QStringLiteral("bench"), QStringLiteral("summary"), document,
                             [](const ui::PreviewDocument&) {});
        preview.show();
        QCoreApplication::processEvents();
        if (preview.page_dpi() < 40) state.SkipWithError("the page was not fitted");
    }
}

void BM_PreviewSummaryOpen(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    const QImage picture = ui::small_picture().toImage();
    preview_open(state, book,
                 [&](Book& b, ui::Printer& printer) { print_zentai(b, printer, picture); });
}
BENCHMARK(BM_PreviewSummaryOpen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PreviewStatementsOpen(benchmark::State& state) {
    preview_open(state, statements_book(),
                 [](Book& b, ui::Printer& printer) { print_meisai(b, printer); });
}
BENCHMARK(BM_PreviewStatementsOpen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Turning a page of the open preview of the statements (24 pages).
void BM_PreviewTurnPage(benchmark::State& state) {
    Book book = statements_book();
    print_syukei(book);
    auto document = std::make_shared<ui::PreviewDocument>();
    print_meisai(book, *document);
    PrintPreview preview(nullptr, QStringLiteral("bench"), QStringLiteral("statements"), document,
                         [](const ui::PreviewDocument&) {});
    preview.show();
    QCoreApplication::processEvents();
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % document->page_count();
        preview.show_page(page);
    }
    state.counters["dpi"] = preview.page_dpi();
}
BENCHMARK(BM_PreviewTurnPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
