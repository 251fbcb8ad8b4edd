// Receipts and reminder slips of a full book (96 members, 20 items) with
// payments on half the cells, each to a PDF file through the painter (the
// target: both together under 150 ms); and the same book's receipts as one
// PDF per member into a folder.
#include "book/print_rules.h"
#include "print/per_member_pdf.h"
#include "print/reports.h"
#include "support/full_book.h"
#include "ui/painted_printer.h"

#include "offscreen_main.h"
#include "pdf_timing.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Book& paid_book() {
    static Book book = [] {
        Book b;
        fill_full_book(b);
        pay_half_of_book(b);
        print_syukei(b);
        return b;
    }();
    return book;
}

void papers_to_pdf(benchmark::State& state, Report report) {
    Book& book = paid_book();
    ReportScope scope;
    scope.as_of = QDate(2026, 12, 8);
    scope.note = QStringLiteral("12月20日までに、担当者まで現金でお願いいたします。");
    to_pdf(state, report_name(report),
           [&](ui::Printer& printer) { draw_report(report, book, printer, scope); });
}

void BM_ReceiptsToPdf(benchmark::State& state) {
    papers_to_pdf(state, Report::Receipts);
}
BENCHMARK(BM_ReceiptsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RemindersToPdf(benchmark::State& state) {
    papers_to_pdf(state, Report::Reminders);
}
BENCHMARK(BM_RemindersToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ReceiptsEachMember(benchmark::State& state) {
    Book& book = paid_book();
    for (auto _ : state) {
        QTemporaryDir dir;
        const EachOutcome outcome = write_each_member(Report::Receipts, book, {}, dir.path());
        if (outcome.failed) state.SkipWithError("a PDF was not written");
        benchmark::DoNotOptimize(outcome.written.size());
        state.PauseTiming();
        dir.remove();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReceiptsEachMember)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
