#include "ui/printer.h"
#include "ui/painted_printer.h"
#include "ui/print_destination.h"
#include "ui/print_recorder.h"
#include "ui/print_service.h"

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
    using Target = PaintedPrinter::Target;
    const QString folder = QDir::currentPath();
    const Destination chosen = chosen_destination();
    if (chosen.kind == Destination::Kind::PdfFile)
        return std::make_unique<PaintedPrinter>(report, Target::Pdf, folder);
    if (chosen.kind == Destination::Kind::Printer && print_service::missing().isEmpty()) {
        const QStringList queues = print_service::destinations();
        if (queues.contains(chosen.printer))
            return std::make_unique<PaintedPrinter>(report, Target::DefaultPrinterOrPdf, folder,
                                                    chosen.printer);
        // No queue at all: the print service is down or unreachable for now,
        // which says nothing about the chosen printer. The choice stays for
        // when it is back; this time the default (a PDF) stands in.
        if (queues.isEmpty())
            return std::make_unique<PaintedPrinter>(report, Target::DefaultPrinterOrPdf, folder);
        // Gone from the print service: the default stands in from now on.
        choose_destination({});
        auto printer =
            std::make_unique<PaintedPrinter>(report, Target::DefaultPrinterOrPdf, folder);
        printer->set_vanished(chosen.printer);
        return printer;
    }
    return std::make_unique<PaintedPrinter>(report, Target::DefaultPrinterOrPdf, folder);
}

} // namespace ui
