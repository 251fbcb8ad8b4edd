// The 集金チェック window on a full book (96 members, 20 items) with payments
// on half the cells: opening the window (built, filled, drawn), a click
// recorded and the table redrawn, and the save of the data file with the
// payments file beside it.
#include "book/data_files.h"
#include "book/payments.h"
#include "book/payments_file.h"
#include "book/safety_copy.h"
#include "payments/frmSyukin.h"
#include "support/full_book.h"

#include "offscreen_main.h"
#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace {

const QDate kDay(2026, 12, 8);
const WriteGuard guard; // a book that may be written

std::unique_ptr<Book> paid_full_book() {
    auto book = std::make_unique<Book>();
    fill_full_book(*book);
    for (int m = 0; m < kMembers; ++m)
        for (int k = 0; k < kItems; ++k)
            if ((m + k) % 2 == 0 && owed_amount(*book, m, k) != 0)
                book->payments.cell[m][k] = {owed_amount(*book, m, k), kDay};
    return book;
}

void BM_OpenWindow(benchmark::State& state) {
    auto book = paid_full_book();
    for (auto _ : state) {
        frmSyukin window(*book, guard);
        window.show();
        window.grab(); // drawn once, as the first paint draws it
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

void BM_ClickAndRedraw(benchmark::State& state) {
    auto book = paid_full_book();
    frmSyukin window(*book, guard);
    window.show();
    window.grab();
    const QModelIndex cell = window.filter.index(3, 3);
    window.grdSyukin->setCurrentIndex(cell);
    for (auto _ : state) {
        window.grdSyukin_Click(cell);
        QApplication::processEvents(); // the cell, its row's sums and the totals drawn
    }
}
BENCHMARK(BM_ClickAndRedraw)->Unit(benchmark::kMicrosecond);

// The same with the whole table drawn again, as a bound.
void BM_ClickAndRedrawAll(benchmark::State& state) {
    auto book = paid_full_book();
    frmSyukin window(*book, guard);
    window.show();
    window.grab();
    const QModelIndex cell = window.filter.index(3, 3);
    window.grdSyukin->setCurrentIndex(cell);
    for (auto _ : state) {
        window.grdSyukin_Click(cell);
        // Every visible cell drawn again, and the totals.
        benchmark::DoNotOptimize(window.grdSyukin->viewport()->grab());
        benchmark::DoNotOptimize(window.lblGoukei->grab());
    }
}
BENCHMARK(BM_ClickAndRedrawAll)->Unit(benchmark::kMicrosecond);

// The file steps of a save: the data file through its working file with the
// safety copy, then the payments file with its own.
void BM_SaveWithPayments(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto book = paid_full_book();
    for (auto _ : state) {
        if (dat_write(*book) != WriteResult::Ok || !is_written(dat_to_hrm_keeping_bak().written) ||
            payments_write(*book).written != WriteResult::Ok)
            state.SkipWithError("save failed");
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_SaveWithPayments)->Unit(benchmark::kMicrosecond);

// The payments file's text made and read back, without the disk.
void BM_PaymentsText(benchmark::State& state) {
    auto book = paid_full_book();
    for (auto _ : state) {
        const QByteArray text = payments_text(*book);
        if (parse_payments_text(text, *book).result != ReadResult::Ok)
            state.SkipWithError("payments text failed");
    }
}
BENCHMARK(BM_PaymentsText)->Unit(benchmark::kMicrosecond);

// The payments file alone, written and read back.
void BM_PaymentsFileOnly(benchmark::State& state) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto book = paid_full_book();
    for (auto _ : state) {
        if (payments_write(*book).written != WriteResult::Ok ||
            payments_read(*book).result != ReadResult::Ok)
            state.SkipWithError("payments file failed");
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_PaymentsFileOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return run_benchmarks_offscreen(argc, argv);
}
