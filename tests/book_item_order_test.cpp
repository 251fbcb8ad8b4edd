#include "book/item_order.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Items 0..titled-1 are "t<j>"; every slot 0..20 holds data of its own, the
// amounts above 32767, so any mix-up shows. Member slot 96 carries values
// that nothing may move.
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
    b.print_komoku_name[1] = QStringLiteral("work");
    return b;
}

// Item slot j of `after` holds what slot `from` held in `before` (-1: an
// empty item), with the given mode.
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
}

// What no item move touches: item slot 20, member slot 96, the work tables.
void expect_spares_kept(const Book& after, const Book& before) {
    EXPECT_EQ(after.komoku_name[20], before.komoku_name[20]);
    EXPECT_EQ(after.komoku_kingaku[20], before.komoku_kingaku[20]);
    for (int i = 0; i <= kMembers; ++i) EXPECT_EQ(after.mark[i][20], before.mark[i][20]);
    EXPECT_EQ(after.mark[96], before.mark[96]);
    EXPECT_EQ(after.member_kingaku[96], before.member_kingaku[96]);
    EXPECT_EQ(after.print_komoku_name, before.print_komoku_name);
}

} // namespace

TEST(ItemOrder, DeleteClosesTheGapAndEmptiesTheLastSlot) {
    struct Case {
        int titled, slot;
    };
    // Delete the first of three; the last of twenty; a slot whose next slot
    // has no title (its mode 1 must not come along); one in the middle.
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
        expect_spares_kept(after, before);
        EXPECT_EQ(after.cur_komoku, before.cur_komoku);
    }
    for (int slot : {-1, 20}) {
        Book b = item_book(5);
        EXPECT_FALSE(delete_item(b, slot));
        EXPECT_EQ(b.komoku_name, item_book(5).komoku_name);
    }
}

TEST(ItemOrder, ApplyOrderMovesEveryItemWithItsDataAndKeepsUnlistedSlots) {
    struct Case {
        const char* what;
        int titled;
        std::vector<int> order;
        std::function<void(Book&)> adjust;
    };
    const Case cases[] = {
        {"third, first, second", 3, {2, 0, 1}, nullptr},
        {"equal titles",
         3,
         {1, 2, 0},
         [](Book& b) { b.komoku_name[0] = b.komoku_name[1] = QStringLiteral("会費"); }},
        {"gap after slot 2",
         3,
         {1, 2, 0},
         [](Book& b) { b.komoku_name[4] = QStringLiteral("behind the gap"); }},
        {"present order", 4, {0, 1, 2, 3}, nullptr},
        {"twenty reversed",
         20,
         {19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Book before = item_book(c.titled);
        if (c.adjust) c.adjust(before);
        before.cur_komoku = 2;
        Book after = before;
        ASSERT_TRUE(apply_order(after, c.order));
        for (int j = 0; j < kItems; ++j) {
            const int from = j < int(c.order.size()) ? c.order[j] : j;
            expect_item(after, j, before, from, before.komoku_mode[from]);
            EXPECT_EQ(after.sort_order[j], from);
        }
        expect_spares_kept(after, before);
        EXPECT_EQ(after.cur_komoku, 0);
    }
}

TEST(ItemOrder, AnOrderThatWouldLoseOrCopyAnItemIsRefused) {
    for (const std::vector<int>& order :
         {std::vector<int>{0, 0, 1}, {0, 3}, {-1}, std::vector<int>(21, 0)}) {
        Book b = item_book(3);
        b.cur_komoku = 2;
        EXPECT_FALSE(apply_order(b, order));
        const Book fresh = item_book(3);
        EXPECT_EQ(b.komoku_name, fresh.komoku_name);
        EXPECT_EQ(b.member_kingaku, fresh.member_kingaku);
        EXPECT_EQ(b.cur_komoku, 2);
    }
}
