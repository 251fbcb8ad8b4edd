#pragma once
// Receipts (領収書) on paper: four to an A4 portrait page, one below the
// other, with dashed lines to cut them apart where the statements have
// theirs. Each receipt: the period, the title, the day received, the
// member's name and 様, the amount (¥12,300－) in a box, 但し and the items,
// 上記正に領収いたしました, the person in charge and a box for the seal.
// The positions are data (kReceiptLayout), in millimetres, those inside a
// receipt from its frame's top left corner.

#include "book/book.h"
#include "book/receipts.h"
#include "print/slip_pages.h"

#include <array>
#include <vector>

struct ReceiptLayout {
    SlipFrame frame;
    std::array<double, 4> top;   // the frame's top on the page, per slot
    std::array<double, 3> cut_y; // the dashed lines between the slots
    double amount_box_dx1, amount_box_dy1, amount_box_dx2, amount_box_dy2;
    double amount_label_dx, amount_label_dy, amount_label_pt;
    double amount_dx, amount_dy, amount_pt, min_amount_pt;
    double items_dx, items_dy, items_pt;
    int items_bytes; // the titles after 但し, in code page 932 bytes
    double thanks_dx, thanks_dy, thanks_pt;
    double person_dx, person_dy, person_pt, person_width, min_person_pt;
    double seal_dx1, seal_dy1, seal_dx2, seal_dy2, seal_text_dx, seal_text_dy, seal_pt;
};

inline constexpr ReceiptLayout kReceiptLayout{
    .frame = {.left = 15,
              .width = 176,
              .height = 58,
              .cut_left = 15,
              .cut_right = 191,
              .period_dx = 4,
              .period_dy = 3,
              .period_pt = 9,
              .title_dx = 68,
              .title_dy = 3,
              .title_pt = 20,
              .day_dx = 128,
              .day_dy = 5,
              .day_pt = 10,
              .name_dx = 8,
              .name_dy = 15,
              .name_pt = 14,
              .honorific_dx = 80,
              .name_line_dy = 22,
              .name_line_end = 90},
    .top = {6, 74, 142, 210},
    .cut_y = {70, 138, 206},
    .amount_box_dx1 = 8,
    .amount_box_dy1 = 26,
    .amount_box_dx2 = 110,
    .amount_box_dy2 = 37,
    .amount_label_dx = 11,
    .amount_label_dy = 29,
    .amount_label_pt = 10,
    .amount_dx = 28,
    .amount_dy = 27.5,
    .amount_pt = 18,
    .min_amount_pt = 10,
    .items_dx = 8,
    .items_dy = 40,
    .items_pt = 10,
    .items_bytes = 64,
    .thanks_dx = 8,
    .thanks_dy = 48,
    .thanks_pt = 10,
    .person_dx = 112,
    .person_dy = 48,
    .person_pt = 10,
    .person_width = 42,
    .min_person_pt = 6,
    .seal_dx1 = 158,
    .seal_dy1 = 43,
    .seal_dx2 = 170,
    .seal_dy2 = 55,
    .seal_text_dx = 162.2,
    .seal_text_dy = 47.2,
    .seal_pt = 9,
};

// Draws the receipts as one document and ends it; an empty list gives a
// document of its opening empty line alone (the commands do not print it).
void print_receipts(const Book& book, const std::vector<Receipt>& list, ui::Printer& printer);
