// The 集金チェック window over a saved book, as the organizer uses it:
// clicks, Space, a typed amount, 全部受け取った, the filter and search,
// Ctrl+Z, the save and a new start, the delete questions, and entries set
// aside when the names no longer match.

#include "app/app_exit.h"
#include "app/features.h"
#include "book/data_files.h"
#include "book/payments.h"
#include "book/payments_file.h"
#include "payments/frmSyukin.h"
#include "payments/payments_feature.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

const QDate kDay(2026, 12, 8);

class PaymentsWindowTest : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        // Six members; item 1 splits 1000 among members 1..4, item 2 asks
        // each member their own amount, item 3 has no charges yet.
        Book saved;
        for (int m = 0; m < 6; ++m) saved.member_name[m] = QStringLiteral("人%1").arg(m + 1);
        saved.komoku_name[0] = QStringLiteral("忘年会");
        saved.komoku_mode[0] = 1;
        saved.komoku_kingaku[0] = 1000;
        saved.komoku_nin[0] = 4;
        for (int m = 0; m < 4; ++m) saved.mark[m][0] = 1;
        saved.komoku_name[1] = QStringLiteral("お歳暮");
        saved.komoku_mode[1] = 0;
        for (int m = 0; m < 6; ++m) saved.member_kingaku[m][1] = 500 + 100 * m;
        saved.komoku_name[2] = QStringLiteral("予備");
        saved.komoku_mode[2] = 1;
        ASSERT_EQ(write_file_atomically(QStringLiteral("allitem.hrm"), pair_swap(data_text(saved))),
                  WriteResult::Ok);
        start();
    }
    void TearDown() override {
        w.reset();
        TempWorkdir::TearDown();
    }

    void start() {
        w.reset();
        book = std::make_unique<Book>();
        w = std::make_unique<frmTavu>(*book);
        const app::Features features = app::attach_features(*w);
        w->Form_Load();
        w->show();
        w->syukin_check->trigger();
        s = features.payments->window();
        ASSERT_NE(s, nullptr);
        QApplication::setActiveWindow(s);
        s->dtpHiduke->setDate(kDay);
    }

    QModelIndex cell(int member, int item) const {
        return s->filter.mapFromSource(s->model.index_of(member, item));
    }
    void click(int member, int item) {
        const QModelIndex at = cell(member, item);
        s->grdSyukin->scrollTo(at);
        QTest::mouseClick(s->grdSyukin->viewport(), Qt::LeftButton, {},
                          s->grdSyukin->visualRect(at).center());
    }
    qint64 received(int member, int item) const {
        return book->payments.cell[member][item].received;
    }
    QStringList row_names() const {
        QStringList out;
        for (int r = 0; r < s->filter.rowCount(); ++r)
            out << s->filter.index(r, 0).data(payments::NameRole).toString();
        return out;
    }

    ui::MessageScript script;
    app::ExitRecorder exits;
    std::unique_ptr<Book> book;
    std::unique_ptr<frmTavu> w;
    frmSyukin* s = nullptr;
};

TEST_F(PaymentsWindowTest, TickingPaymentsSavingAndStartingAgain) {
    // Rows for members who owe, columns for titled items and the totals.
    EXPECT_EQ(row_names().size(), 6);
    EXPECT_EQ(s->model.columnCount(), 3 + payments::kSumColumns);
    EXPECT_EQ(cell(0, 0).data().toString(), QStringLiteral("× 1,000"));
    EXPECT_EQ(s->lblGoukei->text(),
              QStringLiteral("集める額 8,500円　　受け取った 0円　　残り 8,500円"));

    // A click records the amount as received on the chosen day, marks the
    // book unsaved; a second click takes it back.
    book->hozon_flag = -1;
    click(0, 0);
    EXPECT_EQ(received(0, 0), 1000);
    EXPECT_EQ(book->payments.cell[0][0].date, kDay);
    EXPECT_EQ(book->hozon_flag, 0);
    EXPECT_EQ(cell(0, 0).data().toString(), QStringLiteral("○ 1,000"));
    click(0, 0);
    EXPECT_FALSE(book->payments.cell[0][0].recorded());

    // Space on the current cell; a typed amount is a part payment.
    s->grdSyukin->setFocus();
    s->grdSyukin->setCurrentIndex(cell(1, 1));
    QTest::keyClick(s->grdSyukin, Qt::Key_Space);
    EXPECT_EQ(received(1, 1), 600);
    s->grdSyukin->setCurrentIndex(cell(2, 1));
    QTest::keyClick(s->grdSyukin, Qt::Key_3); // the first digit opens the cell
    auto* editor = s->grdSyukin->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("00"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the delegate commits a moment later
    EXPECT_EQ(received(2, 1), 300);
    EXPECT_EQ(cell(2, 1).data(payments::StateRole).toInt(), int(PayState::Partly));
    EXPECT_EQ(cell(2, 1).data().toString(), QStringLiteral("△ 700"));

    // 全部受け取った takes every open amount of the current member at once,
    // the part payment made whole.
    s->grdSyukin->setCurrentIndex(cell(2, 0));
    s->cmdZenbu->click();
    EXPECT_EQ(received(2, 0), 1000);
    EXPECT_EQ(received(2, 1), 700);
    EXPECT_EQ(s->lblGoukei->text(),
              QStringLiteral("集める額 8,500円　　受け取った 2,300円　　残り 6,200円"));

    // Filter and search.
    s->chkMadaDake->setChecked(true);
    EXPECT_EQ(row_names(), (QStringList{"人1", "人2", "人4", "人5", "人6"}));
    s->txtSagasu->setText(QStringLiteral("人 5"));
    EXPECT_EQ(row_names(), QStringList{QStringLiteral("人5")});
    s->txtSagasu->clear();

    // Ctrl+Z undoes the last action as a whole, then the one before.
    s->grdSyukin->setFocus();
    QTest::keyClick(s->grdSyukin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(received(2, 0), 0);
    EXPECT_EQ(received(2, 1), 300);
    EXPECT_EQ(row_names().size(), 6); // member 3 owes again
    QTest::keyClick(s->grdSyukin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(received(2, 1), 0);
    s->chkMadaDake->setChecked(false);

    // The save writes the payments beside the book; a new start finds them.
    w->file_all_hozon_Click();
    EXPECT_EQ(book->hozon_flag, -1);
    EXPECT_TRUE(exists(QStringLiteral("allitem.pay")));
    script.shown.clear();
    start();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(received(1, 1), 600);
    EXPECT_EQ(book->payments.cell[1][1].date, kDay);
    EXPECT_EQ(cell(1, 1).data().toString(), QStringLiteral("○ 600"));
}

TEST_F(PaymentsWindowTest, DeletionsAskAndRenamedMembersAreSetAside) {
    click(1, 0);
    click(5, 1);
    ASSERT_EQ(received(1, 0), 1000);
    ASSERT_EQ(received(5, 1), 1000);

    // Deleting item 1 or member 2 asks, with what was received; No keeps them.
    script.answer(ui::Answer::No);
    w->cmdKomokuDel_Click();
    w->hensyu_name_Click();
    book->name_no = 2;
    w->CmdName_Del_Click();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(
        script.shown[0].text,
        QStringLiteral("「忘年会」には もう 1,000円 受け取ってまっせ ！\r\n\r\n消したら その "
                       "受け取りの 記録も 一緒に 消えてまうで。\r\n\r\nほんまに 消しまっか ？"));
    EXPECT_TRUE(script.shown[1].text.startsWith(
        QStringLiteral("「人2」さんからは もう 1,000円 受け取ってまっせ ！")));
    EXPECT_EQ(received(1, 0), 1000);

    // Member 5 has paid nothing and goes without a question; member 6's
    // payment moves up with them, and the window follows.
    script.shown.clear();
    book->name_no = 5;
    w->CmdName_Del_Click();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(received(4, 1), 1000);
    EXPECT_FALSE(book->payments.cell[5][1].recorded());
    EXPECT_EQ(cell(4, 1).data().toString(), QStringLiteral("○ 1,000"));
    w->cmdGetname_yame_Click();
    w->file_all_hozon_Click();

    // The file now lies beside a book where 人2 was renamed: that payment is
    // set aside and shown, never credited to the new name.
    Book saved;
    ASSERT_EQ(hrm_read(saved), ReadResult::Ok);
    saved.member_name[1] = QStringLiteral("別の人");
    ASSERT_EQ(write_file_atomically(QStringLiteral("allitem.hrm"), pair_swap(data_text(saved))),
              WriteResult::Ok);
    script.shown.clear();
    start();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("1 件")));
    EXPECT_FALSE(book->payments.cell[1][0].recorded());
    EXPECT_EQ(received(4, 1), 1000);
    EXPECT_FALSE(s->fraYoke->isHidden());
    ASSERT_EQ(s->lstYoke->count(), 1);

    // Assigned to the cell the user picks, or dropped; undo brings it back.
    s->lstYoke->setCurrentRow(0);
    s->grdSyukin->setCurrentIndex(cell(1, 0));
    s->cmdTukeru->click();
    EXPECT_EQ(received(1, 0), 1000);
    EXPECT_TRUE(s->fraYoke->isHidden());
    s->undo.undo();
    EXPECT_EQ(s->lstYoke->count(), 1);
    s->lstYoke->setCurrentRow(0);
    s->cmdSuteru->click();
    EXPECT_TRUE(book->payments.set_aside.empty());
    EXPECT_FALSE(book->payments.cell[1][0].recorded());

    // A book opened read-only takes no payment: the guard says why.
    w->write_guard = WriteGuard::read_only(WriteGuard::Reason::HeldByAnother);
    script.shown.clear();
    click(0, 0);
    EXPECT_FALSE(book->payments.cell[0][0].recorded());
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("集金の 記録 は でけへんで")));
}

// What could credit money to the wrong person or the wrong amount asks or
// refuses first: a typed text that is no amount, a renamed row, a mode
// switch on an item with payments.
TEST_F(PaymentsWindowTest, AmountsRenamesAndModeSwitchesNeverMisplaceMoney) {
    click(0, 0);
    ASSERT_EQ(received(0, 0), 1000);

    // A grouped full-width amount is the number it shows; a text that is no
    // amount is refused in a message and the payment stays.
    EXPECT_TRUE(
        s->model.setData(s->model.index_of(1, 1), QStringLiteral("５，０００"), Qt::EditRole));
    EXPECT_EQ(received(1, 1), 5000);
    script.shown.clear();
    s->grdSyukin->setFocus();
    s->grdSyukin->setCurrentIndex(cell(0, 0));
    QTest::keyClick(s->grdSyukin, Qt::Key_X);
    auto* editor = s->grdSyukin->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(received(0, 0), 1000);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("「x」は 金額に 読まれへんで ！")));

    // Switching 忘年会 (割勘, 1,000 received) to 任意 asks, naming the amount;
    // No keeps the mode and the marks.
    script.shown.clear();
    script.answer(ui::Answer::No);
    w->optBara->click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(
        QStringLiteral("「忘年会」には もう 1,000円 受け取ってまっせ ！")));
    EXPECT_EQ(book->komoku_mode[0], 1);
    EXPECT_TRUE(w->optKinto->isChecked());
    EXPECT_EQ(book->mark[0][0], 1);
    // An item without payments switches without a word.
    script.shown.clear();
    w->cmdNext_Click();
    w->cmdNext_Click();
    ASSERT_EQ(book->cur_komoku, 2);
    w->optBara->click();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(book->komoku_mode[2], 0);

    // 人1 renamed in name editing: the 1,000 goes aside, told, and the new
    // person owes from nothing.
    script.shown.clear();
    w->hensyu_name_Click();
    book->name_no = 1;
    w->txtName_Input->setText(QStringLiteral("新人"));
    w->cmdGetname_yame_Click();
    EXPECT_FALSE(book->payments.cell[0][0].recorded());
    ASSERT_EQ(book->payments.set_aside.size(), 1u);
    EXPECT_EQ(book->payments.set_aside[0].name, QStringLiteral("人1"));
    EXPECT_EQ(book->payments.set_aside[0].received, 1000);
    ASSERT_FALSE(script.shown.empty());
    EXPECT_TRUE(script.shown.back().text.startsWith(
        QStringLiteral("名前が 変わった 1人分の 受け取り、 合わせて 1,000円 は")));
    EXPECT_EQ(s->lstYoke->count(), 1);
}

} // namespace
