#pragma once
// The printed reports as the menu commands and the command line make them:
// one drawing per report, so paper, PDF and the tests' recorder get the same
// pages.

#include "book/book.h"
#include "ui/printer.h"

#include <QDate>
#include <QString>
#include <vector>

enum class Report {
    Summary,
    Statements,
    Unpaid,    // 未収一覧: who still owes, by roster position
    Receipts,  // 領収書: for what came in
    Reminders, // お支払いのお願い: for who still owes
};

// What part of a report is drawn, and what it says beyond the book.
struct ReportScope {
    int member = -1; // one member's pages only; -1 for everyone
    QDate day;       // receipts: only what came in on this day (invalid: the whole period)
    QDate as_of;     // reminders: the day they speak for
    QString note;    // reminders: the organizer's line
};

// The plain ASCII name that names the print job and the PDF ("summary").
QString report_name(Report report);

// Draws the report of the whole book (or of the scope's member) and ends
// the document; print_syukei has run. Statements are printed for every
// named member.
void draw_report(Report report, Book& book, ui::Printer& printer, const ReportScope& scope = {});

// The members who get a page of a report made one file per member
// (statements, receipts, reminders), in member order.
std::vector<int> report_members(Report report, const Book& book, const ReportScope& scope = {});
