#include "book/member_shift.h"

#include <gtest/gtest.h>

namespace {

// Member i is "m<i>" (earlier "b<i>") with a mark pattern and amounts that
// differ in every item; slot 95 is empty unless asked. Slot 96 and item 20
// carry values that no shift may touch.
Book numbered_book(int named = 95) {
    Book b;
    for (int i = 0; i < kMembers; ++i) {
        if (i < named) {
            b.member_name[i] = QStringLiteral("m%1").arg(i);
            b.name_before[i] = QStringLiteral("b%1").arg(i);
        }
        for (int j = 0; j <= kItems; ++j) {
            b.mark[i][j] = qint16((i + j) % 2);
            b.member_kingaku[i][j] = i * 100 + j;
        }
    }
    b.member_name[96] = QStringLiteral("spare");
    b.mark[96][3] = 1;
    b.member_kingaku[96][3] = 777;
    b.print_mark[5] = 1;
    b.name_changed[7] = 1;
    return b;
}

// Slot `i` of `after` holds what slot `from` held in `before` (-1: empty).
void expect_slot(const Book& after, int i, const Book& before, int from) {
    SCOPED_TRACE(testing::Message() << "slot " << i << " from " << from);
    EXPECT_EQ(after.member_name[i], from < 0 ? QString() : before.member_name[from]);
    EXPECT_EQ(after.name_before[i], from < 0 ? QString() : before.name_before[from]);
    for (int j = 0; j < kItems; ++j) {
        EXPECT_EQ(after.mark[i][j], from < 0 ? 0 : before.mark[from][j]) << "item " << j;
        EXPECT_EQ(after.member_kingaku[i][j], from < 0 ? 0 : before.member_kingaku[from][j])
            << "item " << j;
    }
    // Item slot 20 is a spare and never moves.
    EXPECT_EQ(after.mark[i][20], before.mark[i][20]);
    EXPECT_EQ(after.member_kingaku[i][20], before.member_kingaku[i][20]);
}

void expect_untouched_spares(const Book& after, const Book& before) {
    EXPECT_EQ(after.member_name[96], before.member_name[96]);
    EXPECT_EQ(after.mark[96], before.mark[96]);
    EXPECT_EQ(after.member_kingaku[96], before.member_kingaku[96]);
    EXPECT_EQ(after.print_mark, before.print_mark);
    EXPECT_EQ(after.name_changed, before.name_changed);
}

} // namespace

TEST(MemberShift, InsertOpensAnEmptySlotAndMovesEveryoneAfterItDown) {
    for (int slot : {0, 1, 40, 94, 95}) {
        SCOPED_TRACE(testing::Message() << "insert at " << slot);
        const Book before = numbered_book();
        Book after = before;
        ASSERT_TRUE(insert_member(after, slot));
        for (int i = 0; i < kMembers; ++i)
            expect_slot(after, i, before, i < slot ? i : i == slot ? -1 : i - 1);
        expect_untouched_spares(after, before);
    }
}

TEST(MemberShift, DeleteMovesEveryoneAfterItUpAndEmptiesTheLastSlot) {
    for (int slot : {0, 1, 40, 94, 95}) {
        SCOPED_TRACE(testing::Message() << "delete at " << slot);
        const Book before = numbered_book(96);
        Book after = before;
        ASSERT_TRUE(delete_member(after, slot));
        for (int i = 0; i < kMembers; ++i)
            expect_slot(after, i, before, i < slot ? i : i == 95 ? -1 : i + 1);
        expect_untouched_spares(after, before);
    }
}

TEST(MemberShift, InsertThenDeleteAtTheSameSlotRestoresSlotsUpTo94) {
    for (int slot : {0, 17, 94, 95}) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        const Book before = numbered_book();
        Book after = before;
        ASSERT_TRUE(insert_member(after, slot));
        ASSERT_TRUE(delete_member(after, slot));
        for (int i = 0; i < 95; ++i) expect_slot(after, i, before, i);
        expect_slot(after, 95, before, -1);
    }
}

TEST(MemberShift, InsertIsRefusedWhileTheLastSlotHoldsAName) {
    Book full = numbered_book(96);
    EXPECT_TRUE(last_member_taken(full));
    const Book before = full;
    EXPECT_FALSE(insert_member(full, 0));
    for (int i = 0; i < kMembers; ++i) expect_slot(full, i, before, i);

    // A name of blanks only is no member: its slot may be pushed out.
    Book blank_last = numbered_book();
    blank_last.member_name[95] = QStringLiteral("   ");
    EXPECT_FALSE(last_member_taken(blank_last));
    EXPECT_TRUE(insert_member(blank_last, 3));
    // A full-width blank is text.
    blank_last.member_name[95] = QStringLiteral("\u3000");
    EXPECT_TRUE(last_member_taken(blank_last));
}

TEST(MemberShift, SlotsOutsideTheRosterAreRefused) {
    for (int slot : {-1, 96, 97}) {
        Book b = numbered_book();
        const Book before = b;
        EXPECT_FALSE(insert_member(b, slot));
        EXPECT_FALSE(delete_member(b, slot));
        EXPECT_EQ(b.member_name, before.member_name);
        EXPECT_EQ(b.mark, before.mark);
    }
}
