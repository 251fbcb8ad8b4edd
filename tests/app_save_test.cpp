// 全体保存, 再読込, 終了 and closing the main window: what the user is asked,
// what reaches the data file, and that a save which cannot write never
// passes for one that did.
#include "app/app_exit.h"
#include "app/help_window.h"
#include "book/data_files.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "support/file_size_limit.h"
#include "support/temp_workdir.h"
#include "ui/colors.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <memory>

namespace {

const QString kSaved = QStringLiteral("データ保存 してもうた ！");
const QString kSaveQuestion = QStringLiteral("データを 保存しまっせ ！");
const QString kMarkCount = QStringLiteral("マークした数が 違いまっせ！！");
const QString kReloadQuestion = QStringLiteral("データが  ぜ～んぶ   入れ替わりまっせ ！");
const QString kNoData = QStringLiteral("データ が おまへんネン ！");
const QString kDamaged = QStringLiteral("データが 壊れてんネン！  作り直してヤ ！");
const QString kCloseQuestion =
    QStringLiteral("データにエラーが おます！ \r\n\r\n保存せんで ええの ？？");
const QString kCaption = QStringLiteral("集金管理システム  ＴＡＶＵ");

} // namespace

class SaveTest : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        start();
    }
    void TearDown() override {
        w.reset();
        TempWorkdir::TearDown();
    }

    // A fresh window over a fresh book in the working folder, started as
    // the program starts it.
    void start() {
        w.reset();
        book = std::make_unique<Book>();
        w = std::make_unique<frmTavu>(*book);
        w->Form_Load();
        w->show();
        QApplication::setActiveWindow(w.get());
        script.shown.clear();
    }

    void name(int i, const QString& text) {
        w->lbl1[i]->setText(text);
        w->chk1[i]->setText(text);
        w->chk1[i]->show();
    }

    // Item 1 as a 割勘 item of `count` marked members at 1500 yen each.
    void enter_split_item(int count, const QString& head_count) {
        for (int i = 0; i < count; ++i) name(i, QStringLiteral("人%1").arg(i));
        w->txtKomoku->setText(QStringLiteral("歓迎会"));
        w->txtKingaku->setText(QStringLiteral("1500"));
        w->txtNin->setText(head_count);
        for (int i = 0; i < count; ++i) w->chk1[i]->setChecked(true);
    }

    // The book as the data file holds it now.
    Book saved_book() const {
        Book saved;
        EXPECT_EQ(parse_data_text(pair_swap(read_bytes(QStringLiteral("allitem.hrm"))), saved),
                  ReadResult::Ok);
        return saved;
    }

    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (const ui::ShownBox& b : script.shown) out.push_back(b.text);
        return out;
    }

    ui::MessageScript script;
    app::ExitRecorder exits;
    std::unique_ptr<Book> book;
    std::unique_ptr<frmTavu> w;
};

TEST_F(SaveTest, SaveAllWritesTheWindowIntoTheFileAndSaysSo) {
    enter_split_item(3, QStringLiteral("3"));
    w->txtNengetu->clear();
    w->txtMotojime->setText(QStringLiteral("  総務 田中 "));
    w->file_all_hozon_Click();

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kSaved);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Information);
    EXPECT_EQ(script.shown[0].title, ui::kAppTitle);
    EXPECT_EQ(book->hozon_flag, -1);
    EXPECT_EQ(files(), QStringList{QStringLiteral("allitem.hrm")});

    const Book saved = saved_book();
    EXPECT_EQ(saved.member_name[0], QStringLiteral("人0"));
    EXPECT_EQ(saved.member_name[3], QStringLiteral(" "));      // an empty row is one blank
    EXPECT_EQ(saved.nengetu, QStringLiteral(" "));             // an empty box is one blank
    EXPECT_EQ(saved.motojime, QStringLiteral("  総務 田中 ")); // written as typed
    EXPECT_EQ(saved.komoku_name[0], QStringLiteral("歓迎会"));
    EXPECT_EQ(saved.komoku_kingaku[0], 1500);
    EXPECT_EQ(saved.komoku_nin[0], 3);
    EXPECT_EQ(saved.mark[2][0], 1);
    EXPECT_EQ(saved.mark[3][0], 0);
}

TEST_F(SaveTest, EachSaveKeepsTheFileItReplacesAsTheSafetyCopy) {
    const QString hrm = QStringLiteral("allitem.hrm");
    const QString bak = QStringLiteral("allitem.bak");
    std::vector<QByteArray> saves;
    for (const char* period : {"10月", "11月", "12月"}) {
        w->txtNengetu->setText(QString::fromUtf8(period));
        w->file_all_hozon_Click();
        saves.push_back(read_bytes(hrm));
    }
    EXPECT_EQ(texts(), std::vector<QString>(3, kSaved));
    EXPECT_EQ(files(), (QStringList{bak, hrm}));
    EXPECT_EQ(read_bytes(bak), saves[1]); // the one before the last
    EXPECT_EQ(saved_book().nengetu, QStringLiteral("12月"));

    // Start-up leaves the copy alone.
    start();
    EXPECT_EQ(files(), (QStringList{bak, hrm}));
    EXPECT_EQ(read_bytes(bak), saves[1]);

    // A copy that cannot be kept (a folder in its way) does not stop the
    // save: the new book is written, and the user is told about the copy.
    ASSERT_TRUE(QFile::remove(path(bak)));
    ASSERT_TRUE(QDir().mkdir(bak));
    w->txtNengetu->setText(QStringLiteral("1月"));
    w->file_all_hozon_Click();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Exclamation);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("(allitem.bak)")));
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("フォルダ")));
    EXPECT_EQ(script.shown[1].text, kSaved);
    EXPECT_EQ(book->hozon_flag, -1);
    EXPECT_EQ(saved_book().nengetu, QStringLiteral("1月"));
    EXPECT_EQ(files(), QStringList{hrm});
    EXPECT_TRUE(QFileInfo(path(bak)).isDir());
}

TEST_F(SaveTest, ASheetThatIsRefusedStopsTheSaveBeforeAnythingIsWritten) {
    enter_split_item(4, QStringLiteral("5"));
    book->hozon_flag = 0;
    w->file_all_hozon_Click();
    EXPECT_EQ(texts(), std::vector<QString>{kMarkCount});
    EXPECT_EQ(book->hozon_flag, 0);
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(SaveTest, PeriodOrPersonTheFileCannotHoldIsRefusedWithFocusOnTheBox) {
    w->txtNengetu->setText(QStringLiteral("12月🎍"));
    w->txtMotojime->setText(QStringLiteral("山田"));
    book->hozon_flag = 0;
    w->file_all_hozon_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("🎍")));
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("年 月")));
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
    EXPECT_EQ(QApplication::focusWidget(), w->txtNengetu);
    EXPECT_EQ(book->hozon_flag, 0);
    EXPECT_TRUE(files().isEmpty());

    script.shown.clear();
    w->txtNengetu->setText(QStringLiteral("12月"));
    w->txtMotojime->setText(QStringLiteral("髙橋\U0001F600"));
    w->file_all_hozon_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("担当者")));
    EXPECT_EQ(QApplication::focusWidget(), w->txtMotojime);
    EXPECT_TRUE(files().isEmpty());

    // A wave dash typed by an input method has a form in the file: accepted.
    script.shown.clear();
    w->txtMotojime->setText(QStringLiteral("髙橋〜"));
    w->file_all_hozon_Click();
    EXPECT_EQ(texts(), std::vector<QString>{kSaved});
}

TEST_F(SaveTest, ASaveThatCannotWriteSaysSoAndKeepsTheLastSavedFile) {
    w->txtNengetu->setText(QStringLiteral("11月"));
    w->file_all_hozon_Click();
    const QByteArray last_saved = read_bytes(QStringLiteral("allitem.hrm"));
    ASSERT_FALSE(last_saved.isEmpty());

    // Something in the way of the file being written, then of the data file
    // itself.
    for (const char* in_the_way : {"allitem.dat", "allitem.hrm"}) {
        SCOPED_TRACE(in_the_way);
        const QString blocker = QString::fromLatin1(in_the_way);
        const bool was_file = exists(blocker);
        if (was_file) QFile::rename(path(blocker), path(QStringLiteral("kept")));
        ASSERT_TRUE(QDir().mkdir(blocker));
        script.shown.clear();
        w->txtNengetu->setText(QStringLiteral("12月"));
        ASSERT_EQ(book->hozon_flag, 0);
        w->file_all_hozon_Click();

        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_NE(script.shown[0].text, kSaved);
        EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
        EXPECT_EQ(book->hozon_flag, 0);
        EXPECT_EQ(book->nengetu, QStringLiteral("12月")); // the book stays as typed
        EXPECT_TRUE(QFileInfo(path(blocker)).isDir());
        QDir().rmdir(blocker);
        if (was_file) QFile::rename(path(QStringLiteral("kept")), path(blocker));
        if (exists(QStringLiteral("allitem.hrm"))) {
            EXPECT_EQ(read_bytes(QStringLiteral("allitem.hrm")), last_saved);
        }
    }
}

TEST_F(SaveTest, SaveThenAFreshStartGivesBackEveryValueTheFileHolds) {
    for (int i = 0; i < kMembers; i += 7) name(i, QStringLiteral("ﾒﾝﾊﾞｰ%1").arg(i));
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtMotojime->setText(QStringLiteral("総務 田中"));
    // Item 1 on the sheet; items 2 and 3 already in the book.
    w->txtKomoku->setText(QStringLiteral("忘年会"));
    w->txtSogaku->setText(QStringLiteral("10000"));
    w->txtNin->setText(QStringLiteral("3"));
    w->txtKingaku->setText(QStringLiteral("3400"));
    for (int i : {0, 7, 14}) w->chk1[i]->setChecked(true);
    book->komoku_name[1] = QStringLiteral("香典");
    book->komoku_mode[1] = 0;
    book->member_kingaku[0][1] = 123456;
    book->member_kingaku[21][1] = 5000;
    book->komoku_name[2] = QStringLiteral("会費");
    book->komoku_mode[2] = 1;
    book->komoku_kingaku[2] = 500;
    book->komoku_nin[2] = 2;
    book->mark[7][2] = book->mark[95][2] = 1;
    w->file_all_hozon_Click();
    ASSERT_EQ(texts(), std::vector<QString>{kSaved});
    const Book before = *book;

    start();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(book->hozon_flag, -1);
    for (int i = 0; i < kMembers; ++i) {
        EXPECT_EQ(trim_blanks(book->member_name[i]), trim_blanks(before.member_name[i])) << i;
        EXPECT_EQ(w->lbl1[i]->text(),
                  w->lbl1[i]->text().isEmpty() ? QString() : trim_blanks(before.member_name[i]));
    }
    EXPECT_EQ(w->txtNengetu->text(), QStringLiteral("2026年12月"));
    EXPECT_EQ(w->txtMotojime->text(), QStringLiteral("総務 田中"));
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(book->komoku_name[k], before.komoku_name[k]);
        EXPECT_EQ(book->komoku_mode[k], before.komoku_mode[k]);
        for (int i = 0; i < kMembers; ++i) {
            if (before.komoku_mode[k] == 1) {
                EXPECT_EQ(book->mark[i][k], before.mark[i][k]) << i;
            } else {
                EXPECT_EQ(book->member_kingaku[i][k], before.member_kingaku[i][k]) << i;
            }
        }
    }
    EXPECT_EQ(book->komoku_kingaku[0], 3400);
    EXPECT_EQ(book->komoku_nin[0], 3);
    EXPECT_EQ(book->komoku_sogaku[0], 3 * 3400); // the total is not in the file
    EXPECT_EQ(book->komoku_sogaku[2], 2 * 500);
    EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("忘年会"));
    EXPECT_EQ(w->txtKingaku->text(), QStringLiteral("3400"));
    EXPECT_TRUE(w->chk1[14]->isChecked());
    EXPECT_FALSE(w->chk1[21]->isChecked());
}

TEST_F(SaveTest, ReloadAsksFirstAndReplacesOnlyWhatTheFileHolds) {
    enter_split_item(2, QString());
    w->file_all_hozon_Click();
    w->cmdNext_Click(); // now on item 2
    ASSERT_EQ(book->cur_komoku, 1);

    // Changes after the save: one the file holds, two it does not.
    book->komoku_name[0] = QStringLiteral("変更");
    book->member_kingaku[5][0] = 777; // a 割勘 item's individual amounts are not in the file
    book->komoku_name[6] = QStringLiteral("後の項目");
    script.shown.clear();

    script.answer(ui::Answer::Cancel);
    w->data_reload_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kReloadQuestion);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Question);
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(script.shown[0].title, QStringLiteral("ｒｅｌｏａｄ"));
    EXPECT_EQ(book->komoku_name[0], QStringLiteral("変更"));

    script.shown.clear();
    ui::set_fore_color(w->chk1[0], 0x0000FF);
    ui::set_fore_color(w->lbl1[1], 0x0000FF);
    w->data_reload_Click();
    EXPECT_EQ(texts(), std::vector<QString>{kReloadQuestion});
    EXPECT_EQ(book->komoku_name[0], QStringLiteral("歓迎会"));
    EXPECT_EQ(book->member_kingaku[5][0], 777);
    EXPECT_EQ(book->komoku_name[6], QStringLiteral("後の項目"));
    EXPECT_EQ(book->cur_komoku, 1);
    EXPECT_EQ(w->txtKomokuNo->text(), QStringLiteral(" 2"));
    EXPECT_EQ(w->lbl1[0]->text(), QStringLiteral("人0"));
    EXPECT_EQ(ui::fore_color(w->chk1[0]), ui::to_bbggrr(ui::to_qcolor(ui::kButtonTextColor)));
    EXPECT_EQ(ui::fore_color(w->lbl1[1]), 0xC00000u);
    EXPECT_EQ(files(), QStringList{QStringLiteral("allitem.hrm")});
}

TEST_F(SaveTest, ReloadWithoutADataFileSaysSoAndKeepsTheBook) {
    book->komoku_name[0] = QStringLiteral("手元");
    w->data_reload_Click();
    EXPECT_EQ(texts(), (std::vector<QString>{kReloadQuestion, kNoData}));
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Critical);
    EXPECT_EQ(book->komoku_name[0], QStringLiteral("手元"));
}

TEST_F(SaveTest, ReloadOfADamagedFileKeepsWhatWasReadAndPutsTheFileBack) {
    Book on_disk;
    on_disk.member_name[0] = QStringLiteral("読めた人");
    on_disk.komoku_name[0] = QStringLiteral("A");
    on_disk.komoku_mode[0] = 1;
    QByteArray text = data_text(on_disk);
    text.truncate(text.indexOf("\r\n") - 30); // the header ends early
    write_bytes(QStringLiteral("allitem.hrm"), pair_swap(text));

    w->data_reload_Click();
    EXPECT_EQ(texts(), (std::vector<QString>{kReloadQuestion, kDamaged}));
    EXPECT_EQ(book->member_name[0], QStringLiteral("読めた人"));
    EXPECT_EQ(w->lbl1[0]->text(), QStringLiteral("読めた人"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("allitem.hrm")});
}

// Reload only reads: a full disk does not stop it, a stale working file is
// dropped, and the saved file stays byte for byte.
TEST_F(SaveTest, ReloadWritesNothingSoAFullDiskDoesNotStopIt) {
    Book on_disk;
    on_disk.member_name[0] = QStringLiteral("保存した人");
    const QByteArray saved = pair_swap(data_text(on_disk));
    write_bytes(QStringLiteral("allitem.hrm"), saved);
    Book stale;
    stale.member_name[0] = QStringLiteral("古い人");
    write_bytes(QStringLiteral("allitem.dat"), data_text(stale));
    book->member_name[0] = QStringLiteral("今の人");
    {
        FileSizeLimit full_disk(64);
        w->data_reload_Click();
    }
    EXPECT_EQ(texts(), std::vector<QString>{kReloadQuestion});
    EXPECT_EQ(book->member_name[0], QStringLiteral("保存した人"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("allitem.hrm")});
    EXPECT_EQ(read_bytes(QStringLiteral("allitem.hrm")), saved);
}

TEST_F(SaveTest, EndAsksOnlyWhileSomethingIsUnsavedThenEndsAtOnce) {
    // Nothing changed since start-up: no question.
    w->file_end_Click();
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(exits.count, 1);

    // Cancel: nothing saved, the program still ends.
    enter_split_item(2, QString());
    ASSERT_EQ(book->hozon_flag, 0);
    script.answer(ui::Answer::Cancel);
    w->file_end_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kSaveQuestion);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::None);
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(script.shown[0].title, QStringLiteral("ＥＮＤ"));
    EXPECT_EQ(exits.count, 2);
    EXPECT_TRUE(files().isEmpty());

    // OK: saved without the save-all message, then ended; the window was not
    // asked to close.
    script.shown.clear();
    w->file_end_Click();
    EXPECT_EQ(texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_EQ(exits.count, 3);
    EXPECT_EQ(saved_book().komoku_name[0], QStringLiteral("歓迎会"));
    EXPECT_FALSE(w->isHidden());
}

TEST_F(SaveTest, EndKeepsRunningWhenTheSheetOrTheWriteFails) {
    enter_split_item(4, QStringLiteral("5"));
    w->file_end_Click();
    EXPECT_EQ(texts(), (std::vector<QString>{kSaveQuestion, kMarkCount}));
    EXPECT_EQ(exits.count, 0);
    EXPECT_TRUE(files().isEmpty());

    script.shown.clear();
    w->txtNin->setText(QStringLiteral("4"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("allitem.dat")));
    w->file_end_Click();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Critical);
    EXPECT_EQ(exits.count, 0);
    EXPECT_EQ(book->hozon_flag, 0);
}

TEST_F(SaveTest, ClosingAsksAboutUnsavedChangesAndMayStay) {
    // Cancel: closes without saving.
    enter_split_item(4, QStringLiteral("5"));
    script.answer(ui::Answer::Cancel);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_TRUE(files().isEmpty());

    // OK with a head count that does not match: the mark-count message, then
    // the question under the window's caption; No keeps the window on the item.
    w->show();
    script.shown.clear();
    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::No);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(texts(), (std::vector<QString>{kSaveQuestion, kMarkCount, kCloseQuestion}));
    EXPECT_EQ(script.shown[2].icon, ui::Icon::Question);
    EXPECT_EQ(script.shown[2].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(script.shown[2].title, kCaption);
    EXPECT_FALSE(w->isHidden());
    EXPECT_EQ(book->cur_komoku, 0);
    EXPECT_TRUE(files().isEmpty());

    // Yes: closes without saving.
    script.shown.clear();
    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::Yes);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(files().isEmpty());

    // OK with a sheet that passes: saved, closed, and the help window goes too.
    w->show();
    w->tavu_help_Click();
    w->txtNin->setText(QStringLiteral("4"));
    script.shown.clear();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_EQ(saved_book().komoku_nin[0], 4);
    EXPECT_TRUE(w->findChild<HelpWindow*>()->isHidden());
    EXPECT_EQ(exits.count, 0);

    // Nothing unsaved: closes without a question.
    w->show();
    book->hozon_flag = -1;
    script.shown.clear();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(SaveTest, ClosingWhenTheFileCannotBeWrittenAsksAsForARefusal) {
    w->txtNengetu->setText(QStringLiteral("12月"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("allitem.dat")));
    script.answer(ui::Answer::Ok);
    EXPECT_FALSE(w->close()); // No is preselected
    ASSERT_EQ(script.shown.size(), 3u);
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Critical);
    EXPECT_EQ(script.shown[2].text, kCloseQuestion);
    EXPECT_EQ(book->hozon_flag, 0);
}

TEST_F(SaveTest, TheMenuCommandsReachTheirHandlers) {
    w->file_end->trigger();
    EXPECT_EQ(exits.count, 1);
    w->data_reload->trigger();
    EXPECT_EQ(texts(), (std::vector<QString>{kReloadQuestion, kNoData}));
    script.shown.clear();
    w->file_all_hozon->trigger();
    EXPECT_EQ(texts(), std::vector<QString>{kSaved});
    w->tavu_help->trigger();
    EXPECT_NE(w->findChild<HelpWindow*>(), nullptr);
}

TEST_F(SaveTest, DuringNameEditingTheExitsSaveTheNameStillInTheInputBox) {
    w->hensyu_name_Click();
    ASSERT_EQ(book->name_mode, -1);
    w->txtName_Input->setText(QStringLiteral("入力中"));
    script.shown.clear();

    // A name the file cannot hold: refused, and the program keeps running.
    w->txtName_Input->setText(QStringLiteral("入力中😀"));
    w->file_end_Click();
    EXPECT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(exits.count, 0);
    EXPECT_TRUE(files().isEmpty());

    script.shown.clear();
    w->txtName_Input->setText(QStringLiteral("入力中"));
    w->file_end_Click();
    EXPECT_EQ(texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_EQ(exits.count, 1);
    EXPECT_EQ(saved_book().member_name[0], QStringLiteral("入力中"));

    // Closing does the same.
    w->txtName_Input->setText(QStringLiteral("閉じる前"));
    book->hozon_flag = 0;
    script.shown.clear();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(texts(), std::vector<QString>{kSaveQuestion});
    EXPECT_EQ(saved_book().member_name[0], QStringLiteral("閉じる前"));
}

// The real exit, without a recorder: the event loop ends and the window is
// never asked to close, so its question does not come a second time.
class RealExit : public TempWorkdir {};

TEST_F(RealExit, EndLeavesTheEventLoopWithoutClosingTheWindow) {
    ui::MessageScript script;
    Book book;
    frmTavu w(book);
    w.Form_Load();
    w.show();
    w.txtNengetu->setText(QStringLiteral("12月"));
    ASSERT_EQ(book.hozon_flag, 0);
    script.answer(ui::Answer::Cancel);
    QTimer::singleShot(0, &w, [&w] { w.file_end_Click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QApplication::exec(), 0);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kSaveQuestion);
    EXPECT_FALSE(w.isHidden());
}
