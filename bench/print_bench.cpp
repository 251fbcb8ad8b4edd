// The whole summary table of a full book (96 names, 20 items, charges on
// all 8 pages), and the statements of the same book (every member charged
// for more than ten items: 192 statements on 24 pages): the print
// calculation and the layout through the recorder, and the same to a PDF
// file through the painter.
#include "app/frmOpen.h"
#include "book/print_rules.h"
#include "print/meisai.h"
#include "print/zentai.h"
#include "support/full_book.h"
#include "ui/painted_printer.h"
#include "ui/print_recorder.h"

#include "offscreen_main.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_SummaryToRecorder(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    const QImage picture = frmOpen::small_picture().toImage();
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

// Draws one report into a PDF file per iteration; the file is removed
// outside the timing.
template <typename Draw> void to_pdf(benchmark::State& state, const QString& report, Draw draw) {
    QTemporaryDir dir;
    for (auto _ : state) {
        ui::PaintedPrinter printer(report, ui::PaintedPrinter::Target::Pdf, dir.path());
        draw(printer);
        const ui::PrintOutcome outcome = printer.outcome();
        if (outcome.result != ui::PrintOutcome::Result::SavedPdf)
            state.SkipWithError("the PDF was not written");
        state.PauseTiming();
        QFile::remove(outcome.pdf_path);
        state.ResumeTiming();
    }
}

void BM_SummaryToPdf(benchmark::State& state) {
    Book book;
    fill_full_book(book);
    const QImage picture = frmOpen::small_picture().toImage();
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

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
