#include "support/roster_fixture.h"

namespace {

// Members 1..60 named, each with marks in items 0..9 and amounts in items
// 10..19 that tell them apart.
class MemberShift : public RosterTest {
protected:
    void SetUp() override {
        RosterTest::SetUp();
        name_members(60);
        book.komoku_name[0] = QStringLiteral("会費");
        book.komoku_kingaku[0] = 500;
        for (int i = 0; i < 60; ++i)
            for (int j = 0; j < kItems; ++j) {
                if (j < 10)
                    book.mark[i][j] = qint16((i + j) % 2);
                else
                    book.member_kingaku[i][j] = i * 100 + j;
            }
        open();
        start_editing();
        before = book;
    }

    // Slot i holds what slot `from` held when editing began (-1: empty).
    void expect_slot(int i, int from) {
        SCOPED_TRACE(testing::Message() << "slot " << i << " from " << from);
        EXPECT_EQ(book.member_name[i], from < 0 ? QString() : before.member_name[from]);
        EXPECT_EQ(book.name_before[i], from < 0 ? QString() : before.name_before[from]);
        EXPECT_EQ(form->lbl1[i]->text(), book.member_name[i]);
        EXPECT_EQ(form->chk1[i]->text(), book.member_name[i]);
        EXPECT_EQ(form->lbl1[i]->isHidden(), book.member_name[i].isEmpty());
        for (int j = 0; j < kItems; ++j) {
            EXPECT_EQ(book.mark[i][j], from < 0 ? 0 : before.mark[from][j]) << "item " << j;
            EXPECT_EQ(book.member_kingaku[i][j], from < 0 ? 0 : before.member_kingaku[from][j])
                << "item " << j;
        }
    }

    Book before;
};

TEST_F(MemberShift, InsertAtMember1MovesEveryoneDownWithTheirMarks) {
    type_name(QStringLiteral("捨てる"), false);
    form->cmdName_insert->click();

    expect_slot(0, -1);
    for (int i = 1; i < kMembers; ++i) expect_slot(i, i - 1);
    EXPECT_EQ(form->txtName_Input->text(), QString());
    EXPECT_EQ(form->focusWidget(), form->txtName_Input);
    EXPECT_EQ(book.name_no, 1);
    EXPECT_EQ(form->vsbName->value(), 1);
    EXPECT_EQ(form->txtBango->text(), QStringLiteral("1"));
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(MemberShift, DeleteAtMember1And96) {
    type_name(QStringLiteral("捨てる"), false);
    form->CmdName_Del->click();
    for (int i = 0; i < 95; ++i) expect_slot(i, i + 1);
    expect_slot(95, -1);
    EXPECT_EQ(form->txtName_Input->text(), before.member_name[1]);
    EXPECT_EQ(form->focusWidget(), form->txtName_Input);

    book.member_name[95] = QStringLiteral("最後");
    form->lbl1[95]->setText(book.member_name[95]);
    form->vsbName->setValue(96);
    form->CmdName_Del->click();
    EXPECT_EQ(book.member_name[95], QString());
    EXPECT_TRUE(form->lbl1[95]->isHidden());
    EXPECT_EQ(book.member_name[58], before.member_name[59]);
    EXPECT_EQ(form->txtName_Input->text(), QString());
    EXPECT_EQ(book.name_no, 96);
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(MemberShift, InsertThenDeleteRestoresTheRosterAndFinishingMarksNothing) {
    form->vsbName->setValue(30);
    form->cmdName_insert->click();
    expect_slot(29, -1);
    expect_slot(30, 29);
    form->CmdName_Del->click();
    for (int i = 0; i < 95; ++i) expect_slot(i, i);

    form->vsbName->setValue(10);
    form->CmdName_Del->click();
    form->vsbName->setValue(3);
    form->cmdName_insert->click();
    finish_editing();
    EXPECT_TRUE(script.shown.empty());
    for (int i = 0; i < kMembers; ++i) EXPECT_FALSE(red(i)) << i;
    EXPECT_EQ(book.member_name[3], before.member_name[2]);
    EXPECT_EQ(book.member_kingaku[3][15], before.member_kingaku[2][15]);
    EXPECT_EQ(book.member_kingaku[10][15], before.member_kingaku[10][15]);
    EXPECT_EQ(book.member_kingaku[9][15], before.member_kingaku[8][15]);
}

TEST_F(MemberShift, ANameTypedIntoAnInsertedSlotCountsAsNew) {
    form->vsbName->setValue(5);
    form->cmdName_insert->click();
    type_name(QStringLiteral("新入り"));
    finish_editing();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("メンバーが 変わってまんねん！")));
    EXPECT_TRUE(red(4));
    EXPECT_FALSE(red(5));
    EXPECT_EQ(book.member_name[5], before.member_name[4]);
}

TEST_F(MemberShift, InsertIsRefusedWhileMember96HasAName) {
    form->vsbName->setValue(96);
    type_name(QStringLiteral("九十六"));
    form->vsbName->setValue(10);
    const Book full = book;
    form->cmdName_insert->click();

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(book.member_name, full.member_name);
    EXPECT_EQ(book.name_before, full.name_before);
    EXPECT_EQ(book.mark, full.mark);
    EXPECT_EQ(book.member_kingaku, full.member_kingaku);
    EXPECT_EQ(form->txtName_Input->text(), full.member_name[9]);
    EXPECT_EQ(form->focusWidget(), form->txtName_Input);

    // Once member 96 is gone there is room again.
    form->vsbName->setValue(96);
    form->CmdName_Del->click();
    form->vsbName->setValue(10);
    form->cmdName_insert->click();
    EXPECT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(book.member_name[9], QString());
}

} // namespace
