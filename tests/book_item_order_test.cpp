#include "book/item_order.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Items 0..titled-1 are "t<j>"; every slot 0..20 and member 0..96 holds
// data of its own, amounts above 32767, so any mix-up shows.
Book item_book(int titled) {
    Book b;
    for (int j = 0; j <= kItems; ++j) {
        if (j < titled) b.komoku_name[j] = QStringLiteral("t%1").arg(j);
        b.komoku_mode[j] = qint16(j % 2);
        b.komoku_kingaku[j] = 70000 + j;
        b.komoku_nin[j] = qint16(j + 1);
        b.komoku_sogaku[j] = 100000 + j;
        for (int i = 0; i <= kMembers; ++i) {
            b.mark[i][j] = qint16((i + j) % 3 == 0);
            b.member_kingaku[i][j] = 40000 + i * 100 + j;
        }
    }
    return b;
}

// Item slot j of `after` holds what slot `from` held in `before` (-1: an
// empty item) with the given mode; item slot 20 and member 96 never move.
void expect_item(const Book& after, int j, const Book& before, int from, int mode) {
    SCOPED_TRACE(testing::Message() << "slot " << j << " from " << from);
    const bool empty = from < 0;
    EXPECT_EQ(after.komoku_name[j], empty ? QString() : before.komoku_name[from]);
    EXPECT_EQ(after.komoku_mode[j], mode);
    EXPECT_EQ(after.komoku_kingaku[j], empty ? 0 : before.komoku_kingaku[from]);
    EXPECT_EQ(after.komoku_nin[j], empty ? 0 : before.komoku_nin[from]);
    EXPECT_EQ(after.komoku_sogaku[j], empty ? 0 : before.komoku_sogaku[from]);
    for (int i = 0; i < kMembers; ++i) {
        ASSERT_EQ(after.mark[i][j], empty ? 0 : before.mark[i][from]) << "member " << i;
        ASSERT_EQ(after.member_kingaku[i][j], empty ? 0 : before.member_kingaku[i][from])
            << "member " << i;
    }
    EXPECT_EQ(after.member_kingaku[96], before.member_kingaku[96]);
    EXPECT_EQ(after.komoku_kingaku[20], before.komoku_kingaku[20]);
}

} // namespace

TEST(ItemOrder, DeleteClosesTheGapAndEmptiesTheLastSlot) {
    struct Case {
        int titled, slot;
    };
    // The first of three; the last of twenty; a slot whose next slot has no
    // title (its mode 0 must not come along); the middle; an empty slot.
    for (const Case c : {Case{3, 0}, Case{20, 19}, Case{4, 3}, Case{20, 7}, Case{0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.titled << " items, delete " << c.slot);
        const Book before = item_book(c.titled);
        Book after = before;
        ASSERT_TRUE(delete_item(after, c.slot));
        for (int j = 0; j < kItems; ++j) {
            const int from = j < c.slot ? j : j == kItems - 1 ? -1 : j + 1;
            const bool titled = from >= 0 && !before.komoku_name[from].isEmpty();
            const int mode = j < c.slot ? before.komoku_mode[j]
                             : titled   ? before.komoku_mode[from]
                                        : 1;
            expect_item(after, j, before, from, mode);
        }
    }
    Book b = item_book(5);
    EXPECT_FALSE(delete_item(b, -1));
    EXPECT_FALSE(delete_item(b, 20));
    EXPECT_EQ(b.komoku_name, item_book(5).komoku_name);
}

TEST(ItemOrder, ApplyOrderMovesEveryItemWithItsDataAndKeepsUnlistedSlots) {
    struct Case {
        const char* what;
        int titled;
        std::vector<int> order;
        std::function<void(Book&)> adjust;
        bool applied = true;
    };
    const auto equal_titles = [](Book& b) {
        b.komoku_name[0] = b.komoku_name[1] = QStringLiteral("会費");
    };
    const auto gap = [](Book& b) { b.komoku_name[4] = QStringLiteral("behind the gap"); };
    const Case cases[] = {
        {"third, first, second", 3, {2, 0, 1}, nullptr},
        {"equal titles", 3, {1, 2, 0}, equal_titles},
        {"gap after slot 2", 3, {1, 2, 0}, gap},
        {"present order", 4, {0, 1, 2, 3}, nullptr},
        {"an item twice", 3, {0, 0, 1}, nullptr, false},
        {"a slot not listed", 3, {0, 3}, nullptr, false},
        {"more than twenty", 20, std::vector<int>(21, 0), nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Book before = item_book(c.titled);
        if (c.adjust) c.adjust(before);
        before.cur_komoku = 2;
        Book after = before;
        ASSERT_EQ(apply_order(after, c.order), c.applied);
        for (int j = 0; j < kItems; ++j) {
            const int from = c.applied && j < int(c.order.size()) ? c.order[j] : j;
            expect_item(after, j, before, from, before.komoku_mode[from]);
            if (c.applied) {
                EXPECT_EQ(after.sort_order[j], from);
            }
        }
        EXPECT_EQ(after.cur_komoku, c.applied ? 0 : 2);
    }
}
