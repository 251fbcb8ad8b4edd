#include "periods/periods_command.h"

#include "book/book_source.h"
#include "book/past_periods.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "book/work_files.h"
#include "book/year_totals.h"
#include "periods/year_report.h"
#include "ui/painted_printer.h"
#include "ui/report_files.h"

#include <QDir>
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

int write_csv(const QByteArray& bytes, const QString& out) {
    QString written = out;
    WriteResult result = WriteResult::Failed;
    if (!out.isEmpty()) {
        result = write_file_atomically(out, bytes);
    } else {
        const QString stamp = ui::report_stamp();
        result = write_new_file(
            [&](int n) {
                return ui::report_file_path(QDir::currentPath(), QStringLiteral("periods"), stamp,
                                            n, QStringLiteral("csv"));
            },
            bytes, written);
    }
    if (result != WriteResult::Ok)
        return failed(kExitNotWritten, QStringLiteral("the CSV cannot be written: %1")
                                           .arg(shown(out.isEmpty() ? QDir::currentPath() : out)));
    say(stdout, shown(written));
    return kExitDone;
}

int write_report(const YearTotals& totals, const QString& heading, const CommandLine& line) {
    using Target = ui::PaintedPrinter::Target;
    const bool to_pdf = line.output == CommandLine::Output::Pdf;
    ui::PaintedPrinter printer(QStringLiteral("periods"), to_pdf ? Target::Pdf : Target::Printer,
                               QDir::currentPath());
    if (!to_pdf && printer.outcome().printer.isEmpty())
        return failed(kExitNoPrinter,
                      QStringLiteral("no printer is installed (--pdf writes a PDF)"));
    if (!line.out.isEmpty()) printer.write_to(line.out);
    draw_year_report(totals, heading, printer);
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

int run_periods_command(const CommandLine& line) {
    QString unknown;
    const std::vector<PastPeriod> range =
        periods_between(list_past_periods(QDir::currentPath()), line.from, line.to, unknown);
    if (!unknown.isEmpty())
        return failed(
            kExitWrongArgument,
            QStringLiteral("no past period %1 in %2").arg(unknown, shown(QDir::currentPath())));

    PeriodBooks read = read_period_books(range);
    for (const QString& folder : read.left_out)
        say(stderr, QStringLiteral("tavu: %1 cannot be read and is left out").arg(folder));
    // The current period closes the range unless it ends at an archive.
    if (line.to.isEmpty()) {
        auto book = std::make_unique<Book>();
        BookSource source;
        switch (read_book_in_place(*book, source)) {
        case ReadResult::Damaged:
        case ReadResult::NotRegular:
        case ReadResult::TooLarge:
        case ReadResult::Unreadable:
            return failed(kExitDamagedDataFile,
                          QStringLiteral("the data file %1 cannot be read as a book")
                              .arg(shown(QDir::current().absoluteFilePath(source.file))));
        case ReadResult::Ok:
            print_syukei(*book);
            read.add_current(std::move(book));
            break;
        case ReadResult::Missing:
            break;
        }
    }
    const std::vector<PeriodCharges>& periods = read.periods;
    if (periods.empty())
        return failed(kExitNoDataFile,
                      QStringLiteral("no period to total in %1").arg(shown(QDir::currentPath())));

    const YearTotals totals = year_totals(periods);
    if (line.output == CommandLine::Output::Csv)
        return write_csv(year_totals_csv(totals), line.out);
    const QString heading =
        periods.size() == 1 ? periods.front().label
                            : periods.front().label + QStringLiteral(" ～ ") + periods.back().label;
    return write_report(totals, heading, line);
}

} // namespace app
