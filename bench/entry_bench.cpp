// Committing an item and paging: a full individual-amount item (96 amounts)
// and Ｎｅｘｔ through all 20 items of a full book, equal-split and
// individual-amount items alternating so every other step switches mode.
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include "offscreen_main.h"
#include <algorithm>

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double thread_cpu_ms() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Sheet {
    Book book;
    ui::MessageScript script; // a stray message must not block the run
    std::unique_ptr<frmTavu> w;

    Sheet() {
        for (int i = 0; i < kMembers; ++i) book.member_name[i] = QStringLiteral("会員%1").arg(i);
        for (int c = 0; c < kItems; ++c) {
            book.komoku_name[c] = QStringLiteral("項目%1").arg(c + 1);
            book.komoku_mode[c] = qint16(c % 2 == 0 ? 1 : 0);
            if (book.komoku_mode[c] == 1) {
                book.komoku_kingaku[c] = 1000;
                for (int i = 0; i < kMembers; ++i) book.mark[i][c] = qint16(i % 3 != 0);
            } else {
                for (int i = 0; i < kMembers; ++i) book.member_kingaku[i][c] = 500 + 10 * i;
            }
        }
        w = std::make_unique<frmTavu>(book);
        for (int i = 0; i < kMembers; ++i) {
            w->lbl1[i]->setText(book.member_name[i]);
            w->chk1[i]->setText(book.member_name[i]);
        }
        w->optKinto->setChecked(true);
        w->show();
    }

    void show_item(int c) {
        book.cur_komoku = qint16(c);
        w->gamen_kosin();
    }
};

void BM_CommitFullIndividualItem(benchmark::State& state) {
    Sheet s;
    s.show_item(1); // 任意, 96 amounts
    for (auto _ : state) {
        const qint16 result = s.w->newdata_memo(0);
        if (result != 0) state.SkipWithError("the commit refused the item");
        benchmark::DoNotOptimize(result);
    }
    if (!s.script.shown.empty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_CommitFullIndividualItem)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One iteration pages from item 1 to item 20 (19 moves) and presses Ｎｅｘｔ
// once more on item 20. Between presses the event loop runs untimed, as it
// does between a user's clicks, so repaints do not pile up. Counters give
// the median and the slowest single Ｎｅｘｔ (handler time), by the wall clock
// and by the thread's CPU time, which other load on the machine does not
// inflate.
void BM_NextThroughTwentyItems(benchmark::State& state) {
    Sheet s;
    std::vector<double> next_ms, next_cpu_ms;
    for (auto _ : state) {
        state.PauseTiming();
        s.show_item(0);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int step = 0; step < kItems; ++step) {
            const double c0 = thread_cpu_ms();
            const auto t0 = std::chrono::steady_clock::now();
            s.w->cmdNext_Click();
            const auto t1 = std::chrono::steady_clock::now();
            next_cpu_ms.push_back(thread_cpu_ms() - c0);
            next_ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        if (s.book.cur_komoku != kItems - 1) state.SkipWithError("Ｎｅｘｔ did not reach item 20");
    }
    if (!s.script.shown.empty()) state.SkipWithError("a message was shown");
    std::sort(next_ms.begin(), next_ms.end());
    std::sort(next_cpu_ms.begin(), next_cpu_ms.end());
    state.counters["median_next_ms"] = next_ms[next_ms.size() / 2];
    state.counters["slowest_next_ms"] = next_ms.back();
    state.counters["median_next_cpu_ms"] = next_cpu_ms[next_cpu_ms.size() / 2];
    state.counters["slowest_next_cpu_ms"] = next_cpu_ms.back();
    state.counters["p90_next_cpu_ms"] = next_cpu_ms[next_cpu_ms.size() * 9 / 10];
    state.counters["p99_next_cpu_ms"] = next_cpu_ms[next_cpu_ms.size() * 99 / 100];
}
BENCHMARK(BM_NextThroughTwentyItems)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
