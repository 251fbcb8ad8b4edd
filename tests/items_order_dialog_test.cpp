// The item order dialog driven through its controls, and the item delete
// button, on a main window started as the program starts it.
#include "items/frmKomokuSort.h"
#include "sheet_fixture.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>

namespace {

const QString kNoneChosen = QStringLiteral("一個も 選んで おまへんで ？  並べ替え できしまへん!!");
const QString kLeftOver = QStringLiteral("まだ 残ってまっせ？  ぜ～んぶ 選んでヤ !!");

class ItemOrder : public SheetTest {
protected:
    // Three items: 会費 (割勘, members 0 and 2 marked), 歓送会 (任意, amounts
    // above 32767), お祝い (割勘, member 1 marked).
    void SetUp() override {
        SheetTest::SetUp();
        const char16_t* titles[] = {u"会費", u"歓送会", u"お祝い"};
        for (int j = 0; j < 3; ++j) book.komoku_name[j] = QString::fromUtf16(titles[j]);
        book.komoku_mode = {1, 0, 1};
        book.komoku_kingaku[0] = 500;
        book.komoku_nin[0] = 2;
        book.komoku_sogaku[0] = 1000;
        book.komoku_kingaku[2] = 3000;
        book.mark[0][0] = book.mark[2][0] = book.mark[1][2] = 1;
        book.member_kingaku[0][1] = 40000;
        book.member_kingaku[3][1] = 1200;
        for (int j = 3; j < kItems; ++j) book.komoku_mode[j] = 1;
        start(5);
        dialog = w->komoku_sort_form;
        ASSERT_NE(dialog, nullptr) << "loaded when the main window became active";
    }

    // QTest::qWaitForWindowActive counts a dialog as active while its owner
    // is: this waits for the dialog itself.
    static bool wait_active(QWidget* window) {
        for (int i = 0; i < 200 && QApplication::activeWindow() != window; ++i) QTest::qWait(5);
        return QApplication::activeWindow() == window;
    }
    void open_dialog() {
        w->komoku_sort_Click();
        ASSERT_TRUE(wait_active(dialog));
    }

    static QStringList texts(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void pick(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
        ASSERT_TRUE(found.front()->isSelected());
    }
    // A double click as the user makes it: press and release, then the
    // double click.
    static void double_click(QListWidget* list, const QString& text) {
        pick(list, text);
        const QPoint at =
            list->visualItemRect(list->findItems(text, Qt::MatchExactly).front()).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    static void enter(QListWidget* list) { QTest::keyClick(list, Qt::Key_Return); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    frmKomokuSort* dialog = nullptr;
};

TEST_F(ItemOrder, LayoutOfTheDialog) {
    open_dialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("引き去り項目 の 並べ替え"));
    EXPECT_EQ(dialog->lstKomoku->objectName(), QStringLiteral("lstKomoku"));
    EXPECT_EQ(dialog->lstSelectKomoku->objectName(), QStringLiteral("lstSelectKomoku"));
    struct Control {
        QWidget* widget;
        QString caption, tooltip;
        QRect place;
    };
    const QString list_tip = QStringLiteral("選択は リターンキーでも Ｗクリックでも  \"ＯＫ\"");
    const QString pick_tip = QStringLiteral("選択は Ｗクリックでも リターンキーでも ”ＯＫ”");
    const Control controls[] = {
        {dialog->Label1, QStringLiteral("仮ソートした 順序"), {}, {720, 240, 2175, 255}},
        {dialog->lstKomoku, {}, list_tip, {240, 600, 2895, 3660}},
        {dialog->cmdSelct, QStringLiteral("＞＞"), pick_tip, {3480, 600, 615, 375}},
        {dialog->cmdUnselect, QStringLiteral("＜＜"), {}, {3480, 1320, 615, 375}},
        {dialog->cmdKakutei, QStringLiteral("確定"), {}, {3480, 2040, 735, 495}},
        {dialog->cmdOjan, QStringLiteral("オジャン"), {}, {3480, 2880, 735, 495}},
        {dialog->cmdYame, QStringLiteral("中止"), {}, {3480, 3720, 735, 495}},
        {dialog->Label2, QStringLiteral("新しい順序"), {}, {5160, 240, 1455, 255}},
        {dialog->lstSelectKomoku, {}, {}, {4440, 600, 2775, 3660}},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.widget->objectName().toStdString());
        EXPECT_EQ(c.widget->parentWidget(), dialog->frame);
        EXPECT_EQ(c.widget->geometry(),
                  ui::twips_rect(c.place.x(), c.place.y(), c.place.width(), c.place.height()));
        EXPECT_EQ(c.widget->toolTip(), c.tooltip);
        if (auto* b = qobject_cast<QPushButton*>(c.widget)) {
            EXPECT_EQ(b->text(), c.caption);
        } else if (auto* l = qobject_cast<QLabel*>(c.widget)) {
            EXPECT_EQ(l->text(), c.caption);
        }
        // Nothing sticks out of the frame.
        EXPECT_TRUE(dialog->frame->rect().contains(c.widget->geometry()));
    }
    EXPECT_TRUE(dialog->rect().contains(dialog->frame->geometry()));
}

TEST_F(ItemOrder, PlaceTakeBackStartOverRefuseAndConfirm) {
    book.cur_komoku = 1;
    w->gamen_kosin();
    open_dialog();
    EXPECT_EQ(texts(dialog->lstKomoku), QStringList({"会費", "歓送会", "お祝い"}));
    EXPECT_TRUE(texts(dialog->lstSelectKomoku).isEmpty());
    EXPECT_EQ(book.sort_komoku_name[2], QStringLiteral("お祝い"));
    EXPECT_EQ(book.sort_order[0], 100);

    // Nothing chosen yet: the first refusal, and the dialog stays.
    click(dialog->cmdKakutei);
    EXPECT_EQ(boxes(), Boxes({{kNoneChosen, ui::Icon::Exclamation}}));
    EXPECT_FALSE(dialog->isHidden());

    // ＞＞ and a double click place; ＞＞ with nothing selected does nothing.
    pick(dialog->lstKomoku, QStringLiteral("お祝い"));
    click(dialog->cmdSelct);
    click(dialog->cmdSelct);
    double_click(dialog->lstKomoku, QStringLiteral("会費"));
    EXPECT_EQ(texts(dialog->lstKomoku), QStringList({"歓送会"}));
    EXPECT_EQ(texts(dialog->lstSelectKomoku), QStringList({"お祝い", "会費"}));

    // An item left over: the second refusal.
    click(dialog->cmdKakutei);
    EXPECT_EQ(boxes(), Boxes({{kLeftOver, ui::Icon::Exclamation}}));

    // Enter in the right list takes back, to the end of the left list; a
    // double click there does nothing.
    pick(dialog->lstSelectKomoku, QStringLiteral("お祝い"));
    enter(dialog->lstSelectKomoku);
    EXPECT_EQ(texts(dialog->lstKomoku), QStringList({"歓送会", "お祝い"}));
    double_click(dialog->lstSelectKomoku, QStringLiteral("会費"));
    EXPECT_EQ(texts(dialog->lstSelectKomoku), QStringList({"会費"}));

    // オジャン starts over in slot order.
    click(dialog->cmdOjan);
    EXPECT_EQ(texts(dialog->lstKomoku), QStringList({"会費", "歓送会", "お祝い"}));
    EXPECT_TRUE(texts(dialog->lstSelectKomoku).isEmpty());

    // Third, first, second with Enter in the left list, then 確定.
    for (const char* title : {"お祝い", "会費", "歓送会"}) {
        pick(dialog->lstKomoku, QString::fromUtf8(title));
        enter(dialog->lstKomoku);
    }
    click(dialog->cmdKakutei);
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(dialog->isHidden());

    EXPECT_EQ(book.komoku_name[0], QStringLiteral("お祝い"));
    EXPECT_EQ(book.komoku_name[1], QStringLiteral("会費"));
    EXPECT_EQ(book.komoku_name[2], QStringLiteral("歓送会"));
    EXPECT_EQ(book.komoku_mode[2], 0);
    EXPECT_EQ(book.member_kingaku[0][2], 40000);
    EXPECT_EQ(book.komoku_kingaku[1], 500);
    EXPECT_EQ(book.mark[2][1], 1);
    EXPECT_EQ(book.cur_komoku, 0);
    // The sheet shows the new first item.
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("お祝い"));
    EXPECT_EQ(w->txtKomokuNo->text(), QStringLiteral(" 1"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("3000"));
    EXPECT_TRUE(w->chk1[1]->isChecked());
    EXPECT_FALSE(w->chk1[0]->isChecked());

    // Saved and started again, the new order is there.
    w->file_all_hozon_Click();
    EXPECT_EQ(boxes(),
              Boxes({{QStringLiteral("データ保存 してもうた ！"), ui::Icon::Information}}));
    Book again;
    frmTavu restarted(again);
    restarted.Form_Load();
    EXPECT_EQ(again.komoku_name[0], QStringLiteral("お祝い"));
    EXPECT_EQ(again.komoku_name[2], QStringLiteral("歓送会"));
    EXPECT_EQ(again.member_kingaku[0][2], 40000);
}

TEST_F(ItemOrder, ActivatingEitherWindowStartsOverOrHidesTheDialog) {
    open_dialog();
    pick(dialog->lstKomoku, QStringLiteral("会費"));
    click(dialog->cmdSelct);
    ASSERT_EQ(dialog->lstSelectKomoku->count(), 1);

    // The main window becomes active: the dialog hides.
    w->activateWindow();
    ASSERT_TRUE(wait_active(w.get()));
    EXPECT_TRUE(dialog->isHidden());

    // Opened again, it starts from the book as it is now.
    book.komoku_name[3] = QStringLiteral("新年会");
    open_dialog();
    EXPECT_EQ(texts(dialog->lstKomoku), QStringList({"会費", "歓送会", "お祝い", "新年会"}));
    EXPECT_EQ(dialog->lstSelectKomoku->count(), 0);

    // 中止 changes nothing.
    pick(dialog->lstKomoku, QStringLiteral("お祝い"));
    click(dialog->cmdSelct);
    click(dialog->cmdYame);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("会費"));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ItemOrder, DelRemovesTheItemOnTheSheetAndStepsBack) {
    show_item(1);
    w->txtKomoku->setText(QStringLiteral("typed, never committed"));
    book.hozon_flag = -1;
    click(w->cmdKomokuDel);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(book.hozon_flag, 0);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(book.komoku_name[1], QStringLiteral("お祝い"));
    EXPECT_EQ(book.mark[1][1], 1);
    EXPECT_EQ(book.komoku_name[2], QString());
    EXPECT_EQ(book.komoku_mode[2], 1);
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("会費"));

    // Deleting the first item stays on the first slot.
    click(w->cmdKomokuDel);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("お祝い"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("3000"));
}

} // namespace
