// Moving between the items with Ｎｅｘｔ, Ｂａｃｋ and Enter in the title box.
#include "sheet_fixture.h"

namespace {

class Paging : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start();
    }
};

TEST_F(Paging, NextCommitsAndMovesOn) {
    w->txtKomoku->setText(QStringLiteral("忘年会"));
    w->txtKingaku->setText(QStringLiteral("5000"));
    QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    EXPECT_EQ(book.cur_komoku, 1);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("忘年会"));
    EXPECT_EQ(book.komoku_kingaku[0], 5000);
    EXPECT_EQ(w->txtKomokuNo->text(), QStringLiteral(" 2"));
    EXPECT_TRUE(w->txtKomoku->text().isEmpty());

    QTest::mouseClick(w->cmdBack, Qt::LeftButton);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("忘年会"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Paging, TypedPeriodAndPersonInChargeSurviveMovingToAnotherItem) {
    w->txtNengetu->insert(QStringLiteral("2027年1月")); // typed through an input method
    w->txtMotojime->insert(QStringLiteral("幹事 佐藤"));
    w->cmdNext->click();
    EXPECT_EQ(w->txtNengetu->text(), QStringLiteral("2027年1月"));
    EXPECT_EQ(w->txtMotojime->text(), QStringLiteral("幹事 佐藤"));
    EXPECT_EQ(book.nengetu, QStringLiteral("2027年1月"));
    EXPECT_EQ(book.motojime, QStringLiteral("幹事 佐藤"));
}

TEST_F(Paging, EnterInTheTitleActsAsNext) {
    w->txtKomoku->setFocus();
    QTest::keyClicks(w->txtKomoku, QStringLiteral("abc"));
    w->txtKingaku->setText(QStringLiteral("100"));
    QTest::keyClick(w->txtKomoku, Qt::Key_Return);
    EXPECT_EQ(book.cur_komoku, 1);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("abc"));
    w->txtKomoku->setText(QStringLiteral("def"));
    w->txtKingaku->setText(QStringLiteral("100"));
    QTest::keyClick(w->txtKomoku, Qt::Key_Enter); // the keypad's Enter
    EXPECT_EQ(book.cur_komoku, 2);
    EXPECT_EQ(book.komoku_name[1], QStringLiteral("def"));
}

TEST_F(Paging, EndsOfTheListCommitButStay) {
    book.komoku_mode[19] = 1;
    show_item(19);
    w->txtKomoku->setText(QStringLiteral("最後"));
    w->txtKingaku->setText(QStringLiteral("100"));
    w->txtNin->setText(QStringLiteral("2"));
    w->chk1[0]->setChecked(true);
    w->chk1[1]->setChecked(true);
    w->cmdNext->click();
    EXPECT_EQ(book.cur_komoku, 19);
    EXPECT_EQ(book.komoku_name[19], QStringLiteral("最後"));
    EXPECT_EQ(book.mark[1][19], 1);
    EXPECT_TRUE(boxes().empty());

    show_item(0);
    w->txtKomoku->setText(QStringLiteral("最初"));
    w->txtKingaku->setText(QStringLiteral("100"));
    w->cmdBack->click();
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("最初"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Paging, RefusalsKeepTheItem) {
    // A marked count that differs from the head count: stored, but not left.
    w->txtKomoku->setText(QStringLiteral("会"));
    w->txtKingaku->setText(QStringLiteral("100"));
    w->txtNin->setText(QStringLiteral("5"));
    for (int i = 0; i < 4; ++i) w->chk1[i]->setChecked(true);
    w->cmdNext->click();
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("会"));
    EXPECT_EQ(boxes(),
              (Boxes{{QStringLiteral("マークした数が 違いまっせ！！"), ui::Icon::Critical}}));
    w->cmdBack->click();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(focus(), w->txtNin);
}

TEST_F(Paging, BackFromAnEmptiedMiddleItem) {
    book.komoku_name[2] = QStringLiteral("三番");
    book.komoku_name[3] = QStringLiteral("四番");
    book.komoku_kingaku[2] = 700;
    book.komoku_mode[2] = 1;
    show_item(2);
    w->txtKomoku->clear();
    w->cmdBack->click();
    // Ｂａｃｋ refuses before committing, with its own icon.
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が ありまへん ！", u"消すのは Ｄｅｌボタン やで ！"),
                      ui::Icon::Critical}}));
    EXPECT_EQ(focus(), w->txtKomoku);
    EXPECT_EQ(book.cur_komoku, 2);
    EXPECT_EQ(book.komoku_name[2], QStringLiteral("三番"));
    // Ｎｅｘｔ is refused by the commit.
    w->cmdNext->click();
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が ありまへん ！", u"消すのは Ｄｅｌボタン やで ！"),
                      ui::Icon::Question}}));
    EXPECT_EQ(book.cur_komoku, 2);

    // On item 1 the commit's own check speaks, with the question icon.
    book.komoku_name[1] = QStringLiteral("二番");
    show_item(0);
    w->cmdBack->click();
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が ありまへん ！", u"消すのは Ｄｅｌボタン やで ！"),
                      ui::Icon::Question}}));
}

} // namespace
