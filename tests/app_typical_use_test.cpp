// The organizer's usual round, through the window's own buttons and menus:
// names, one equal-split item worked out by 計算, eight marks, Ｎｅｘｔ,
// 全体保存, then the program started again in the same folder.
#include "app/app_exit.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <memory>

namespace {
const QStringList kNames = {QStringLiteral("佐藤"),     QStringLiteral("鈴木"),
                            QStringLiteral("高橋"),     QStringLiteral("田中"),
                            QStringLiteral("伊藤"),     QStringLiteral("渡辺"),
                            QStringLiteral("山本"),     QStringLiteral("中村"),
                            QStringLiteral("小林部長"), QStringLiteral("ｶﾄｳ")};
}

class TypicalUse : public TempWorkdir {
protected:
    std::unique_ptr<frmTavu> start(Book& book) {
        auto w = std::make_unique<frmTavu>(book);
        w->Form_Load();
        w->show();
        QApplication::setActiveWindow(w.get());
        return w;
    }

    ui::MessageScript script;
    app::ExitRecorder exits;
};

TEST_F(TypicalUse, NamesOneSplitItemSaveAndStartAgain) {
    {
        Book book;
        auto w = start(book);
        ASSERT_TRUE(script.shown.empty());

        // Names, one after the other with Enter, then "終 了".
        w->hensyu_name->trigger();
        for (const QString& name : kNames) {
            w->txtName_Input->setText(name); // as an input method commits it
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(w->txtName_Input, &enter);
        }
        w->cmdGetname_yame->click();
        ASSERT_EQ(book.name_mode, 0);
        // Finishing tells that members changed (their marks start afresh).
        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_EQ(script.shown[0].icon, ui::Icon::Exclamation);
        script.shown.clear();

        w->txtKomoku->setText(QStringLiteral("忘年会"));
        ASSERT_TRUE(w->optKinto->isChecked());
        w->txtSogaku->insert(QStringLiteral("10000"));
        w->txtNin->insert(QStringLiteral("8"));
        w->cmdCalc->click();
        EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("1300"));

        for (int i = 0; i < 8; ++i) w->chk1[i]->click();
        EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 8"));

        w->cmdNext->click();
        EXPECT_EQ(book.cur_komoku, 1);
        EXPECT_EQ(w->txtKomokuNo->text(), QStringLiteral(" 2"));

        // Period and person in charge reach the book only by a save or a
        // print; the redraw of Ｎｅｘｔ shows the book's, so they come last.
        w->txtNengetu->setText(QStringLiteral("2026年12月"));
        w->txtMotojime->setText(QStringLiteral("幹事 山田"));
        w->file_all_hozon->trigger();
        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_EQ(script.shown[0].text, QStringLiteral("データ保存 してもうた ！"));
        EXPECT_EQ(book.hozon_flag, -1);

        // Nothing unsaved: 終了 ends without a question.
        script.shown.clear();
        w->file_end->trigger();
        EXPECT_TRUE(script.shown.empty());
        EXPECT_EQ(exits.count, 1);
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("allitem.hrm")});

    Book book;
    auto w = start(book);
    EXPECT_TRUE(script.shown.empty());
    for (int i = 0; i < kMembers; ++i) {
        const QString expected = i < kNames.size() ? kNames[i] : QString();
        EXPECT_EQ(w->lbl1[i]->text(), expected) << i;
        // An empty slot is saved as one blank, which its check box shows.
        EXPECT_EQ(trim_blanks(w->chk1[i]->text()), expected) << i;
        EXPECT_EQ(w->chk1[i]->isChecked(), i < 8) << i;
        EXPECT_EQ(w->chk1[i]->isHidden(), i >= kNames.size()) << i;
    }
    EXPECT_EQ(w->txtNengetu->text(), QStringLiteral("2026年12月"));
    EXPECT_EQ(w->txtMotojime->text(), QStringLiteral("幹事 山田"));
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("忘年会"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("1300"));
    EXPECT_EQ(w->txtNin->text(), QStringLiteral("8"));
    // The file keeps no total: it comes back as head count times share.
    EXPECT_EQ(book.komoku_sogaku[0], 10400);
    EXPECT_EQ(w->txtSogaku->text(), QStringLiteral("10400"));
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 8"));
    EXPECT_TRUE(w->optKinto->isChecked());
    EXPECT_EQ(book.komoku_name[1], QString());
    EXPECT_EQ(book.hozon_flag, -1);
}
