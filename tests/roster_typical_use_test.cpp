#include "support/roster_fixture.h"

namespace {

using TypicalUse = RosterTest;

// The organizer's first evening with the program, through the controls:
// type the roster, finish, enter one equal-split item, save, start again.
TEST_F(TypicalUse, ARosterTypedInNameEditingComesBackAfterARestart) {
    open();
    start_editing();
    for (int i = 0; i < 30; ++i) type_name(QStringLiteral("社員 %1").arg(i + 1));
    finish_editing();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("メンバーが 変わってまんねん！")));
    for (int i = 0; i < kMembers; ++i) {
        EXPECT_EQ(form->chk1[i]->isHidden(), i >= 30) << i;
        EXPECT_EQ(red(i), i < 30) << i;
    }
    EXPECT_EQ(form->chk1[29]->text(), QStringLiteral("社員 30"));

    form->txtKomoku->setText(QStringLiteral("歓送迎会"));
    form->txtSogaku->setText(QStringLiteral("10000"));
    form->txtNin->setText(QStringLiteral("8"));
    form->cmdCalc->click();
    EXPECT_EQ(form->txtKingaku->text(), QStringLiteral("1300"));
    for (int i = 0; i < 8; ++i) form->chk1[i * 3]->click();
    EXPECT_EQ(form->txtChkCnt->text(), QStringLiteral(" 8"));
    form->cmdNext->click();
    EXPECT_EQ(book.cur_komoku, 1);
    EXPECT_TRUE(red(0)) << "red lasts until name editing begins again";
    form->txtNengetu->setText(QStringLiteral("2026年12月"));
    form->txtMotojime->setText(QStringLiteral("総務 花子"));
    form->file_all_hozon->trigger();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[1].text, QStringLiteral("データ保存 してもうた ！"));
    EXPECT_EQ(book.hozon_flag, -1);
    EXPECT_TRUE(exists(QStringLiteral("allitem.hrm")));
    EXPECT_FALSE(exists(QStringLiteral("allitem.dat")));

    Book again;
    frmTavu second(again);
    second.Form_Load();
    for (int i = 0; i < kMembers; ++i) {
        // A saved empty slot holds one blank.
        EXPECT_EQ(again.member_name[i],
                  i < 30 ? QStringLiteral("社員 %1").arg(i + 1) : QStringLiteral(" "));
        EXPECT_EQ(second.chk1[i]->text(), again.member_name[i]);
        EXPECT_EQ(again.mark[i][0], i % 3 == 0 && i < 24 ? 1 : 0) << i;
        EXPECT_EQ(second.chk1[i]->isChecked(), again.mark[i][0] == 1) << i;
    }
    EXPECT_EQ(again.komoku_name[0], QStringLiteral("歓送迎会"));
    EXPECT_EQ(again.komoku_mode[0], 1);
    EXPECT_EQ(again.komoku_kingaku[0], 1300);
    EXPECT_EQ(again.komoku_sogaku[0], 8 * 1300); // the file keeps no total of its own
    EXPECT_EQ(again.komoku_nin[0], 8);
    EXPECT_EQ(second.txtKingaku->text(), QStringLiteral("1300"));
    EXPECT_EQ(second.txtChkCnt->text(), QStringLiteral(" 8"));
    EXPECT_EQ(second.txtNengetu->text(), QStringLiteral("2026年12月"));
    EXPECT_EQ(second.txtMotojime->text(), QStringLiteral("総務 花子"));
    EXPECT_EQ(again.hozon_flag, -1);
}

} // namespace

namespace {

// Closing the window while a name sits unstored in the input box saves it.
TEST_F(TypicalUse, ClosingDuringNameEditingSavesTheNameInTheBox) {
    open();
    start_editing();
    type_name(QStringLiteral("一番"));
    type_name(QStringLiteral("まだ箱の中"), false);
    script.answer(ui::Answer::Ok);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, QStringLiteral("データを 保存しまっせ ！"));

    Book again;
    frmTavu second(again);
    second.Form_Load();
    EXPECT_EQ(again.member_name[0], QStringLiteral("一番"));
    EXPECT_EQ(again.member_name[1], QStringLiteral("まだ箱の中"));
}

// A name the data file cannot hold stops the save and the window stays open
// in name editing with the text where it was.
TEST_F(TypicalUse, ClosingWithANameTheFileCannotHoldKeepsTheWindow) {
    open();
    start_editing();
    type_name(QStringLiteral("김"), false);
    script.answer(ui::Answer::Ok);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(script.shown.size(), 3u); // save?, the refusal, stay without saving?
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("김")));
    EXPECT_EQ(script.shown[2].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(book.name_mode, -1);
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("김"));
    EXPECT_FALSE(exists(QStringLiteral("allitem.hrm")));
}

} // namespace
