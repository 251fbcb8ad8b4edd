#pragma once
// Placing the names of a roster file into the book. Members the file names
// (matched by their exact name) keep their row and everything on it; new
// names fill the empty rows from the top; members the file does not name are
// listed and stay. The placement is a move of member slots (member_shift.h),
// so whatever travels with a member travels here too.

#include "book/book.h"
#include "book/member_shift.h"
#include "book/roster_import.h"

#include <vector>

struct RosterPlacement {
    MemberMove from;            // kept and untouched rows stay; filled rows start empty
    std::vector<int> filled;    // slots that get a new name, top to bottom
    std::vector<QString> names; // the new name of each filled slot
    std::vector<int> missing;   // slots of members the file does not name
};

// Sets each line's slot, kept and kRosterNoRoom, and returns the placement.
RosterPlacement place_roster(const Book& book, std::vector<RosterLine>& lines);

// What an undo needs: the rows as they were before the names went in, and
// the names put there.
struct RosterUndo {
    MemberRows rows;
    std::vector<int> filled;
    std::vector<QString> names;
    // Payments found on rows the names filled, moved to the entries set
    // aside (they stay there after an undo): how many rows, how much.
    int set_aside_rows = 0;
    qint64 set_aside = 0;
};

// Puts the names in; hands back how to take them out again. Payments on a
// row that gets a new name are set aside first.
RosterUndo apply_roster(Book& book, const RosterPlacement& placement);
// True while every row the placement filled still holds the name put there.
bool roster_names_unchanged(const Book& book, const RosterUndo& undo);
// How many filled rows took marks, amounts or payments since the names went
// in: an undo takes those away with the names.
int roster_rows_in_use(const Book& book, const RosterUndo& undo);
// Puts the rows the placement filled back as they were. Refused (false, book
// unchanged) when a filled row no longer holds the name put there: the roster
// has been edited since, and the rows would be another person's.
bool undo_roster(Book& book, const RosterUndo& undo);

// Names pasted into name editing at `first` (0-based) and down, over what the
// rows hold: each taken line takes the next row. A name that stands in
// another row is a duplicate; past the last row there is no room. Sets the
// lines' slots and flags and returns the names of the rows.
std::array<QString, kMembers> place_pasted(const std::array<QString, kMembers>& names, int first,
                                           std::vector<RosterLine>& lines);
