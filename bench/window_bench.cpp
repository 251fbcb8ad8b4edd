// Start-up and refresh of the main window on a full book (96 members, 20
// items), offscreen.
#include "app/frmOpen.h"
#include "book/data_files.h"
#include "sheet/frmTavu.h"

#include <QApplication>
#include <QDir>
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

double monotonic_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double process_cpu_ms() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// Runs this program again as `mode` and returns what the child printed:
// "wall cpu", in milliseconds from the moment it was started.
std::pair<double, double> run_child(const char* mode) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVU_BENCH_START_MS"), QString::number(monotonic_ms(), 'f', 3));
    child.setProcessEnvironment(env);
    child.start(g_program, {QString::fromLatin1(mode)});
    child.waitForFinished(10000);
    if (child.exitCode() != 0) return {-1, -1};
    const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
    if (numbers.size() != 2) return {-1, -1};
    return {numbers[0].toDouble(), numbers[1].toDouble()};
}

void run_process_benchmark(benchmark::State& state, const char* mode) {
    FullBookFolder folder;
    double wall = 0, cpu = 0;
    for (auto _ : state) {
        const auto [child_wall, child_cpu] = run_child(mode);
        if (child_wall < 0) state.SkipWithError("child failed");
        wall += child_wall;
        cpu += child_cpu;
    }
    // The child's own figures leave out the parent's wait for it to end.
    // Wall time suffers when other work shares the processors; processor
    // time does not.
    const double n = double(state.iterations());
    state.counters["wall_ms_to_paint"] = benchmark::Counter(wall / n);
    state.counters["cpu_ms_to_paint"] = benchmark::Counter(cpu / n);
}

// The program as the user starts it: the splash is drawn, the main window
// is built while it waits, and the wait ends at once. The figures leave the
// wait out: process start to splash drawn, plus the end of the wait to the
// main window drawn.
void BM_ProcessStartThroughSplash(benchmark::State& state) {
    run_process_benchmark(state, "--splash-child");
}
BENCHMARK(BM_ProcessStartThroughSplash)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: the main window built, loaded and drawn straight away.
void BM_ProcessStartMainWindowOnly(benchmark::State& state) {
    run_process_benchmark(state, "--startup-child");
}
BENCHMARK(BM_ProcessStartMainWindowOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

int splash_child() {
    Book book;
    frmOpen splash(book);
    splash.show();
    QApplication::processEvents(); // draws the splash
    const double splash_wall = monotonic_ms(), splash_cpu = process_cpu_ms();
    // The wait: the main window is built behind the splash.
    QApplication::processEvents();
    if (!splash.main_prepared()) return 1;
    const double wait_wall = monotonic_ms(), wait_cpu = process_cpu_ms();
    splash.show_main();
    QApplication::processEvents(); // draws the main window
    if (!splash.main_window() || !splash.main_window()->isVisible()) return 1;
    const double start = qEnvironmentVariable("TAVU_BENCH_START_MS").toDouble();
    printf("%.3f %.3f\n", splash_wall - start + monotonic_ms() - wait_wall,
           splash_cpu + process_cpu_ms() - wait_cpu);
    return 0;
}

int startup_child() {
    Book book;
    std::unique_ptr<frmTavu> window;
    show_main_window(book, window);
    const double start = qEnvironmentVariable("TAVU_BENCH_START_MS").toDouble();
    printf("%.3f %.3f\n", monotonic_ms() - start, process_cpu_ms());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--splash-child") == 0) return splash_child();
    if (argc > 1 && qstrcmp(argv[1], "--startup-child") == 0) return startup_child();
    g_program = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
