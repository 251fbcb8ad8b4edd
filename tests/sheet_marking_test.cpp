// Marking members and clicking the preset amounts into their boxes.
#include "sheet_fixture.h"

#include <QMenu>

namespace {

class Marking : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start();
    }
    int marked() const {
        int n = 0;
        for (QCheckBox* c : w->chk1) n += c->isChecked();
        return n;
    }
    void to_bara() {
        w->txtKomoku->setText(QStringLiteral("餞別"));
        w->optBara->setChecked(true);
    }
    void click_box(int i) {
        w->tabTavu->setCurrentIndex(i / 24);
        QTest::mouseClick(w->txt1[i], Qt::LeftButton);
    }
};

TEST_F(Marking, MarkAllSkipsNamelessRowsOnEveryPage) {
    // Named members on every page, with gaps.
    name_members(0);
    for (int i : {0, 5, 30, 50, 71, 95}) {
        w->lbl1[i]->setText(QStringLiteral("人%1").arg(i));
        w->chk1[i]->setText(QStringLiteral("人%1").arg(i));
    }
    w->gamen_kosin();
    w->tabTavu->setCurrentIndex(0);
    w->all_tavu->trigger();
    EXPECT_EQ(marked(), 6);
    for (int i : {0, 5, 30, 50, 71, 95}) EXPECT_TRUE(w->chk1[i]->isChecked());
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 6"));
    EXPECT_EQ(book.hozon_flag, 0);

    w->chk1[7]->setChecked(true); // a stray mark on a hidden row
    w->all_tavu_off->trigger();
    EXPECT_EQ(marked(), 0);
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 0"));
}

TEST_F(Marking, MarkAllDoesNothingForIndividualAmounts) {
    to_bara();
    w->all_tavu->trigger();
    EXPECT_EQ(marked(), 0);
    w->optKinto->setChecked(true);
    w->chk1[0]->setChecked(true);
    w->optBara->setChecked(true);
    w->chk1[0]->setChecked(true); // hidden box, as a stale state
    w->all_tavu_off->trigger();
    EXPECT_TRUE(w->chk1[0]->isChecked());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Marking, PresetClicks) {
    to_bara();
    w->txtBoss->setText(QStringLiteral("1000"));
    w->txtHira->setText(QStringLiteral("500"));
    book.hozon_flag = -1;
    const char16_t* counts[] = {u" 1", u" 2", u" 3"};
    const char16_t* subtotals[] = {u" 0", u" 1000", u" 2000"};
    for (int k = 0; k < 3; ++k) {
        click_box(k);
        EXPECT_EQ(w->txt1[k]->text(), QStringLiteral("1000"));
        EXPECT_EQ(w->txtChkCnt->text(), QString::fromUtf16(counts[k]));
        EXPECT_EQ(w->txtSyokei->text(), QString::fromUtf16(subtotals[k]));
    }
    EXPECT_EQ(book.hozon_flag, 0);

    // The ordinary preset, chosen with its option, replaces an amount.
    QTest::mouseClick(w->optHira, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(w->optHira->isChecked());
    EXPECT_FALSE(w->optBoss->isChecked());
    EXPECT_EQ(focus(), w->txtHira);
    click_box(1);
    EXPECT_EQ(w->txt1[1]->text(), QStringLiteral("500"));
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 3"));
    EXPECT_EQ(w->txtSyokei->text(), QStringLiteral(" 3000"));
    w->optBoss->setChecked(true);
    EXPECT_FALSE(w->optHira->isChecked());
    EXPECT_EQ(focus(), w->txt1[1]); // the boss preset leaves the focus where it was

    // A full-width preset goes in as typed and counts at the next click.
    w->txtBoss->setText(QStringLiteral("１０００"));
    click_box(30);
    EXPECT_EQ(w->txt1[30]->text(), QStringLiteral("１０００"));
    click_box(2);
    EXPECT_EQ(w->txtSyokei->text(), QStringLiteral(" 3500"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Marking, PresetClickRefusals) {
    to_bara();
    w->txtBoss->setText(QStringLiteral("  "));
    book.hozon_flag = -1;
    click_box(0);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("金額を入れてから クリックしてや ！"),
                               ui::Icon::Exclamation}}));
    EXPECT_EQ(focus(), w->txtBoss);
    EXPECT_TRUE(w->txt1[0]->text().isEmpty());
    EXPECT_EQ(book.hozon_flag, 0);

    w->optHira->setChecked(true);
    w->txtHira->clear();
    click_box(0);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("金額を入れてから クリックしてや  ！"),
                               ui::Icon::Exclamation}}));
    EXPECT_EQ(focus(), w->txtHira);

    // A non-digit in some box stops the click at that box.
    w->txtHira->setText(QStringLiteral("500"));
    w->txt1[5]->setText(QStringLiteral("5百"));
    w->txtChkCnt->setText(QStringLiteral(" 9"));
    click_box(0);
    EXPECT_EQ(boxes(), (Boxes{{kNotDigits, ui::Icon::Critical}}));
    EXPECT_EQ(focus(), w->txt1[5]);
    EXPECT_TRUE(w->txt1[0]->text().isEmpty());
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 9"));
}

TEST_F(Marking, DoubleClickFillsAndKeepsTheFocus) {
    to_bara();
    w->txtBoss->setText(QStringLiteral("300"));
    w->cmdNext->setFocus();
    // A real double click arrives as press, release, double click, release.
    QTest::mouseClick(w->txt1[4], Qt::LeftButton);
    QTest::mouseDClick(w->txt1[4], Qt::LeftButton);
    QTest::mouseRelease(w->txt1[4], Qt::LeftButton);
    EXPECT_EQ(w->txt1[4]->text(), QStringLiteral("300"));
    EXPECT_EQ(focus(), w->txt1[4]);
}

TEST_F(Marking, NameLabelsDoNothingOutsideNameEditing) {
    to_bara();
    book.hozon_flag = -1;
    QTest::mouseClick(w->lbl1[0], Qt::LeftButton);
    QTest::mouseDClick(w->lbl1[0], Qt::LeftButton);
    EXPECT_EQ(book.hozon_flag, -1);
    EXPECT_TRUE(w->fraGetname->isHidden());
    EXPECT_TRUE(boxes().empty());
}

} // namespace
