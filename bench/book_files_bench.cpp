// Loading and saving a full book through the data files of a temporary
// working folder: 96 names of 12 bytes and 20 individual-amount items.
//   load = hrm_to_dat + data_read, save = dat_write + dat_to_hrm.

#include "book/data_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<Book> full_book() {
    auto book = std::make_unique<Book>();
    for (int m = 0; m < kMembers; ++m)
        book->member_name[m] =
            QStringLiteral("山田ﾀﾛｳ%1").arg(m % 100, 2, 10, QChar(u'0')).left(6) +
            QStringLiteral("子");
    book->nengetu = QStringLiteral("令和８年１２月");
    book->motojime = QStringLiteral("髙橋");
    for (int k = 0; k < kItems; ++k) {
        book->komoku_name[k] = QStringLiteral("任意の集金項目%1").arg(k);
        book->komoku_mode[k] = 0;
        for (int m = 0; m < kMembers; ++m) book->member_kingaku[m][k] = 100000 + m * 1000 + k;
    }
    return book;
}

// Runs the benchmark in a fresh working folder holding a saved full book.
struct Workdir {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    Workdir() {
        QDir::setCurrent(dir.path());
        auto book = full_book();
        dat_write(*book);
        dat_to_hrm();
    }
    ~Workdir() { QDir::setCurrent(previous); }
};

void BM_Load(benchmark::State& state) {
    Workdir workdir;
    auto book = std::make_unique<Book>();
    for (auto _ : state) {
        if (hrm_to_dat() != WriteResult::Ok || data_read(*book) != ReadResult::Ok)
            state.SkipWithError("load failed");
        state.PauseTiming();
        dat_to_hrm(); // back to the state at rest
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state) {
    Workdir workdir;
    auto book = full_book();
    for (auto _ : state) {
        if (dat_write(*book) != WriteResult::Ok || dat_to_hrm() != WriteResult::Ok)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
