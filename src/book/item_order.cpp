#include "book/item_order.h"

namespace {

// The per-item tables that move, copied out so the new order is built from
// the old one without reading a half-written table.
struct ItemTables {
    std::array<QString, 21> komoku_name;
    std::array<qint16, 21> komoku_mode, komoku_nin;
    std::array<qint32, 21> komoku_kingaku, komoku_sogaku;
    std::array<std::array<qint16, 21>, 97> mark;
    std::array<std::array<qint32, 21>, 97> member_kingaku;
    std::array<std::array<Payment, 21>, 97> paid;

    explicit ItemTables(const Book& book)
        : komoku_name(book.komoku_name), komoku_mode(book.komoku_mode), komoku_nin(book.komoku_nin),
          komoku_kingaku(book.komoku_kingaku), komoku_sogaku(book.komoku_sogaku), mark(book.mark),
          member_kingaku(book.member_kingaku), paid(book.payments.cell) {}

    // Item slot `to` of the book takes what slot `from` held here; from < 0
    // makes it an empty item.
    void put(Book& book, int to, int from) const {
        for (int i = 0; i < kMembers; ++i) {
            book.mark[i][to] = from < 0 ? 0 : mark[i][from];
            book.member_kingaku[i][to] = from < 0 ? 0 : member_kingaku[i][from];
            book.payments.cell[i][to] = from < 0 ? Payment{} : paid[i][from];
        }
        book.komoku_name[to] = from < 0 ? QString() : komoku_name[from];
        book.komoku_kingaku[to] = from < 0 ? 0 : komoku_kingaku[from];
        book.komoku_sogaku[to] = from < 0 ? 0 : komoku_sogaku[from];
        book.komoku_nin[to] = from < 0 ? 0 : komoku_nin[from];
        book.komoku_mode[to] = from < 0 ? 1 : komoku_mode[from];
    }
};

} // namespace

bool delete_item(Book& book, int slot) {
    if (slot < 0 || slot >= kItems) return false;
    const ItemTables old(book);
    for (int j = slot; j < kItems; ++j) {
        old.put(book, j, j == kItems - 1 ? -1 : j + 1);
        // An item without a title is an empty slot, and empty slots are 割勘.
        if (book.komoku_name[j].isEmpty()) book.komoku_mode[j] = 1;
    }
    return true;
}

bool apply_order(Book& book, const std::vector<int>& new_order) {
    const int n = int(new_order.size());
    if (n > kItems) return false;
    std::array<bool, kItems> seen{};
    for (int from : new_order) {
        if (from < 0 || from >= n || seen[from]) return false;
        seen[from] = true;
    }
    for (int i = 0; i < kItems; ++i) book.sort_order[i] = qint16(i < n ? new_order[i] : i);
    const ItemTables old(book);
    for (int i = 0; i < kItems; ++i) old.put(book, i, book.sort_order[i]);
    book.cur_komoku = 0;
    return true;
}
