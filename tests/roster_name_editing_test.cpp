#include "support/roster_fixture.h"

#include <QEventLoop>
#include <QInputMethodEvent>
#include <QTimer>

namespace {

const QString kWarning =
    QStringLiteral("メンバーが 変わってまんねん！\r\rその人の マークを やり直してや ！！");

class NameEditing : public RosterTest {
protected:
    // Five members; member 0 ("山田 太郎") and member 2 marked in items 0..9
    // and with amounts in items 10..19.
    void SetUp() override {
        RosterTest::SetUp();
        name_members(5);
        book.member_name[0] = QStringLiteral("山田 太郎");
        for (int j = 0; j < kItems; ++j) {
            book.komoku_name[j] = QStringLiteral("項目%1").arg(j);
            book.komoku_kingaku[j] = 500;
            for (int i : {0, 2}) {
                if (j < 10)
                    book.mark[i][j] = 1;
                else
                    book.member_kingaku[i][j] = 1000 + j;
            }
        }
        open();
    }

    // Member i still has everything SetUp gave it.
    void expect_kept(int i) {
        for (int j = 0; j < kItems; ++j) {
            EXPECT_EQ(book.mark[i][j], j < 10 ? 1 : 0) << "member " << i << " item " << j;
            EXPECT_EQ(book.member_kingaku[i][j], j < 10 ? 0 : 1000 + j)
                << "member " << i << " item " << j;
        }
    }
    void expect_cleared(int i) {
        for (int j = 0; j < kItems; ++j) {
            EXPECT_EQ(book.mark[i][j], 0) << "member " << i << " item " << j;
            EXPECT_EQ(book.member_kingaku[i][j], 0) << "member " << i << " item " << j;
        }
    }
};

TEST_F(NameEditing, EnteringHidesTheSheetAndShowsTheNamesAsAPickList) {
    book.hozon_flag = -1;
    start_editing();

    EXPECT_EQ(book.name_mode, -1);
    EXPECT_EQ(book.hozon_flag, 0);
    EXPECT_EQ(book.name_before[0], QStringLiteral("山田 太郎"));
    for (int i = 0; i < kMembers; ++i) {
        EXPECT_TRUE(form->chk1[i]->isHidden());
        EXPECT_TRUE(form->txt1[i]->isHidden());
        EXPECT_EQ(form->lbl1[i]->isHidden(), i >= 5) << i;
    }
    EXPECT_FALSE(form->fraGetname->isHidden());
    EXPECT_TRUE(form->fraCheck->isHidden());
    EXPECT_TRUE(form->fraOkane->isHidden());
    for (QMenu* m : {form->menu_file, form->file_print, form->menu_hensyu, form->tavu})
        EXPECT_FALSE(m->menuAction()->isVisible());
    EXPECT_TRUE(form->help->menuAction()->isVisible());
    EXPECT_EQ(form->tabTavu->currentIndex(), 0);
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("山田 太郎"));
    EXPECT_EQ(form->txtBango->text(), QStringLiteral("1"));
    EXPECT_EQ(form->vsbName->value(), 1);
    EXPECT_EQ(form->focusWidget(), form->txtName_Input);
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(NameEditing, BlanksOnlyChangeIsNoChange) {
    start_editing();
    type_name(QStringLiteral("山田太郎"));
    finish_editing();

    EXPECT_EQ(book.member_name[0], QStringLiteral("山田太郎"));
    expect_kept(0);
    EXPECT_FALSE(red(0));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(book.name_mode, 0);
    EXPECT_EQ(book.name_no, 1);
    EXPECT_TRUE(menus_shown());
    EXPECT_FALSE(form->fraCheck->isHidden());
    EXPECT_TRUE(form->fraGetname->isHidden());
}

TEST_F(NameEditing, EmptyingANameClearsItsMarksWithoutWarning) {
    start_editing();
    type_name(QString());
    finish_editing();

    EXPECT_EQ(book.member_name[0], QString());
    expect_cleared(0);
    expect_kept(2);
    EXPECT_TRUE(red(0));
    EXPECT_FALSE(red(2));
    EXPECT_TRUE(form->chk1[0]->isHidden());
    EXPECT_TRUE(script.shown.empty());
    EXPECT_TRUE(std::all_of(book.name_changed.begin(), book.name_changed.end(),
                            [](qint16 v) { return v == 0; }));
}

TEST_F(NameEditing, ANewNameWarnsOnceHoweverManyRowsChanged) {
    start_editing();
    type_name(QString());           // member 1 emptied
    type_name(QStringLiteral("b")); // member 2 renamed
    type_name(QStringLiteral("c")); // member 3 renamed (and marked)
    click(form->lbl1[4]);
    form->vsbName->setValue(7);
    type_name(QStringLiteral("新人")); // member 7 was empty
    finish_editing();

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kWarning);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::Ok);
    for (int i : {0, 1, 2, 6}) EXPECT_TRUE(red(i)) << i;
    for (int i : {3, 4, 5}) EXPECT_FALSE(red(i)) << i;
    expect_cleared(2);
    EXPECT_EQ(form->chk1[6]->text(), QStringLiteral("新人"));
    EXPECT_FALSE(form->chk1[6]->isHidden());
    EXPECT_EQ(book.mark[6][0], 0);

    // The red stays until the next round of editing begins.
    form->cmdNext->click();
    EXPECT_TRUE(red(6));
    start_editing();
    for (int i = 0; i < kMembers; ++i) EXPECT_FALSE(red(i)) << i;
}

TEST_F(NameEditing, EnterStoresAndStepsOnAndStopsAtMember96) {
    start_editing();
    type_name(QStringLiteral("一番"));
    EXPECT_EQ(book.member_name[0], QStringLiteral("一番"));
    EXPECT_EQ(book.name_no, 2);
    EXPECT_EQ(form->txtBango->text(), QStringLiteral("2"));
    EXPECT_EQ(form->txtName_Input->text(), book.member_name[1]);

    form->vsbName->setValue(24);
    type_name(QStringLiteral("二十四"));
    EXPECT_EQ(form->tabTavu->currentIndex(), 1); // member 25 is on the second page

    form->vsbName->setValue(96);
    EXPECT_EQ(form->tabTavu->currentIndex(), 3);
    type_name(QStringLiteral("最後"));
    EXPECT_EQ(book.member_name[95], QStringLiteral("最後"));
    EXPECT_FALSE(form->lbl1[95]->isHidden());
    EXPECT_EQ(book.name_no, 96);
    EXPECT_EQ(form->vsbName->value(), 96);
    EXPECT_EQ(form->txtBango->text(), QStringLiteral("96"));
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("最後"));
    EXPECT_EQ(form->tabTavu->currentIndex(), 3);
    EXPECT_TRUE(book.member_name[96].isEmpty());
    EXPECT_TRUE(script.shown.empty());
}

// A member number typed into the number box and Enter goes to that member,
// keeping what was typed for the one before; anything else puts the number
// of the member being edited back.
TEST_F(NameEditing, ATypedMemberNumberGoesToThatMember) {
    start_editing();
    form->txtName_Input->setText(QStringLiteral("一番"));
    struct Case {
        QString typed;
        int member; // 1..96, edited afterwards
        int page;
    };
    const Case cases[] = {
        {QStringLiteral("5"), 5, 0},       {QStringLiteral("30"), 30, 1},
        {QStringLiteral(" ９６ "), 96, 3}, {QStringLiteral("0"), 96, 3},
        {QStringLiteral("97"), 96, 3},     {QStringLiteral("abc"), 96, 3},
        {QStringLiteral(""), 96, 3},       {QStringLiteral("96"), 96, 3},
        {QStringLiteral("1"), 1, 0},
    };
    for (const Case& c : cases) {
        form->txtBango->setText(c.typed);
        key(form->txtBango, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(book.name_no, c.member) << c.typed.toStdString();
        EXPECT_EQ(form->txtBango->text(), QString::number(c.member)) << c.typed.toStdString();
        EXPECT_EQ(form->txtName_Input->text(), form->lbl1[c.member - 1]->text());
        EXPECT_EQ(form->tabTavu->currentIndex(), c.page) << c.typed.toStdString();
    }
    EXPECT_EQ(book.member_name[0], QStringLiteral("一番"));
    EXPECT_TRUE(script.shown.empty());
}

// A name typed through an input method arrives as committed text, not as
// key presses; it still brings back the page of the member being edited.
TEST_F(NameEditing, InputMethodCommitCountsAsAKey) {
    start_editing();
    form->vsbName->setValue(30);
    form->tabTavu->setCurrentIndex(3);
    form->txtName_Input->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("佐藤"));
    QApplication::sendEvent(form->txtName_Input, &commit);
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("佐藤"));
    EXPECT_EQ(form->tabTavu->currentIndex(), 1);
}

TEST_F(NameEditing, ALabelClickDropsUnstoredTextWhileTheScrollBarStoresIt) {
    start_editing();
    type_name(QStringLiteral("消える"), false);
    click(form->lbl1[3]);
    EXPECT_EQ(book.member_name[0], QStringLiteral("山田 太郎"));
    EXPECT_EQ(form->txtName_Input->text(), book.member_name[3]);
    EXPECT_EQ(form->txtBango->text(), QStringLiteral("4"));
    EXPECT_EQ(book.name_no, 4);
    EXPECT_EQ(form->vsbName->value(), 4);

    type_name(QStringLiteral("残る"), false);
    form->vsbName->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(book.member_name[3], QStringLiteral("残る"));
    EXPECT_EQ(book.name_no, 5);
    EXPECT_EQ(form->txtName_Input->text(), book.member_name[4]);

    // A double click picks as well.
    double_click(form->lbl1[1]);
    EXPECT_EQ(book.name_no, 2);
    EXPECT_EQ(form->txtName_Input->text(), book.member_name[1]);
}

TEST_F(NameEditing, LongNamesAreCutTo12BytesWithoutHalfCharacters) {
    start_editing();
    type_name(QStringLiteral("ABCDEFGHIJKLM"));
    type_name(QStringLiteral("ABCDEFGHIJK漢"));
    type_name(QStringLiteral("一二三四五六七"));
    finish_editing();
    EXPECT_EQ(book.member_name[0], QStringLiteral("ABCDEFGHIJKL"));
    EXPECT_EQ(book.member_name[1], QStringLiteral("ABCDEFGHIJK"));
    EXPECT_EQ(book.member_name[2], QStringLiteral("一二三四五六"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->lbl1[i]->text(), book.member_name[i]);
        EXPECT_EQ(form->chk1[i]->text(), book.member_name[i]);
    }
}

TEST_F(NameEditing, NamesTheDataFileCannotHoldAreRefused) {
    start_editing();
    type_name(QStringLiteral("김철수"));
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("김철수")));
    EXPECT_EQ(book.member_name[0], QStringLiteral("山田 太郎"));
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("김철수"));
    EXPECT_EQ(form->focusWidget(), form->txtName_Input);
    EXPECT_EQ(book.name_no, 1);
    EXPECT_EQ(form->vsbName->value(), 1);

    // Moving on with the scroll bar or finishing keeps the box where it is.
    form->vsbName->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->vsbName->value(), 1);
    EXPECT_EQ(book.name_no, 1);
    finish_editing();
    EXPECT_EQ(book.name_mode, -1);
    EXPECT_FALSE(form->fraGetname->isHidden());
    EXPECT_EQ(script.shown.size(), 3u);
    EXPECT_EQ(book.member_name[0], QStringLiteral("山田 太郎"));

    // Look-alikes that input methods give for ～ and － are not refused.
    type_name(QStringLiteral("〜−"));
    EXPECT_EQ(script.shown.size(), 3u);
    EXPECT_EQ(book.name_no, 2);
}

TEST_F(NameEditing, AHeldScrollArrowGivesOneRefusalOnly) {
    start_editing();
    type_name(QStringLiteral("김"), false);
    QScrollBar* bar = form->vsbName;
    const QPointF arrow(bar->width() / 2.0, bar->height() - 3.0);
    QMouseEvent hold(QEvent::MouseButtonPress, arrow, bar->mapToGlobal(arrow), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &hold);
    // Long enough for the arrow's auto-repeat to step several times.
    QEventLoop loop;
    QTimer::singleShot(900, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(book.name_no, 1);
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("김"));
}

TEST_F(NameEditing, LabelClicksDoNothingWhileTheModeIsOff) {
    form->txtName_Input->setText(QStringLiteral("x"));
    click(form->lbl1[3]);
    EXPECT_EQ(form->txtName_Input->text(), QStringLiteral("x"));
    EXPECT_EQ(book.name_no, 1);
}

TEST_F(NameEditing, AnItemThatCannotBeCommittedKeepsTheModeOff) {
    form->txtKomoku->setText(QString());
    form->chk1[1]->setChecked(true);
    start_editing();

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(book.name_mode, 0);
    EXPECT_TRUE(form->fraGetname->isHidden());
    EXPECT_FALSE(form->fraCheck->isHidden());
    EXPECT_TRUE(menus_shown());
    EXPECT_FALSE(form->chk1[1]->isHidden());
    click(form->lbl1[3]);
    EXPECT_EQ(book.name_no, 1);
}

TEST_F(NameEditing, AnUntitledItemStillLetsEditingBegin) {
    // From name editing an emptied title in the middle of the list commits.
    form->txtKomoku->setText(QString());
    form->chk1[0]->setChecked(false);
    form->chk1[2]->setChecked(false);
    start_editing();
    EXPECT_EQ(book.name_mode, -1);
    EXPECT_EQ(book.komoku_name[0], QString());
    EXPECT_TRUE(script.shown.empty());
}

} // namespace
