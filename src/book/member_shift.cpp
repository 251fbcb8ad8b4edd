#include "book/member_shift.h"

#include "book/text_rules.h"

namespace {

// The per-member tables that move, copied out so the new order is built from
// the old one without reading a half-written table.
struct MemberTables {
    std::array<QString, 97> member_name, name_before;
    std::array<std::array<qint16, 21>, 97> mark;
    std::array<std::array<qint32, 21>, 97> member_kingaku;
    std::array<std::array<Payment, 21>, 97> paid;

    explicit MemberTables(const Book& book)
        : member_name(book.member_name), name_before(book.name_before), mark(book.mark),
          member_kingaku(book.member_kingaku), paid(book.payments.cell) {}

    // Slot `to` of the book takes what slot `from` held here; from < 0 empties it.
    void put(Book& book, int to, int from) const {
        book.member_name[to] = from < 0 ? QString() : member_name[from];
        book.name_before[to] = from < 0 ? QString() : name_before[from];
        for (int j = 0; j < kItems; ++j) {
            book.mark[to][j] = from < 0 ? 0 : mark[from][j];
            book.member_kingaku[to][j] = from < 0 ? 0 : member_kingaku[from][j];
            book.payments.cell[to][j] = from < 0 ? Payment{} : paid[from][j];
        }
    }
};

bool in_roster(int slot) {
    return slot >= 0 && slot < kMembers;
}

} // namespace

bool last_member_taken(const Book& book) {
    return !is_blank(book.member_name[kMembers - 1]);
}

bool insert_member(Book& book, int slot) {
    if (!in_roster(slot) || last_member_taken(book)) return false;
    const MemberTables old(book);
    for (int i = slot; i < kMembers; ++i) old.put(book, i, i == slot ? -1 : i - 1);
    return true;
}

bool delete_member(Book& book, int slot) {
    if (!in_roster(slot)) return false;
    const MemberTables old(book);
    for (int i = slot; i < kMembers; ++i) old.put(book, i, i == kMembers - 1 ? -1 : i + 1);
    return true;
}
