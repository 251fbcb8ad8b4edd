#pragma once
// Draws one report into a PDF file per iteration; the file is removed
// outside the timing.
#include "ui/painted_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
