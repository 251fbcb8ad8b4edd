#pragma once
// Opening and closing a gap in the roster. A member's earlier name, marks and
// amounts and payments in every item travel with the member, so the finish of name editing
// compares each person with their own earlier name and nobody counts as
// changed because of a shift. Slot 96, item slot 20 and the other per-member
// tables stay where they are.

#include "book/book.h"

// True when member slot 95 (number 96) holds a name: an insert would push
// that member out of the roster.
bool last_member_taken(const Book& book);

// Moves members slot..94 down by one and leaves `slot` empty with no marks or
// amounts. Refused (false, book unchanged) when the slot is outside 0..95 or
// the last slot holds a name.
bool insert_member(Book& book, int slot);

// Removes the member at `slot`, moves members slot+1..95 up by one and
// empties slot 95. Refused (false, book unchanged) outside 0..95.
bool delete_member(Book& book, int slot);
