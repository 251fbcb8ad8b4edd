#pragma once
// Reminder slips (お支払いのお願い) on paper: three to an A4 portrait page,
// one below the other, with dashed lines to cut them apart. Each slip: the
// period, the title, "M月D日 現在", the member's name and 様, the person in
// charge, a sentence asking for payment, the open items (up to ten a column,
// two columns) with what remains of each, the total, the organizer's own
// line on how and by when to pay, and a sentence excusing a payment that
// crossed the slip. The positions are data (kReminderLayout), in
// millimetres, those inside a slip from its frame's top left corner.

#include "book/book.h"
#include "book/reminders.h"
#include "print/slip_pages.h"

#include <QDate>
#include <array>
#include <vector>

struct ReminderLayout {
    SlipFrame frame;
    std::array<double, 3> top;   // the frame's top on the page, per slot
    std::array<double, 2> cut_y; // the dashed lines between the slots
    double person_dx, person_dy, person_pt, person_width;
    double intro_dx, intro_dy, intro_pt;
    // The open items: rows of `row` mm from rows_dy, `rows` a column.
    std::array<double, 2> column_dx;
    double rows_dy, row, item_pt, amount_right; // amounts end at amount_right from their column
    int rows;
    double total_line_dy, total_dx, total_dy, total_pt, total_amount_right;
    double set_off_dx, set_off_pt;
    double note_dx, note_dy, note_pt, note_width;
    double excuse_dx, excuse_dy, excuse_pt;
    double min_pt; // the smallest type a long text shrinks to
};

inline constexpr ReminderLayout kReminderLayout{
    .frame = {.left = 15,
              .width = 176,
              .height = 86,
              .cut_left = 15,
              .cut_right = 191,
              .period_dx = 4,
              .period_dy = 3,
              .period_pt = 9,
              .title_dx = 58,
              .title_dy = 3,
              .title_pt = 16,
              .day_dx = 140,
              .day_dy = 4,
              .day_pt = 10,
              .name_dx = 8,
              .name_dy = 12,
              .name_pt = 13,
              .honorific_dx = 60,
              .name_line_dy = 18.5,
              .name_line_end = 70},
    .top = {3, 95, 187},
    .cut_y = {92, 184},
    .person_dx = 112,
    .person_dy = 14,
    .person_pt = 10,
    .person_width = 58,
    .intro_dx = 8,
    .intro_dy = 21,
    .intro_pt = 9,
    .column_dx = {10, 94},
    .rows_dy = 27,
    .row = 4,
    .item_pt = 9,
    .amount_right = 70,
    .rows = 10,
    .total_line_dy = 68,
    .total_dx = 10,
    .total_dy = 69.5,
    .total_pt = 11,
    .total_amount_right = 70,
    .set_off_dx = 94,
    .set_off_pt = 8,
    .note_dx = 8,
    .note_dy = 75.5,
    .note_pt = 9,
    .note_width = 164,
    .excuse_dx = 8,
    .excuse_dy = 80.5,
    .excuse_pt = 8,
    .min_pt = 6,
};

// Draws the slips as one document and ends it; `as_of` is the day the slips
// speak for, `note` the organizer's line (left out when empty). An empty
// list gives a document of its opening empty line alone.
void print_reminders(const Book& book, const std::vector<Reminder>& list, const QDate& as_of,
                     const QString& note, ui::Printer& printer);

// What remains of an item on a slip: "3,000円".
QString reminder_amount_text(qint64 amount);

// Where an amount's text starts so that it ends at `right` (millimetres):
// its width reckoned from the print font's digits (0.485 of the type's
// height), commas (0.275) and other characters (1), so that the amounts of
// a column line up at their ends.
double amount_start(const QString& text, double points, double right);
