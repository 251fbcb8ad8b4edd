#include "ui/printer.h"
#include "ui/painted_printer.h"
#include "ui/print_recorder.h"

#include <QDir>

namespace ui {

namespace {
PrinterCapture* active_capture = nullptr;
}

PrinterCapture::PrinterCapture() {
    active_capture = this;
}
PrinterCapture::~PrinterCapture() {
    if (active_capture == this) active_capture = nullptr;
}

PrinterCapture* active_printer_capture() {
    return active_capture;
}

std::unique_ptr<Printer> open_printer(const QString& report) {
    if (active_capture) return std::make_unique<PrintRecorder>(active_capture);
    return std::make_unique<PaintedPrinter>(report, PaintedPrinter::Target::DefaultPrinterOrPdf,
                                            QDir::currentPath());
}

} // namespace ui
