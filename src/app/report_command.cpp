#include "app/report_command.h"
#include "book/book_source.h"
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "book/receipts.h"
#include "book/reminders.h"
#include "book/unpaid_list.h"
#include "periods/periods_command.h"
#include "print/per_member_pdf.h"
#include "print/reports.h"
#include "ui/reminder_note.h"
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

// The receipts' day; the reminders' day (today) and the organizer's line as
// the window keeps it (none before it was ever set).
ReportScope report_scope(const CommandLine& line) {
    ReportScope scope;
    scope.day = line.day;
    if (line.report != Report::Reminders) return scope;
    scope.as_of = QDate::currentDate();
    scope.note = ui::reminder_note().value_or(QString());
    return scope;
}

// Slips made without the organizer's line say so once they are made (a
// failure stays one line).
int noted(int status, const CommandLine& line) {
    if (status == kExitDone && line.report == Report::Reminders && !ui::reminder_note())
        say(stderr, QStringLiteral("tavu: no line on how to pay is kept yet (the window asks for "
                                   "it at the first reminders): the slips went without it"));
    return status;
}

// One PDF per member: the path of each file written on standard output.
int each_output(Report report, Book& book, const ReportScope& scope, const QString& folder) {
    const EachOutcome outcome = write_each_member(report, book, scope, folder);
    for (const QString& path : outcome.written) say(stdout, shown(path));
    if (outcome.failed)
        return failed(kExitNotWritten, QStringLiteral("the PDF cannot be written: %1 (%2)")
                                           .arg(shown(outcome.failed_path), outcome.detail));
    return kExitDone;
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
    if (line.report == Report::Reminders && reminders(*book).empty())
        return failed(kExitNothingOwed, QStringLiteral("nobody owes anything: no reminders made"));
    if (line.report == Report::Receipts && receipts(*book, line.day).empty())
        return failed(kExitNothingOwed,
                      line.day.isValid()
                          ? QStringLiteral("nobody paid anything on %1: no receipts made")
                                .arg(line.day.toString(Qt::ISODate))
                          : QStringLiteral("nobody paid anything: no receipts made"));
    const ReportScope scope = report_scope(line);
    if (!line.each.isEmpty()) return noted(each_output(line.report, *book, scope, line.each), line);
    return noted(paper_output(report_name(line.report), line.output == CommandLine::Output::Pdf,
                              out,
                              [&](ui::Printer& printer) {
                                  draw_report(line.report, *book, printer, scope);
                              }),
                 line);
}

} // namespace app
