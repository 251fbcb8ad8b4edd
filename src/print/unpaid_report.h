#pragma once
// The unpaid list (未収一覧) on paper: A4 portrait, in millimetres, a row per
// member who still owes under the period and the person in charge, the
// titles still open wrapped inside the row, the list's totals after the last
// row; pages continue when the rows do not fit one. The positions are data
// (kUnpaidLayout), so that the page can be checked against them.

#include "book/book.h"
#include "book/unpaid_list.h"
#include "ui/printer.h"

#include <array>

struct UnpaidLayout {
    // The heading: title, period (bold), person in charge, page label.
    double title_x, title_y, title_pt;
    double period_x, period_y, period_pt;
    double organizer_x, organizer_y, organizer_pt;
    double page_x, page_y, page_pt;
    // The table: caption band, then rows of `line` millimetres per text line.
    double head_top, head_bottom, line, body_bottom;
    // Column edges: No, 名前, 未収の項目, 請求, 入金, 残り, right edge.
    std::array<double, 7> column_x;
    double text_dx, text_dy; // a text from its cell's top left corner
    double caption_pt, text_pt, item_pt;
    int item_bytes; // code page 932 bytes of titles on one line
    // The smallest type a long period or person in charge shrinks to before
    // it is cut, so that it never runs into the title or off the page; and
    // that of an amount, small enough for the largest sum a book can hold
    // (an amount is never cut).
    double min_heading_pt, min_amount_pt;
};

inline constexpr UnpaidLayout kUnpaidLayout{
    .title_x = 80,
    .title_y = 10,
    .title_pt = 20,
    .period_x = 15,
    .period_y = 13,
    .period_pt = 14,
    .organizer_x = 120,
    .organizer_y = 22,
    .organizer_pt = 11,
    .page_x = 172,
    .page_y = 13,
    .page_pt = 10,
    .head_top = 30,
    .head_bottom = 37,
    .line = 5,
    .body_bottom = 278,
    .column_x = {15, 26, 62, 129, 151, 173, 195},
    .text_dx = 1.5,
    .text_dy = 1.2,
    .caption_pt = 10,
    .text_pt = 10,
    .item_pt = 9,
    .item_bytes = 38,
    .min_heading_pt = 8,
    .min_amount_pt = 5,
};

// The open titles of a row as lines of at most item_bytes bytes, joined by
// "、", a title never cut; at least one line (it may be empty).
QStringList unpaid_item_lines(const QStringList& items, int max_bytes);

// Draws the list as one document and ends it. A list without rows prints
// its heading and the totals row alone; the commands do not print it.
void print_unpaid(const Book& book, const UnpaidList& list, ui::Printer& printer);
