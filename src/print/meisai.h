#pragma once
// The member statements: eight to an A4 portrait page, in two columns and
// four rows, with dashed cut lines between them; a member charged for more
// than ten items gets a "No1" and a "No2". Frames, headers and cut lines are
// drawn in millimetres, the item lines in twips. A member with a payment
// recorded gets one more line under the footer: received and remaining.
// print_syukei has run before; nothing of the book changes here.
//
// print_kobetu (every member) and frmSelectPrint (the chosen ones) print
// through frmTavu::print_meisai, which frames this in a print run.

#include "book/book.h"
#include "ui/printer.h"

// The statements of every member with a name and print_mark 1, in member
// order, as one document, which it ends. A document without a statement
// holds only its opening empty line. For every member's statements set
// print_mark 0..95 to 1 first, as 個別印刷 does.
void print_meisai(const Book& book, ui::Printer& printer);

// One statement's frame, header (period, name, "様", "No1" / "No2" when
// meisai_no is 1 / 2) and footer ("tavu", the person in charge) in slot
// 1..8; starts in millimetres and leaves the unit at twips.
void meisai_waku(const Book& book, ui::Printer& printer, int slot, int meisai_no, int member);
