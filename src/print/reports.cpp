#include "print/reports.h"
#include "print/meisai.h"
#include "print/unpaid_report.h"
#include "print/zentai.h"
#include "ui/pictures.h"

QString report_name(Report report) {
    switch (report) {
    case Report::Summary:
        return QStringLiteral("summary");
    case Report::Statements:
        return QStringLiteral("statements");
    case Report::Unpaid:
        break;
    }
    return QStringLiteral("unpaid");
}

void draw_report(Report report, Book& book, ui::Printer& printer) {
    switch (report) {
    case Report::Summary:
        // The splash's small picture, taken without showing the splash.
        print_zentai(book, printer, ui::small_picture().toImage());
        return;
    case Report::Statements:
        // Every member, as 個別印刷 prints them; members without a name are
        // left out by the statements themselves.
        for (int m = 0; m < kMembers; ++m) book.print_mark[m] = 1;
        print_meisai(book, printer);
        return;
    case Report::Unpaid:
        print_unpaid(book, unpaid_list(book, UnpaidOrder::Roster), printer);
        return;
    }
}
