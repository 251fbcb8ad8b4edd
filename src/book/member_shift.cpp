#include "book/member_shift.h"

#include "book/text_rules.h"

namespace {

bool in_roster(int slot) {
    return slot >= 0 && slot < kMembers;
}

MemberMove staying() {
    MemberMove from;
    for (int i = 0; i < kMembers; ++i) from[i] = i;
    return from;
}

} // namespace

MemberRows::MemberRows(const Book& book)
    : member_name(book.member_name), name_before(book.name_before), mark(book.mark),
      member_kingaku(book.member_kingaku), paid(book.payments.cell) {}

void MemberRows::put(Book& book, int to, int from) const {
    book.member_name[to] = from < 0 ? QString() : member_name[from];
    book.name_before[to] = from < 0 ? QString() : name_before[from];
    for (int j = 0; j < kItems; ++j) {
        book.mark[to][j] = from < 0 ? 0 : mark[from][j];
        book.member_kingaku[to][j] = from < 0 ? 0 : member_kingaku[from][j];
        book.payments.cell[to][j] = from < 0 ? Payment{} : paid[from][j];
    }
}

void move_members(Book& book, const MemberMove& from) {
    const MemberRows old(book);
    for (int i = 0; i < kMembers; ++i)
        if (from[i] != i) old.put(book, i, in_roster(from[i]) ? from[i] : -1);
}

bool last_member_taken(const Book& book) {
    return !is_blank(book.member_name[kMembers - 1]);
}

bool insert_member(Book& book, int slot) {
    if (!in_roster(slot) || last_member_taken(book)) return false;
    MemberMove from = staying();
    for (int i = slot; i < kMembers; ++i) from[i] = i == slot ? -1 : i - 1;
    move_members(book, from);
    return true;
}

bool delete_member(Book& book, int slot) {
    if (!in_roster(slot)) return false;
    MemberMove from = staying();
    for (int i = slot; i < kMembers; ++i) from[i] = i == kMembers - 1 ? -1 : i + 1;
    move_members(book, from);
    return true;
}
