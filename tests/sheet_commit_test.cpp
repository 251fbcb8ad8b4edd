// Committing the item on the sheet: every refusal with its message and
// focus, what reaches the book, the mark-count check, and the limits the
// book holds amounts and titles to.
#include "sheet_fixture.h"

namespace {

class Commit : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start();
    }
    // A titled equal-split item ready to be stored.
    void fill_kinto(const QString& title, const QString& total, const QString& heads,
                    const QString& share) {
        w->txtKomoku->setText(title);
        w->txtSogaku->setText(total);
        w->txtNin->setText(heads);
        w->txtKingaku->setText(share);
    }
    void switch_to_bara() { w->optBara->setChecked(true); }
};

TEST_F(Commit, StoresTitledEqualSplitItem) {
    fill_kinto(QStringLiteral("  忘年会  "), QStringLiteral("１００００"), QStringLiteral("3"),
               QStringLiteral("3400"));
    for (int i : {0, 4, 9}) w->chk1[i]->setChecked(true);
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(w->ninzu_check(0), 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("忘年会"));
    EXPECT_EQ(book.komoku_mode[0], 1);
    EXPECT_EQ(book.komoku_sogaku[0], 10000);
    EXPECT_EQ(book.komoku_nin[0], 3);
    EXPECT_EQ(book.komoku_kingaku[0], 3400);
    for (int i = 0; i < kMembers; ++i) EXPECT_EQ(book.mark[i][0], (i == 0 || i == 4 || i == 9));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Commit, EqualSplitRefusals) {
    struct Case {
        const char16_t *title, *total, *heads, *share;
        QString message; // empty: none shown (the box held -1)
        ui::TextBox* frmTavu::*focus;
    };
    const QString no_share = two_lines(u"集金額が ありまへん ！", u"金額をいれてや ！");
    const Case cases[] = {
        {u"会費", u"1,000", u"", u"500", kNotDigits, &frmTavu::txtSogaku},
        {u"会費", u"-1", u"", u"500", QString(), &frmTavu::txtSogaku},
        {u"会費", u"", u"", u"５百", kNotDigits, &frmTavu::txtKingaku},
        {u"会費", u"", u"", u"", no_share, &frmTavu::txtKingaku},
        {u"会費", u"", u"", u"0", no_share, &frmTavu::txtKingaku},
        {u"会費", u"", u"x", u"500", kNotDigits, &frmTavu::txtNin},
        {u"会費", u"", u"0", u"500", kHeadCount, &frmTavu::txtNin},
        {u"会費", u"", u"97", u"500", kHeadCount, &frmTavu::txtNin},
        {u"会費", u"", u"-3", u"500", kHeadCount, &frmTavu::txtNin},
        // The head count is checked on untitled items too.
        {u"", u"", u"97", u"", kHeadCount, &frmTavu::txtNin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.total + 0).toStdString() + " / " +
                     QString::fromUtf16(c.heads).toStdString() + " / " +
                     QString::fromUtf16(c.share).toStdString());
        fill_kinto(QString::fromUtf16(c.title), QString::fromUtf16(c.total),
                   QString::fromUtf16(c.heads), QString::fromUtf16(c.share));
        w->cmdNext->setFocus();
        EXPECT_EQ(w->newdata_memo(0), -1);
        const Boxes shown = boxes();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(shown.empty());
        } else {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].first, c.message);
            EXPECT_EQ(shown[0].second, ui::Icon::Critical);
        }
        EXPECT_EQ(focus(), w.get()->*c.focus);
        EXPECT_TRUE(book.komoku_name[0].isEmpty());
        EXPECT_EQ(book.komoku_kingaku[0], 0); // nothing stored
    }
}

TEST_F(Commit, UntitledItems) {
    // Marks without a title.
    w->chk1[2]->setChecked(true);
    w->cmdNext->setFocus();
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が おまへんで ！", u"マークだけでは　あきまへん ！"),
                      ui::Icon::Question}}));
    EXPECT_EQ(focus(), w->cmdNext);
    w->chk1[2]->setChecked(false);

    // An empty item in the middle of the list.
    book.komoku_name[1] = QStringLiteral("次の会");
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が ありまへん ！", u"消すのは Ｄｅｌボタン やで ！"),
                      ui::Icon::Question}}));
    EXPECT_EQ(focus(), w->txtKomoku);
    // Name editing stores it as it is.
    EXPECT_EQ(w->newdata_memo(100), 0);
    EXPECT_TRUE(boxes().empty());

    // Amounts without a title.
    book.komoku_name[1].clear();
    switch_to_bara();
    w->txt1[3]->setText(QStringLiteral("500"));
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_EQ(boxes(),
              (Boxes{{two_lines(u"「項 目」 が おまへんで ！", u"金額だけ　入ってまっせ ！"),
                      ui::Icon::Question}}));
    // Nothing above 0: stored as an empty item.
    w->txt1[3]->setText(QStringLiteral("0"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.komoku_mode[0], 0);
}

TEST_F(Commit, IndividualAmounts) {
    switch_to_bara();
    w->txtKomoku->setText(QStringLiteral("餞別"));
    w->txt1[0]->setText(QStringLiteral("１５００"));
    w->txt1[1]->setText(QStringLiteral("12.5"));
    w->txt1[2]->setText(QStringLiteral("13.5"));
    w->txt1[3]->setText(QStringLiteral("-300"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.member_kingaku[0][0], 1500);
    EXPECT_EQ(book.member_kingaku[1][0], 12);
    EXPECT_EQ(book.member_kingaku[2][0], 14);
    EXPECT_EQ(book.member_kingaku[3][0], -300);
    EXPECT_EQ(book.komoku_mode[0], 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("餞別"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Commit, RefusedAmountStoresOnlyTheMembersBeforeIt) {
    switch_to_bara();
    book.komoku_name[0] = QStringLiteral("前の題");
    w->txtKomoku->setText(QStringLiteral("新しい題"));
    w->txt1[0]->setText(QStringLiteral("100"));
    w->txt1[1]->setText(QStringLiteral("200"));
    w->txt1[2]->setText(QStringLiteral("1,500"));
    w->txt1[3]->setText(QStringLiteral("400"));
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_EQ(boxes(), (Boxes{{kNotDigits, ui::Icon::Critical}}));
    EXPECT_EQ(focus(), w->txt1[2]);
    EXPECT_EQ(book.member_kingaku[0][0], 100);
    EXPECT_EQ(book.member_kingaku[1][0], 200);
    EXPECT_EQ(book.member_kingaku[2][0], 0);
    EXPECT_EQ(book.member_kingaku[3][0], 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("前の題"));

    // A box holding -1 is refused without a message.
    w->txt1[2]->setText(QStringLiteral("-1"));
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(focus(), w->txt1[2]);
}

TEST_F(Commit, MarkCountMismatchIsStoredButRefused) {
    fill_kinto(QStringLiteral("歓迎会"), QString(), QStringLiteral("5"), QStringLiteral("3000"));
    for (int i = 0; i < 4; ++i) w->chk1[i]->setChecked(true);
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(w->ninzu_check(0), -1);
    EXPECT_EQ(boxes(),
              (Boxes{{QStringLiteral("マークした数が 違いまっせ！！"), ui::Icon::Critical}}));
    EXPECT_EQ(focus(), w->txtNin);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("歓迎会"));
    EXPECT_EQ(book.komoku_nin[0], 5);
    EXPECT_EQ(book.mark[3][0], 1);

    w->chk1[4]->setChecked(true);
    EXPECT_EQ(w->ninzu_check(0), 0);
    // Without a head count there is nothing to compare.
    w->txtNin->clear();
    w->chk1[5]->setChecked(true);
    EXPECT_EQ(w->ninzu_check(0), 0);
}

TEST_F(Commit, TitlesAreClippedWithoutHalfCharacters) {
    fill_kinto(QStringLiteral("あいうえおかきくけこさ"), {}, {}, QStringLiteral("100"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("あいうえおかきくけこ"));
    w->txtKomoku->setText(QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("abcdefghijklmnopqrst"));
    // 19 bytes then a double-byte character: the half is dropped.
    w->txtKomoku->setText(QStringLiteral("abcdefghijklmnopqrsあ"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("abcdefghijklmnopqrs"));

    // Member names at 12 bytes.
    w->lbl1[0]->setText(QStringLiteral("山田山田山田山"));
    w->lbl1[1]->setText(QStringLiteral("abcdefghijkあ"));
    w->clip_names(12);
    EXPECT_EQ(book.member_name[0], QStringLiteral("山田山田山田"));
    EXPECT_EQ(w->chk1[0]->text(), QStringLiteral("山田山田山田"));
    EXPECT_EQ(w->lbl1[1]->text(), QStringLiteral("abcdefghijk"));
}

TEST_F(Commit, RefusesTitlesTheDataFileCannotHold) {
    fill_kinto(QStringLiteral("新年会🍺"), {}, {}, QStringLiteral("100"));
    w->cmdNext->setFocus();
    EXPECT_EQ(w->newdata_memo(0), -1);
    const Boxes shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].first.contains(QStringLiteral("🍺")));
    EXPECT_EQ(shown[0].second, ui::Icon::Critical);
    EXPECT_EQ(focus(), w->txtKomoku);
    EXPECT_TRUE(book.komoku_name[0].isEmpty());
    EXPECT_EQ(book.komoku_kingaku[0], 0);
}

TEST_F(Commit, RefusesAmountsTheBookCannotHold) {
    // 割額 outside 0..999999 and 総額 beyond 32 bits, titled or not.
    struct Case {
        const char16_t *title, *total, *share;
        ui::TextBox* frmTavu::*focus;
    };
    const Case cases[] = {
        {u"会費", u"2147483648", u"100", &frmTavu::txtSogaku},
        {u"会費", u"99999999999999999999", u"100", &frmTavu::txtSogaku},
        {u"会費", u"", u"1000000", &frmTavu::txtKingaku},
        {u"会費", u"", u"-500", &frmTavu::txtKingaku},
        {u"", u"2147483648", u"", &frmTavu::txtSogaku},
        {u"", u"", u"１００００００", &frmTavu::txtKingaku},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.total).toStdString() + " / " +
                     QString::fromUtf16(c.share).toStdString());
        fill_kinto(QString::fromUtf16(c.title), QString::fromUtf16(c.total), {},
                   QString::fromUtf16(c.share));
        w->chk1[0]->setFocus();
        EXPECT_EQ(w->newdata_memo(0), -1);
        const Boxes shown = boxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].second, ui::Icon::Critical);
        EXPECT_EQ(focus(), w.get()->*c.focus);
        EXPECT_EQ(book.komoku_sogaku[0], 0);
        EXPECT_EQ(book.komoku_kingaku[0], 0);
        EXPECT_EQ(book.mark[0][0], 0);
    }
    fill_kinto(QStringLiteral("会費"), QStringLiteral("2147483647"), {}, QStringLiteral("999999"));
    EXPECT_EQ(w->newdata_memo(0), 0);
    EXPECT_EQ(book.komoku_sogaku[0], 2147483647);
    EXPECT_EQ(book.komoku_kingaku[0], 999999);

    // Individual amounts: -99999..999999, refused where a non-digit would be.
    switch_to_bara();
    w->txtKomoku->setText(QStringLiteral("会費"));
    w->txt1[0]->setText(QStringLiteral("999999"));
    w->txt1[1]->setText(QStringLiteral("-99999"));
    w->txt1[2]->setText(QStringLiteral("1000000"));
    w->txt1[3]->setText(QStringLiteral("5"));
    EXPECT_EQ(w->newdata_memo(0), -1);
    Boxes shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].second, ui::Icon::Critical);
    EXPECT_EQ(focus(), w->txt1[2]);
    EXPECT_EQ(book.member_kingaku[0][0], 999999);
    EXPECT_EQ(book.member_kingaku[1][0], -99999);
    EXPECT_EQ(book.member_kingaku[2][0], 0);
    EXPECT_EQ(book.member_kingaku[3][0], 0);
    w->txt1[2]->setText(QStringLiteral("-100000"));
    EXPECT_EQ(w->newdata_memo(0), -1);
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(focus(), w->txt1[2]);
}

} // namespace
