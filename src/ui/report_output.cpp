#include "ui/report_output.h"
#include "book/file_checks.h"
#include "ui/painted_printer.h"
#include "ui/print_service.h"
#include "ui/report_files.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

void say(std::FILE* stream, const QString& text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int failed(int status, const QString& message) {
    say(stderr, QStringLiteral("tavu: ") + message);
    return status;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool out_target(const QString& given, QString& out) {
    out = given;
    if (given.isEmpty()) return true;
    // A link to nothing yet is written through like any other.
    if (QFileInfo(given).exists() && !is_regular_file(given)) {
        failed(kExitNotWritten, QStringLiteral("--out %1 is not a regular file").arg(shown(given)));
        return false;
    }
    out = write_target_of(given);
    return true;
}

int csv_output(const QByteArray& bytes, const QString& report, const QString& out) {
    QString written;
    if (!is_written(write_report_csv(bytes, report, out, QDir::currentPath(), written)))
        return failed(kExitNotWritten, QStringLiteral("the CSV cannot be written: %1")
                                           .arg(shown(out.isEmpty() ? QDir::currentPath() : out)));
    say(stdout, shown(written));
    return kExitDone;
}

int paper_output(const QString& report, bool to_pdf, const QString& out,
                 const std::function<void(Printer&)>& draw) {
    using Target = PaintedPrinter::Target;
    PaintedPrinter printer(report, to_pdf ? Target::Pdf : Target::Printer, QDir::currentPath());
    if (!to_pdf && printer.outcome().printer.isEmpty()) {
        if (const QString why = print_service::missing(); !why.isEmpty())
            return failed(kExitNoPrinter,
                          QStringLiteral("the print service's library libcups cannot be loaded "
                                         "(%1; --pdf writes a PDF)")
                              .arg(why));
        return failed(kExitNoPrinter,
                      QStringLiteral("no printer is installed (--pdf writes a PDF)"));
    }
    if (!out.isEmpty()) printer.write_to(out);
    draw(printer);

    const PrintOutcome outcome = printer.outcome();
    switch (outcome.result) {
    case PrintOutcome::Result::SavedPdf:
        say(stdout, shown(outcome.pdf_path));
        return kExitDone;
    case PrintOutcome::Result::Printed:
        say(stdout, QStringLiteral("sent to the printer %1").arg(outcome.printer));
        return kExitDone;
    case PrintOutcome::Result::Failed:
        break;
    }
    if (to_pdf)
        return failed(kExitNotWritten, QStringLiteral("the PDF cannot be written: %1 (%2)")
                                           .arg(shown(outcome.pdf_path), outcome.detail));
    return failed(kExitPrinterRefused, QStringLiteral("the printer %1 refused the document (%2)")
                                           .arg(outcome.printer, outcome.detail));
}

} // namespace ui
