// 過去の期間 over ten years of months: 120 archives, each a full book (96
// members, 20 items) with its payments. Listing them as the window does, and
// the year's totals of twelve of them (with the current period) as a PDF.
// Targets: the list under 300 ms, the year's totals under 300 ms.
#include "book/past_periods.h"
#include "book/print_rules.h"
#include "book/year_totals.h"
#include "periods/year_report.h"
#include "support/past_periods_folder.h"
#include "ui/painted_printer.h"

#include "offscreen_main.h"
#include <QTemporaryDir>

namespace {

// The folder of 120 archives, made once for every benchmark of the program.
QString working_folder() {
    static QTemporaryDir dir;
    static const bool made = [] {
        QDir::setCurrent(dir.path());
        return write_past_periods(120);
    }();
    if (!made) std::abort();
    QDir::setCurrent(dir.path());
    return dir.path();
}

void BM_ListPastPeriods(benchmark::State& state) {
    const QString folder = working_folder();
    for (auto _ : state) {
        const std::vector<PastPeriod> list = list_past_periods(folder);
        if (list.size() != 120 || list.front().payments != PastPeriod::Payments::Kept)
            state.SkipWithError("the archives were not all read");
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_ListPastPeriods)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From the list the window holds: the twelve months of 2026 read, totalled
// and drawn into a PDF, as 年間集計の 印刷 does without a printer.
void BM_YearTotalsToPdf(benchmark::State& state) {
    const QString folder = working_folder();
    const std::vector<PastPeriod> list = list_past_periods(folder);
    QTemporaryDir out;
    for (auto _ : state) {
        QString unknown;
        PeriodBooks read = read_period_books(
            periods_between(list, QStringLiteral("2026-01"), QStringLiteral("2026-12"), unknown));
        const YearTotals totals = year_totals(read.periods);
        ui::PaintedPrinter printer(QStringLiteral("periods"), ui::PaintedPrinter::Target::Pdf,
                                   out.path());
        draw_year_report(totals, QStringLiteral("2026年1月 ～ 2026年12月"), printer);
        const ui::PrintOutcome outcome = printer.outcome();
        if (read.periods.size() != 12 || outcome.result != ui::PrintOutcome::Result::SavedPdf)
            state.SkipWithError("the PDF was not written");
        state.PauseTiming();
        QFile::remove(outcome.pdf_path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_YearTotalsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
