#pragma once
// The overall summary table: members against items, 24 members and 10 items
// to an A4 landscape page, pages without charges left out. Drawn in
// millimetres on the printer interface; print_syukei has run before.

#include "book/book.h"
#include "ui/printer.h"

// Prepares the item headings and prints every page with charges as one
// document, which it ends.
void print_zentai(Book& book, ui::Printer& printer, const QImage& picture);

// Draws page p (1..8) on the current page; does not end it.
void zentai_page(const Book& book, ui::Printer& printer, int page, const QImage& picture);
