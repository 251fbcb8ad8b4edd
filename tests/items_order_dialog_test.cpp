// The item order dialog driven through its controls, and Ｄｅｌ, on a main
// window started as the program starts it.
#include "items/frmKomokuSort.h"
#include "sheet_fixture.h"

#include <QDialog>
#include <QListWidget>

namespace {

class ItemOrder : public SheetTest {
protected:
    // 会費 (割勘, members 0 and 2 marked), 歓送会 (任意, 40000 for member 0),
    // お祝い (割勘 3000, member 1 marked).
    void SetUp() override {
        SheetTest::SetUp();
        book.komoku_name[0] = QStringLiteral("会費");
        book.komoku_name[1] = QStringLiteral("歓送会");
        book.komoku_name[2] = QStringLiteral("お祝い");
        book.komoku_mode.fill(1);
        book.komoku_mode[1] = 0;
        book.komoku_kingaku[0] = 500;
        book.komoku_kingaku[2] = 3000;
        book.mark[0][0] = book.mark[2][0] = book.mark[1][2] = 1;
        book.member_kingaku[0][1] = 40000;
        start(5);
        dialog = w->komoku_sort_form;
        ASSERT_NE(dialog, nullptr) << "loaded when the main window became active";
    }

    static QPoint at(QListWidget* list, const char* text) {
        const auto found = list->findItems(QString::fromUtf8(text), Qt::MatchExactly);
        return found.size() == 1 ? list->visualItemRect(found.front()).center() : QPoint(-1, -1);
    }
    static void pick(QListWidget* list, const char* text) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(list, text));
    }
    // As the user makes it: a click, then the double click.
    static void double_click(QListWidget* list, const char* text) {
        pick(list, text);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(list, text));
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    frmKomokuSort* dialog = nullptr;
};

TEST_F(ItemOrder, PlaceTakeBackStartOverRefuseConfirmAndHide) {
    show_item(1);
    w->komoku_sort->trigger();
    ASSERT_TRUE(wait_active(dialog));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("引き去り項目 の 並べ替え"));
    QListWidget* left = dialog->lstKomoku;
    QListWidget* right = dialog->lstSelectKomoku;
    EXPECT_EQ(texts(left), QStringList({"会費", "歓送会", "お祝い"}));

    click(dialog->cmdKakutei);
    const auto exclamation = ui::Icon::Exclamation;
    EXPECT_EQ(boxes(),
              Boxes({{QStringLiteral("一個も 選んで おまへんで ？  並べ替え できしまへん!!"),
                      exclamation}}));

    // ＞＞ places the selected entry, then has nothing selected; a double
    // click places too.
    pick(left, "お祝い");
    click(dialog->cmdSelct);
    click(dialog->cmdSelct);
    double_click(left, "会費");
    EXPECT_EQ(texts(left), QStringList({"歓送会"}));
    EXPECT_EQ(texts(right), QStringList({"お祝い", "会費"}));

    click(dialog->cmdKakutei);
    EXPECT_EQ(boxes(),
              Boxes({{QStringLiteral("まだ 残ってまっせ？  ぜ～んぶ 選んでヤ !!"), exclamation}}));
    // A real box takes the focus and gives it back when it closes: the
    // arrangement is not started over.
    {
        QDialog box(dialog);
        box.setModal(true);
        box.show();
        ASSERT_TRUE(wait_active(&box));
        box.hide();
        dialog->activateWindow();
        ASSERT_TRUE(wait_active(dialog));
    }
    EXPECT_EQ(texts(right), QStringList({"お祝い", "会費"}));

    // Enter on the right list takes back, to the end of the left list; a
    // double click there does nothing.
    pick(right, "お祝い");
    QTest::keyClick(right, Qt::Key_Return);
    double_click(right, "会費");
    EXPECT_EQ(texts(left), QStringList({"歓送会", "お祝い"}));
    EXPECT_EQ(texts(right), QStringList({"会費"}));

    click(dialog->cmdOjan);
    EXPECT_EQ(texts(left), QStringList({"会費", "歓送会", "お祝い"}));
    EXPECT_EQ(right->count(), 0);

    // Third, first, second with Enter on the left list.
    for (const char* title : {"お祝い", "会費", "歓送会"}) {
        pick(left, title);
        QTest::keyClick(left, Qt::Key_Return);
    }
    click(dialog->cmdKakutei);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(book.komoku_name[2], QStringLiteral("歓送会"));
    EXPECT_EQ(book.member_kingaku[0][2], 40000);
    EXPECT_EQ(book.mark[2][1], 1);
    // The sheet shows the new first item.
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(w->txtKomokuNo->text(), QStringLiteral(" 1"));
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("お祝い"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("3000"));
    EXPECT_TRUE(w->chk1[1]->isChecked());

    // Saved and started again, the new order is there.
    w->file_all_hozon_Click();
    Book again;
    frmTavu restarted(again);
    restarted.Form_Load();
    EXPECT_EQ(again.komoku_name[0], QStringLiteral("お祝い"));
    EXPECT_EQ(again.member_kingaku[0][2], 40000);

    // Back on the main window and opened again, the lists start from the
    // book; the main window becoming active hides the dialog.
    w->activateWindow();
    ASSERT_TRUE(wait_active(w.get()));
    w->komoku_sort->trigger();
    ASSERT_TRUE(wait_active(dialog));
    EXPECT_EQ(texts(left), QStringList({"お祝い", "会費", "歓送会"}));
    w->activateWindow();
    ASSERT_TRUE(wait_active(w.get()));
    EXPECT_TRUE(dialog->isHidden());
}

// 確定 with the first item staying first leaves the sheet as it was drawn:
// the book is still marked unsaved, so closing saves the new order.
TEST_F(ItemOrder, ConfirmKeepingTheFirstItemMarksTheBookUnsaved) {
    w->komoku_sort->trigger();
    ASSERT_TRUE(wait_active(dialog));
    for (const char* title : {"会費", "お祝い", "歓送会"}) double_click(dialog->lstKomoku, title);
    click(dialog->cmdKakutei);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(book.komoku_name[1], QStringLiteral("お祝い"));
    EXPECT_EQ(book.hozon_flag, 0);
}

TEST_F(ItemOrder, DelRemovesTheItemOnTheSheetAndStepsBack) {
    show_item(1);
    w->txtKomoku->setText(QStringLiteral("typed, never committed"));
    book.hozon_flag = -1;
    click(w->cmdKomokuDel);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(book.hozon_flag, 0);
    EXPECT_EQ(book.komoku_name[1], QStringLiteral("お祝い"));
    EXPECT_EQ(book.mark[1][1], 1);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("会費"));
}

} // namespace
