#include "book/meisai_rules.h"
#include "book/print_rules.h"

KomokuList komoku_list(const Book& book) {
    KomokuList lists;
    for (int m = 0; m < kMembers; ++m) {
        lists[m].fill(kListEnd);
        int at = 0;
        for (int k = 0; k < kItems; ++k)
            if (book.print_charge[m][k] != 0) lists[m][at++] = qint16(k);
    }
    return lists;
}

std::array<QString, kMembers> total_text(const Book& book) {
    std::array<QString, kMembers> texts;
    for (int m = 0; m < kMembers; ++m) texts[m] = kingaku_text(book.print_total[m]);
    return texts;
}

SlotCorner meisai_slot_corner(int slot) {
    const int column = (slot - 1) % 2, row = (slot - 1) / 2;
    return {15 + 95 * column, 14 + 68 * row};
}

double meisai_amount_x(double x, qint64 amount) {
    const double at = x + 3402; // 60 mm
    if (amount >= 10000) return at - 30;
    if (amount < 1000) return at + 20;
    return at;
}
