#pragma once
// What the main window says about the payments record: a payments file that
// could not be read whole, a save that could not write it, and the
// questions before a deletion takes payments with it.

#include "book/book.h"
#include "book/payments_file.h"

namespace payments {

// Tells the user when the payments file was damaged or held entries that
// did not match the book; says nothing otherwise. A read-only window will
// never rewrite the file, and says so instead of promising a save.
void report_read(const PayRead& read, bool read_only = false);
// The book was saved but "allitem.pay" did not take its new contents:
// they wait under a temporary name, or (`unread_in_the_way`) a file not read
// whole could not be moved aside and was left as it was.
void report_write_failure(bool unread_in_the_way = false);
// A payments file not read whole was moved aside as `name` by a save.
void report_moved_aside(const QString& name);
// True when item k has no payments, or the user agrees to lose them.
bool confirm_item_delete(const Book& book, int k);
// True when member m has no payments, or the user agrees to lose them.
bool confirm_member_delete(const Book& book, int m);

// Payments of rows that now stand for another person (a name changed or
// filled in) were set aside: says how many rows and how much.
void report_renamed_payments(int rows, qint64 amount);

} // namespace payments
