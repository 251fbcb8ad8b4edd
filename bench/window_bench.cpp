// Start-up and refresh of the main window on a full book (96 members, 20
// items), offscreen.
#include "book/data_files.h"
#include "sheet/frmTavu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>

namespace {

QString g_program;

Book full_book() {
    Book b;
    for (int i = 0; i < kMembers; ++i) b.member_name[i] = QStringLiteral("会員%1号").arg(i + 1);
    b.nengetu = QStringLiteral("2026年12月");
    b.motojime = QStringLiteral("総務");
    for (int k = 0; k < kItems; ++k) {
        b.komoku_name[k] = QStringLiteral("項目%1").arg(k + 1);
        b.komoku_mode[k] = qint16(k % 2 == 0);
        b.komoku_kingaku[k] = 1000;
        for (int i = 0; i < kMembers; ++i) {
            if (k % 2 == 0)
                b.mark[i][k] = qint16(i % 3 != 0);
            else
                b.member_kingaku[i][k] = 500 * (i % 4);
        }
    }
    return b;
}

// A working folder holding the full book as allitem.hrm.
struct FullBookFolder {
    FullBookFolder() : previous(QDir::currentPath()) {
        QDir::setCurrent(dir.path());
        dat_write(full_book());
        dat_to_hrm();
    }
    ~FullBookFolder() { QDir::setCurrent(previous); }
    QTemporaryDir dir;
    QString previous;
};

void show_main_window(Book& book, std::unique_ptr<frmTavu>& window) {
    window = std::make_unique<frmTavu>(book);
    window->Form_Load();
    window->show();
    QApplication::processEvents(); // lays out and paints
}

void BM_ConstructAndLoad(benchmark::State& state) {
    FullBookFolder folder;
    for (auto _ : state) {
        Book book;
        std::unique_ptr<frmTavu> window;
        show_main_window(book, window);
        benchmark::DoNotOptimize(window->txtChkCnt->text());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructAndLoad)->Unit(benchmark::kMillisecond);

void BM_GamenKosinOneItem(benchmark::State& state) {
    FullBookFolder folder;
    Book book;
    std::unique_ptr<frmTavu> window;
    show_main_window(book, window);
    const int item = int(state.range(0));
    for (auto _ : state) {
        // Draw another item of the same mode first, so that each refresh
        // changes every row, then the item measured.
        state.PauseTiming();
        book.cur_komoku = qint16(item + 2);
        window->gamen_kosin();
        book.cur_komoku = qint16(item);
        state.ResumeTiming();
        window->gamen_kosin();
    }
}
BENCHMARK(BM_GamenKosinOneItem)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A fresh process: application, main window, start-up, first paint.
void BM_ProcessStartToMainWindow(benchmark::State& state) {
    FullBookFolder folder;
    double cpu_ms = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(g_program, {QStringLiteral("--startup-child")});
        child.waitForFinished(10000);
        if (child.exitCode() != 0) state.SkipWithError("child failed");
        cpu_ms += child.readAllStandardOutput().trimmed().toDouble() / 1000.0;
    }
    // Wall time suffers when other work shares the processors; the child's
    // own processor time up to its first paint does not.
    state.counters["cpu_ms_to_paint"] = benchmark::Counter(cpu_ms / double(state.iterations()));
}
BENCHMARK(BM_ProcessStartToMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], "--startup-child") == 0) {
        QApplication app(argc, argv);
        Book book;
        std::unique_ptr<frmTavu> window;
        show_main_window(book, window);
        // The processor time spent up to the first paint, for the parent.
        timespec ts;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        printf("%lld\n", (long long)ts.tv_sec * 1000000 + ts.tv_nsec / 1000);
        return 0;
    }
    QApplication app(argc, argv);
    g_program = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
