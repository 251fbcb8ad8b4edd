// The roster import on files of the largest size read (1 MiB), shaped
// against each step of the reader: read, checked and placed into a roster.

#include "book/roster_import.h"
#include "book/roster_placement.h"
#include "support/roster_shapes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadAndPlaceRoster(benchmark::State& state) {
    const auto files = shaped_roster_files();
    const auto& [what, bytes] = files[size_t(state.range(0))];
    state.SetLabel(what);
    for (auto _ : state) {
        RosterFile file = read_roster(bytes);
        Book book;
        benchmark::DoNotOptimize(place_roster(book, file.lines));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadAndPlaceRoster)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
