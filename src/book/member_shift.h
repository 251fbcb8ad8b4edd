#pragma once
// Moving members between slots. A member's earlier name, marks, amounts and
// payments in every item travel with the member, so the finish of name
// editing compares each person with their own earlier name and nobody counts
// as changed because of a shift. Slot 96, item slot 20 and the other
// per-member tables stay where they are.

#include "book/book.h"

#include <array>

// For each slot 0..95 the slot whose member it takes, or -1 for an empty
// slot without marks, amounts or payments.
using MemberMove = std::array<int, kMembers>;

// The per-member tables that move, copied out so that a new order is built
// from the old one without reading a half-written table.
struct MemberRows {
    std::array<QString, 97> member_name, name_before;
    std::array<std::array<qint16, 21>, 97> mark;
    std::array<std::array<qint32, 21>, 97> member_kingaku;
    std::array<std::array<Payment, 21>, 97> paid;

    explicit MemberRows(const Book& book);
    // Slot `to` of the book takes what slot `from` held here; from < 0 empties it.
    void put(Book& book, int to, int from) const;
};

// Every slot i takes what slot from[i] held (the one routine every
// rearrangement of the roster goes through). Entries outside -1..95 empty
// the slot.
void move_members(Book& book, const MemberMove& from);

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
