#include "print/reports.h"
#include "book/text_rules.h"
#include "print/meisai.h"
#include "print/receipt_report.h"
#include "print/reminder_report.h"
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
        return QStringLiteral("unpaid");
    case Report::Receipts:
        return QStringLiteral("receipts");
    case Report::Reminders:
        break;
    }
    return QStringLiteral("reminders");
}

void draw_report(Report report, Book& book, ui::Printer& printer, const ReportScope& scope) {
    switch (report) {
    case Report::Summary:
        // The splash's small picture, taken without showing the splash.
        print_zentai(book, printer, ui::small_picture().toImage());
        return;
    case Report::Statements:
        // Every member, as 個別印刷 prints them; members without a name are
        // left out by the statements themselves.
        for (int m = 0; m < kMembers; ++m)
            book.print_mark[m] = scope.member < 0 || scope.member == m ? 1 : 0;
        print_meisai(book, printer);
        return;
    case Report::Unpaid:
        print_unpaid(book, unpaid_list(book, UnpaidOrder::Roster), printer);
        return;
    case Report::Receipts:
        print_receipts(book, receipts(book, scope.day, scope.member), printer);
        return;
    case Report::Reminders:
        print_reminders(book, reminders(book, scope.member), scope.as_of, scope.note, printer);
        return;
    }
}

std::vector<int> report_members(Report report, const Book& book, const ReportScope& scope) {
    std::vector<int> members;
    switch (report) {
    case Report::Statements:
        for (int m = 0; m < kMembers; ++m)
            if (!is_blank(book.member_name[m])) members.push_back(m);
        break;
    case Report::Receipts:
        for (const Receipt& r : receipts(book, scope.day)) members.push_back(r.member);
        break;
    case Report::Reminders:
        for (const Reminder& r : reminders(book)) members.push_back(r.member);
        break;
    case Report::Summary:
    case Report::Unpaid:
        break;
    }
    return members;
}
