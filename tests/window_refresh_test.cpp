// The sheet's refresh, the mode switches and the edits that clear hozon_flag.
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QKeySequence>

namespace {

class WindowRefresh : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        book.member_name[0] = QStringLiteral("山田");
        book.member_name[1] = QStringLiteral("鈴木");
        book.member_name[2] = QStringLiteral("佐藤");
        book.member_name[30] = QStringLiteral("田中");
        window = std::make_unique<frmTavu>(book);
        window->Form_Load(); // no data file: the names above stay
    }

    // Item 0 as 割勘, item 1 and item 2 as 任意, then item `k` drawn.
    void show_item(int k) {
        book.cur_komoku = qint16(k);
        window->gamen_kosin();
    }

    ui::MessageScript script;
    Book book;
    std::unique_ptr<frmTavu> window;
};

TEST_F(WindowRefresh, EqualSplitItemShowsMarksOfNamedMembers) {
    book.komoku_name[0] = QStringLiteral("忘年会");
    book.komoku_kingaku[0] = 3000;
    book.komoku_nin[0] = 0;
    book.komoku_sogaku[0] = 9000;
    book.mark[0][0] = 1;
    book.mark[30][0] = 1;
    book.mark[2][0] = 0;
    book.member_kingaku[1][0] = 500; // left over from an individual-amount past
    show_item(0);

    EXPECT_TRUE(window->chk1[0]->isChecked());
    EXPECT_FALSE(window->chk1[0]->isHidden());
    EXPECT_FALSE(window->chk1[2]->isChecked());
    EXPECT_FALSE(window->chk1[2]->isHidden());
    EXPECT_TRUE(window->chk1[30]->isChecked());
    EXPECT_FALSE(window->chk1[30]->isHidden()); // on page 2, still its own flag
    EXPECT_TRUE(window->chk1[5]->isHidden());   // nameless rows show nothing
    for (int i = 0; i < kMembers; ++i) {
        EXPECT_TRUE(window->lbl1[i]->isHidden());
        EXPECT_TRUE(window->txt1[i]->isHidden());
        EXPECT_EQ(book.member_kingaku[i][0], 0);
    }
    EXPECT_TRUE(window->optKinto->isChecked());
    EXPECT_FALSE(window->fraOkane->isHidden());
    EXPECT_TRUE(window->fraBara->isHidden());
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 2"));
    EXPECT_EQ(window->txtKomokuNo->text(), QStringLiteral(" 1"));
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("忘年会"));
    EXPECT_EQ(window->txtKingaku->text(), QStringLiteral("3000"));
    EXPECT_EQ(window->txtNin->text(), QString()); // 0 shows as an empty box
    EXPECT_EQ(window->txtSogaku->text(), QStringLiteral("9000"));
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(WindowRefresh, UntitledItemEmptiesItsBoxesWhateverTheNumbers) {
    window->txtKomoku->setText(QStringLiteral("前の項目"));
    book.cur_komoku = 4;
    book.komoku_mode[4] = 1;
    book.komoku_kingaku[4] = 1000;
    book.komoku_nin[4] = 5;
    book.komoku_sogaku[4] = 5000;
    show_item(4);
    EXPECT_EQ(window->txtKomoku->text(), QString());
    EXPECT_EQ(window->txtKingaku->text(), QString());
    EXPECT_EQ(window->txtNin->text(), QString());
    EXPECT_EQ(window->txtSogaku->text(), QString());
    EXPECT_EQ(window->txtKomokuNo->text(), QStringLiteral(" 5"));

    // A title of blanks is not empty: it is shown with the numbers.
    book.komoku_name[4] = QStringLiteral(" ");
    show_item(4);
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral(" "));
    EXPECT_EQ(window->txtNin->text(), QStringLiteral("5"));
}

TEST_F(WindowRefresh, IndividualItemShowsAmountsAndResetsPresetsOnlyOnEntry) {
    for (int k : {1, 2}) {
        book.komoku_name[k] = QStringLiteral("会費%1").arg(k);
        book.komoku_mode[k] = 0;
    }
    book.member_kingaku[0][1] = 1500;
    book.member_kingaku[1][1] = 0;
    book.member_kingaku[30][1] = 2000;
    book.member_kingaku[7][1] = 900; // no name: not shown
    book.mark[0][1] = 1;
    book.komoku_kingaku[1] = 800; // switching to 任意 clears the equal-split numbers
    show_item(0);
    window->txtSyokei->setText(QStringLiteral("kept"));

    show_item(1);
    EXPECT_TRUE(window->optBara->isChecked());
    EXPECT_TRUE(window->fraOkane->isHidden());
    EXPECT_FALSE(window->fraBara->isHidden());
    EXPECT_EQ(window->txt1[0]->text(), QStringLiteral("1500"));
    EXPECT_EQ(window->txt1[1]->text(), QString());
    EXPECT_EQ(window->txt1[30]->text(), QStringLiteral("2000"));
    EXPECT_FALSE(window->lbl1[0]->isHidden());
    EXPECT_FALSE(window->txt1[1]->isHidden());
    EXPECT_TRUE(window->lbl1[7]->isHidden());
    EXPECT_TRUE(window->txt1[7]->isHidden());
    for (int i = 0; i < kMembers; ++i) {
        EXPECT_TRUE(window->chk1[i]->isHidden());
        EXPECT_FALSE(window->chk1[i]->isChecked());
        EXPECT_EQ(book.mark[i][1], 0);
    }
    // The hidden nameless amount is still in its box and counts.
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 3"));
    EXPECT_EQ(window->txtSyokei->text(), QStringLiteral(" 4400"));
    EXPECT_EQ(book.komoku_kingaku[1], 0);
    EXPECT_EQ(window->txtKingaku->text(), QString());
    // Coming from 割勘 the presets start at 0 with the boss preset chosen.
    EXPECT_EQ(window->txtBoss->text(), QStringLiteral("0"));
    EXPECT_EQ(window->txtHira->text(), QStringLiteral("0"));
    EXPECT_TRUE(window->optBoss->isChecked());

    window->txtBoss->setText(QStringLiteral("1000"));
    window->txtHira->setText(QStringLiteral("500"));
    window->optHira->setChecked(true);
    show_item(2);
    EXPECT_EQ(window->txtBoss->text(), QStringLiteral("1000"));
    EXPECT_EQ(window->txtHira->text(), QStringLiteral("500"));
    EXPECT_TRUE(window->optHira->isChecked());
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 0"));
    EXPECT_EQ(window->txtSyokei->text(), QStringLiteral(" 0"));

    // Back in 割勘 the subtotal keeps its last value.
    window->txtSyokei->setText(QStringLiteral("kept"));
    show_item(0);
    EXPECT_EQ(window->txtSyokei->text(), QStringLiteral("kept"));
    EXPECT_EQ(window->txtBoss->text(), QStringLiteral("1000"));
}

TEST_F(WindowRefresh, ModeSwitchesDiscardTheOtherModesData) {
    book.komoku_name[0] = QStringLiteral("旅行");
    book.komoku_kingaku[0] = 2000;
    book.komoku_nin[0] = 2;
    book.komoku_sogaku[0] = 4000;
    book.mark[0][0] = 1;
    book.mark[1][0] = 1;
    show_item(0);

    window->optBara->setChecked(true);
    EXPECT_EQ(book.komoku_mode[0], 0);
    EXPECT_EQ(book.komoku_kingaku[0], 0);
    EXPECT_EQ(book.komoku_nin[0], 0);
    EXPECT_EQ(book.komoku_sogaku[0], 0);
    EXPECT_EQ(book.mark[0][0], 0);
    EXPECT_EQ(book.mark[1][0], 0);
    EXPECT_EQ(window->txtKingaku->text(), QString());
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("旅行"));

    window->txt1[0]->setText(QStringLiteral("700"));
    book.member_kingaku[0][0] = 700; // as if committed
    window->optKinto->setChecked(true);
    EXPECT_EQ(book.komoku_mode[0], 1);
    EXPECT_EQ(book.member_kingaku[0][0], 0);
    EXPECT_TRUE(window->fraBara->isHidden());
    window->optBara->setChecked(true);
    for (int i = 0; i < kMembers; ++i) EXPECT_EQ(window->txt1[i]->text(), QString());
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 0"));
}

TEST_F(WindowRefresh, StartUpLeavesNothingUnsavedAndEditsClearTheFlag) {
    EXPECT_EQ(book.hozon_flag, -1);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(book.name_mode, 0);
    EXPECT_EQ(book.name_no, 1);
    EXPECT_EQ(window->tabTavu->currentIndex(), 0);
    EXPECT_EQ(window->txtBango->text(), QStringLiteral("1"));

    window->chk1[2]->setChecked(true);
    EXPECT_EQ(book.hozon_flag, 0);
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 1"));

    for (ui::TextBox* box : {window->txtKomoku, window->txtNengetu, window->txtMotojime,
                             window->txtSogaku, window->txtNin, window->txtKingaku}) {
        book.hozon_flag = -1;
        box->setText(box->text() + QStringLiteral("1"));
        EXPECT_EQ(book.hozon_flag, 0) << box->objectName().toStdString();
    }
    // Display boxes and presets have no change behaviour.
    for (ui::TextBox* box : {window->txtChkCnt, window->txtSyokei, window->txtKomokuNo,
                             window->txtBoss, window->txt1[0]}) {
        book.hozon_flag = -1;
        box->setText(QStringLiteral("9"));
        EXPECT_EQ(book.hozon_flag, -1) << box->objectName().toStdString();
    }
}

TEST_F(WindowRefresh, NameFontFitsTheCaptionLength) {
    book.member_name[0] = QStringLiteral("山田太");
    book.member_name[1] = QStringLiteral("山田太郎左");
    book.member_name[2] = QStringLiteral("山田太郎左衛");
    book.member_name[3] = QStringLiteral(" 山田 ");
    window->name_hyoji();
    window->name_font();
    EXPECT_EQ(window->chk1[0]->font().pointSizeF(), 12);
    EXPECT_EQ(window->lbl1[0]->font().pointSizeF(), 12);
    EXPECT_EQ(window->chk1[1]->font().pointSizeF(), 11);
    EXPECT_EQ(window->lbl1[1]->font().pointSizeF(), 11);
    EXPECT_EQ(window->chk1[2]->font().pointSizeF(), 10);
    EXPECT_EQ(window->lbl1[2]->font().pointSizeF(), 11);
    EXPECT_EQ(window->chk1[3]->text(), QStringLiteral(" 山田 "));
    EXPECT_EQ(window->chk1[3]->font().pointSizeF(), 12);
    EXPECT_EQ(window->txt1[0]->font().pointSizeF(), 9.75);

    // A shorter name later gives the check box 12 again; the label keeps 11.
    book.member_name[1] = QStringLiteral("山田");
    window->name_hyoji();
    window->name_font();
    EXPECT_EQ(window->chk1[1]->font().pointSizeF(), 12);
    EXPECT_EQ(window->lbl1[1]->font().pointSizeF(), 11);
}

TEST_F(WindowRefresh, AmpersandInANameIsShownNotTakenAsAShortcut) {
    book.member_name[0] = QStringLiteral("R&D 田中");
    book.member_name[1] = QStringLiteral("&");
    window->name_hyoji();
    window->name_font();
    for (int i : {0, 1}) {
        EXPECT_TRUE(QKeySequence::mnemonic(window->chk1[i]->text()).isEmpty()) << i;
        EXPECT_FALSE(window->chk1[i]->isHidden()) << i;
    }
    show_item(0);
    EXPECT_FALSE(window->chk1[1]->isHidden());
}

} // namespace
