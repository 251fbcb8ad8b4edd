#pragma once
// Pure rules of the member statements: which items a member's statements
// list, how their totals read, where a statement stands on its page and
// where an amount starts on its line.

#include "book/book.h"

#include <QString>
#include <array>

// Closes a member's item list: no further item.
inline constexpr qint16 kListEnd = 100;
// Statements on one page, and item lines on one statement.
inline constexpr int kSlots = 8;
inline constexpr int kStatementItems = 10;
// Millimetres to twips as the statements convert them (56.7, not 56.69).
inline constexpr double kTwipsPerMm = 56.7;

// Per member 0..95 the items 0..19 it is charged for (print_charge not 0),
// in item order, the rest of its positions kListEnd. A member needs two
// statements exactly when position kStatementItems is taken.
using KomokuList = std::array<std::array<qint16, kItems>, kMembers>;
KomokuList komoku_list(const Book& book);

// Per member 0..95 its print_total as a statement prints it: kingaku_text
// (padded to 10 characters, a longer grouped text as it is, "" for 0).
std::array<QString, kMembers> total_text(const Book& book);

// The top left corner of the frame of slot 1..8, in millimetres: slots fill
// two columns left to right, then four rows top to bottom.
struct SlotCorner {
    int x, y;
};
SlotCorner meisai_slot_corner(int slot);

// Where an amount's text starts on an item line that starts at x (twips):
// 60 mm on, 30 twips further left from 10000, 20 further right below 1000
// (negative amounts included), so the digits roughly line up.
double meisai_amount_x(double x, qint64 amount);
