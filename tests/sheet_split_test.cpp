// 計算 on the sheet, and the mode switches that discard the other mode's data.
#include "sheet_fixture.h"

namespace {

class Split : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start();
    }
    void calc(const QString& total, const QString& heads) {
        w->txtSogaku->setText(total);
        w->txtNin->setText(heads);
        QTest::mouseClick(w->cmdCalc, Qt::LeftButton);
    }
};

TEST_F(Split, ComputesTheShare) {
    struct Case {
        const char16_t *total, *heads, *share;
    };
    const Case cases[] = {
        {u"1000", u"3", u"400"},        {u"1000", u"8", u"200"},   {u"3000", u"30", u"100"},
        {u"9601", u"96", u"100"},       {u"150", u"1", u"200"},    {u"250", u"2", u"200"},
        {u"３０００", u"３０", u"100"}, {u"10000", u"8", u"1300"},
    };
    for (const Case& c : cases) {
        w->txtKingaku->clear();
        calc(QString::fromUtf16(c.total), QString::fromUtf16(c.heads));
        EXPECT_EQ(w->txtKingaku->text(), QString::fromUtf16(c.share))
            << QString::fromUtf16(c.total).toStdString();
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(book.hozon_flag, 0);
    // The book is untouched until the commit.
    EXPECT_EQ(book.komoku_kingaku[0], 0);
}

TEST_F(Split, DividesByTheTypedHeadCountNotTheMarks) {
    for (int i = 0; i < 10; ++i) w->chk1[i]->setChecked(true);
    calc(QStringLiteral("1600"), QStringLiteral("8"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("200"));
}

TEST_F(Split, Refusals) {
    struct Case {
        const char16_t *total, *heads;
        QString message; // empty: only the digit check's own message
        ui::TextBox* frmTavu::*focus;
    };
    const Case cases[] = {
        {u"", u"", QStringLiteral("総額が ないで！ 入れてから 押してや！"), &frmTavu::txtSogaku},
        {u"1,000", u"3", kNotDigits, &frmTavu::txtSogaku},
        {u"1000", u"  ", QStringLiteral(" 人数を 入れな あきまへんで！"), &frmTavu::txtNin},
        {u"1000", u"三", kNotDigits, &frmTavu::txtNin},
        {u"1000", u"0", kHeadCount, &frmTavu::txtNin},
        {u"1000", u"97", kHeadCount, &frmTavu::txtNin},
        {u"1000", u"-3", kHeadCount, &frmTavu::txtNin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.total).toStdString() + " / " +
                     QString::fromUtf16(c.heads).toStdString());
        w->txtKingaku->setText(QStringLiteral("777"));
        calc(QString::fromUtf16(c.total), QString::fromUtf16(c.heads));
        EXPECT_EQ(boxes(), (Boxes{{c.message, ui::Icon::Critical}}));
        EXPECT_EQ(focus(), w.get()->*c.focus);
        EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("777"));
    }
    // 96 heads is allowed.
    calc(QStringLiteral("9600"), QStringLiteral("96"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("100"));

    // A total the book cannot hold is refused rather than wrapped.
    w->txtKingaku->setText(QStringLiteral("777"));
    calc(QStringLiteral("99999999999"), QStringLiteral("3"));
    const Boxes shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].second, ui::Icon::Critical);
    EXPECT_EQ(focus(), w->txtSogaku);
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("777"));
}

TEST_F(Split, ModeSwitchesDiscardTheOtherModeInTheBook) {
    book.komoku_name[0] = QStringLiteral("会費");
    book.komoku_mode[0] = 0;
    book.member_kingaku[1][0] = 500;
    book.member_kingaku[2][0] = 800;
    show_item(0);
    EXPECT_EQ(w->txt1[1]->text(), QStringLiteral("500"));

    w->optKinto->setChecked(true);
    EXPECT_EQ(book.komoku_mode[0], 1);
    EXPECT_EQ(book.member_kingaku[1][0], 0);
    EXPECT_EQ(book.member_kingaku[2][0], 0);
    EXPECT_FALSE(w->fraOkane->isHidden());
    EXPECT_TRUE(w->fraBara->isHidden());
    EXPECT_FALSE(w->chk1[1]->isHidden());
    EXPECT_TRUE(w->txt1[1]->isHidden());

    book.mark[3][0] = 1;
    book.komoku_kingaku[0] = 1000;
    book.komoku_sogaku[0] = 5000;
    book.komoku_nin[0] = 5;
    w->gamen_kosin();
    EXPECT_TRUE(w->chk1[3]->isChecked());
    w->optBara->setChecked(true);
    EXPECT_EQ(book.komoku_mode[0], 0);
    EXPECT_EQ(book.mark[3][0], 0);
    EXPECT_EQ(book.komoku_kingaku[0], 0);
    EXPECT_EQ(book.komoku_sogaku[0], 0);
    EXPECT_EQ(book.komoku_nin[0], 0);
    EXPECT_TRUE(w->txtKingaku->text().isEmpty());
    EXPECT_TRUE(w->txt1[1]->text().isEmpty());
    EXPECT_EQ(w->txtBoss->text(), QStringLiteral("0"));
    EXPECT_EQ(w->txtHira->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->optBoss->isChecked());
    EXPECT_TRUE(w->fraOkane->isHidden());
    EXPECT_FALSE(w->fraBara->isHidden());
}

} // namespace
