#include "print/per_member_pdf.h"
#include "book/member_files.h"
#include "ui/painted_printer.h"

#include <QDir>

EachOutcome write_each_member(Report report, Book& book, const ReportScope& scope,
                              const QString& folder) {
    EachOutcome outcome;
    if (!QDir().mkpath(folder)) {
        outcome.failed = true;
        outcome.failed_path = folder;
        outcome.detail = QStringLiteral("the folder cannot be made");
        return outcome;
    }
    ReportScope one = scope;
    for (const int m : report_members(report, book, scope)) {
        const QString path =
            free_file_path(folder, member_file_name(m, book.member_name[m], QStringLiteral("pdf")));
        ui::PaintedPrinter printer(report_name(report), ui::PaintedPrinter::Target::Pdf, folder);
        printer.write_to(path);
        one.member = m;
        draw_report(report, book, printer, one);
        const ui::PrintOutcome done = printer.outcome();
        if (done.result != ui::PrintOutcome::Result::SavedPdf) {
            outcome.failed = true;
            outcome.failed_path = path;
            outcome.detail = done.detail;
            return outcome;
        }
        outcome.written << path;
    }
    return outcome;
}
