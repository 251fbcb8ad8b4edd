#pragma once
// The printed reports as the menu commands and the command line make them:
// one drawing per report, so paper, PDF and the tests' recorder get the same
// pages.

#include "book/book.h"
#include "ui/printer.h"

#include <QString>

enum class Report {
    Summary,
    Statements,
    Unpaid, // 未収一覧: who still owes, by roster position
};

// The plain ASCII name that names the print job and the PDF ("summary").
QString report_name(Report report);

// Draws the report of the whole book and ends the document; print_syukei
// has run. Statements are printed for every named member.
void draw_report(Report report, Book& book, ui::Printer& printer);
