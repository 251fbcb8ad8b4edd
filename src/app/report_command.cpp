#include "app/report_command.h"
#include "book/book_source.h"
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "book/unpaid_list.h"
#include "periods/periods_command.h"
#include "print/reports.h"
#include "ui/report_output.h"

#include <QDir>
#include <memory>

namespace app {

using namespace ui;

namespace {

// A report that shows what was paid says on standard error when the
// payments file could not be counted whole: the report still comes, but a
// member it lists as owing may have paid.
void warn_about_payments(const PayRead& read) {
    const QString file = QString::fromLatin1(kPayFile);
    if (read.result == ReadResult::Damaged && read.damaged_lines == 0)
        say(stderr,
            QStringLiteral("tavu: %1 cannot be read: no payment in it is counted").arg(file));
    else if (read.damaged_lines > 0)
        say(stderr, QStringLiteral("tavu: %1 line(s) of %2 cannot be read and are not counted")
                        .arg(read.damaged_lines)
                        .arg(file));
    if (read.set_aside > 0)
        say(stderr, QStringLiteral("tavu: %1 entr(ies) of %2 do not match the book's names and "
                                   "titles and are not counted")
                        .arg(read.set_aside)
                        .arg(file));
}

ReportTarget report_target(const CommandLine& line) {
    switch (line.output) {
    case CommandLine::Output::Pdf:
        return ReportTarget::Pdf;
    case CommandLine::Output::Csv:
        return ReportTarget::Csv;
    case CommandLine::Output::Print:
    case CommandLine::Output::Window:
        break;
    }
    return ReportTarget::Printer;
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
    if (line.periods)
        return periods::run_periods_command(line.from, line.to, report_target(line), line.out);

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
    QString out;
    if (!out_target(line.out, out)) return kExitNotWritten;
    print_syukei(*book);
    if (line.payments ||
        (line.output != CommandLine::Output::Csv && line.report != Report::Summary))
        warn_about_payments(source.payments);
    if (line.output == CommandLine::Output::Csv && line.payments)
        return csv_output(payments_csv_text(*book), QStringLiteral("payments"), out);
    if (line.output == CommandLine::Output::Csv)
        return csv_output(csv_text(*book), QStringLiteral("book"), out);
    // An unpaid list without a row is no list: nothing is written.
    if (line.report == Report::Unpaid && unpaid_list(*book, UnpaidOrder::Roster).rows.empty())
        return failed(kExitNothingOwed,
                      QStringLiteral("nobody owes anything: no unpaid list made"));
    return paper_output(report_name(line.report), line.output == CommandLine::Output::Pdf, out,
                        [&](ui::Printer& printer) { draw_report(line.report, *book, printer); });
}

} // namespace app
