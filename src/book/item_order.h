#pragma once
// Moving items within the 20 item slots: closing the gap of a deleted item
// and putting the items into a new order. An item's title, mode, the three
// split values and every member's mark, amount and payment travel together, so a
// member's data never ends up under another item. Item slot 20, member slot
// 96 and the print work tables stay where they are.

#include "book/book.h"

#include <vector>

// Removes item `slot`: items slot+1..19 move forward by one and slot 19
// becomes an empty item (no title, 割勘, nothing marked, no amounts). An item
// that moves without a title becomes 割勘, whatever mode it held. Refused
// (false, book unchanged) outside 0..19. Leaves cur_komoku and hozon_flag
// to the caller.
bool delete_item(Book& book, int slot);

// Puts the items into a new order: position i takes the item of slot
// new_order[i]; slots from new_order.size() on keep their content.
// sort_order records the order used and cur_komoku goes back to the first
// item. Refused (false, book unchanged) unless new_order holds each of the
// slots 0..n-1 exactly once, n at most 20: any other list would lose an item
// or copy one over another.
bool apply_order(Book& book, const std::vector<int>& new_order);
