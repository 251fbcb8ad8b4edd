#include "print/reports.h"
#include "app/frmOpen.h"
#include "print/zentai.h"

QString report_name(Report report) {
    return report == Report::Summary ? QStringLiteral("summary") : QStringLiteral("statements");
}

bool report_available(Report report) {
    return report == Report::Summary;
}

void draw_report(Report report, Book& book, ui::Printer& printer) {
    switch (report) {
    case Report::Summary:
        // The splash's small picture, taken without showing the splash.
        print_zentai(book, printer, frmOpen::small_picture().toImage());
        return;
    case Report::Statements:
        printer.end_document();
        return;
    }
}
