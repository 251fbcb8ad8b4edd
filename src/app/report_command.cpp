#include "app/report_command.h"
#include "app/csv_export.h"
#include "book/book_source.h"
#include "book/print_rules.h"
#include "periods/periods_command.h"
#include "print/reports.h"
#include "ui/painted_printer.h"
#include "ui/print_service.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>

namespace app {

namespace {

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

int write_csv(const Book& book, const QString& out) {
    QString written;
    if (!is_written(write_csv_file(book, out, QDir::currentPath(), written)))
        return failed(kExitNotWritten, QStringLiteral("the CSV cannot be written: %1")
                                           .arg(shown(out.isEmpty() ? QDir::currentPath() : out)));
    say(stdout, shown(written));
    return kExitDone;
}

int make_report(Book& book, const CommandLine& line, const QString& out) {
    using Target = ui::PaintedPrinter::Target;
    const bool to_pdf = line.output == CommandLine::Output::Pdf;
    ui::PaintedPrinter printer(report_name(line.report), to_pdf ? Target::Pdf : Target::Printer,
                               QDir::currentPath());
    if (!to_pdf && printer.outcome().printer.isEmpty()) {
        if (const QString why = ui::print_service::missing(); !why.isEmpty())
            return failed(kExitNoPrinter,
                          QStringLiteral("the print service's library libcups cannot be loaded "
                                         "(%1; --pdf writes a PDF)")
                              .arg(why));
        return failed(kExitNoPrinter,
                      QStringLiteral("no printer is installed (--pdf writes a PDF)"));
    }
    if (!out.isEmpty()) printer.write_to(out);
    draw_report(line.report, book, printer);

    const ui::PrintOutcome outcome = printer.outcome();
    switch (outcome.result) {
    case ui::PrintOutcome::Result::SavedPdf:
        say(stdout, shown(outcome.pdf_path));
        return kExitDone;
    case ui::PrintOutcome::Result::Printed:
        say(stdout, QStringLiteral("sent to the printer %1").arg(outcome.printer));
        return kExitDone;
    case ui::PrintOutcome::Result::Failed:
        break;
    }
    if (to_pdf)
        return failed(kExitNotWritten, QStringLiteral("the PDF cannot be written: %1 (%2)")
                                           .arg(shown(outcome.pdf_path), outcome.detail));
    return failed(kExitPrinterRefused, QStringLiteral("the printer %1 refused the document (%2)")
                                           .arg(outcome.printer, outcome.detail));
}

} // namespace

void prepare_report_command(const CommandLine& line) {
    if (report_needs_gui(line)) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the command's own one-line message; Qt's notes
    // (a runtime folder not set, and the like) are not the user's business.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) say(stderr, text);
    });
}

bool report_needs_gui(const CommandLine& line) {
    return line.output == CommandLine::Output::Pdf || line.output == CommandLine::Output::Print;
}

int run_report_command(const CommandLine& line) {
    if (!line.folder.isEmpty() && !QDir::setCurrent(line.folder))
        return failed(kExitNoDataFile, QStringLiteral("no such folder: %1").arg(line.folder));
    if (line.periods) return run_periods_command(line);

    const auto book = std::make_unique<Book>(); // large: not on the stack
    BookSource source;
    const ReadResult read = read_book_in_place(*book, source);
    const QString file = shown(QDir::current().absoluteFilePath(source.file));
    switch (read) {
    case ReadResult::Missing:
        return failed(
            kExitNoDataFile,
            QStringLiteral("no data file (allitem.hrm) in %1").arg(shown(QDir::currentPath())));
    case ReadResult::Damaged:
        return failed(kExitDamagedDataFile,
                      QStringLiteral("the data file %1 is damaged").arg(file));
    case ReadResult::NotRegular:
        return failed(kExitDamagedDataFile,
                      QStringLiteral("the data file %1 is not a regular file").arg(file));
    case ReadResult::TooLarge:
        return failed(kExitDamagedDataFile,
                      QStringLiteral("the data file %1 is over 1 MiB: no book").arg(file));
    case ReadResult::Unreadable:
        return failed(kExitDamagedDataFile,
                      QStringLiteral("the data file %1 cannot be read").arg(file));
    case ReadResult::Ok:
        break;
    }
    // Only a regular file is replaced; through a link, the file it leads to.
    QString out = line.out;
    if (!out.isEmpty()) {
        // A link to nothing yet is written through like any other.
        if (QFileInfo(out).exists() && !is_regular_file(out))
            return failed(kExitNotWritten,
                          QStringLiteral("--out %1 is not a regular file").arg(shown(line.out)));
        out = write_target_of(out);
    }
    print_syukei(*book);
    if (line.output == CommandLine::Output::Csv) return write_csv(*book, out);
    return make_report(*book, line, out);
}

} // namespace app
