#pragma once
// 年間集計 on paper: the year's totals as an A4 landscape table, a row per
// member and a column per period, with the member totals in the last column
// and the period totals in the last row. A table too wide or too long for a
// page goes on across pages as the summary table does: rows of 26, columns
// of 12 periods, the pages of a band of rows side by side. In a period that
// kept payments, and in the totals column when any did, a cell shows below
// the charge what was still owed ("残" and the amount) or "済".

#include "book/year_totals.h"
#include "ui/printer.h"

// Pages the table takes: bands of rows times bands of columns.
int year_report_pages(const YearTotals& totals);

// Draws the table under `heading` (the range of periods) and ends the document.
void draw_year_report(const YearTotals& totals, const QString& heading, ui::Printer& printer);
