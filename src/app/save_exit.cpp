// Saving, reloading and leaving the main window, and its help command.
#include "app/app_exit.h"
#include "app/help_window.h"
#include "app/restore_save.h"
#include "book/cp932.h"
#include "book/pair_save.h"
#include "book/payments_file.h"
#include "book/safety_copy.h"
#include "book/text_rules.h"
#include "items/frmKomokuSort.h"
#include "print/frmSelectPrint.h"
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/form_activation.h"
#include "ui/message_box.h"
#include "ui/payments_messages.h"
#include "ui/save_messages.h"
#include "ui/write_refusal.h"

#include <QCloseEvent>

namespace {

const QString kSaveQuestion = QStringLiteral("データを 保存しまっせ ！");
const QString kEndTitle = QStringLiteral("ＥＮＤ");

// What is typed into the period or person-in-charge box, as it goes into the
// book: a blank box becomes a single half-width blank.
QString header_field(const QString& text) {
    return is_blank(text) ? QStringLiteral(" ") : text;
}

// The file holds code page 932 only: a character without a form there would
// come back as something else. Says which box and which characters.
bool refuse_unencodable(ui::TextBox* box, const QString& what) {
    const cp932::Encoded encoded = cp932::encode(box->text());
    if (encoded.ok()) return false;
    ui::refuse(QStringLiteral("「%1」の 「%2」 は 保存でけへん字 やねん ！")
                       .arg(what, encoded.unencodable) +
                   ui::kGap + QStringLiteral("別の字に 書き直してや ！"),
               box);
    return true;
}

void report_write_failure() {
    ui::msg_box(QStringLiteral("データが 書かれへんかってん ！") + ui::kGap +
                    QStringLiteral("前に 保存した データは そのまま 残ってまっせ。") +
                    QStringLiteral("  フォルダの 空きと 書き込みの 許可を 見てから、") +
                    QStringLiteral("もう一回 保存してや ！"),
                ui::Icon::Critical);
}

// The file is saved, but its copy ("allitem.bak", "allitem.pay.bak") still
// holds an older one (or nothing): the user should know that the copy is not
// the file just replaced. `what` is the file's contents in the user's words.
void report_bak_not_kept(BakProblem problem, const QString& what, const char* bak) {
    const QString file = QString::fromLatin1(bak);
    QString why;
    switch (problem) {
    case BakProblem::Folder:
        why = QStringLiteral("「%1」 いう 名前の フォルダが 居座ってんねん。").arg(file);
        break;
    case BakProblem::NotOurs:
        why = QStringLiteral("「%1」 は よその人の ファイルで、置き換えさせて もらわれへんねん。")
                  .arg(file);
        break;
    default:
        why = QStringLiteral("フォルダに 写しを 置く 場所が あらへんかってん。");
        break;
    }
    ui::msg_box(
        QStringLiteral("%1は 保存したけど、前の %1の 写し (%2) は 残されへんかってん ！")
                .arg(what, file) +
            ui::kGap + why +
            QStringLiteral("  ほっといたら 写しは 古いまま やで。 どけてから また 保存してや。"),
        ui::Icon::Exclamation);
}

const QString kHrm = QString::fromLatin1(kHrmFile);

// The words for an "allitem.hrm" that a save must not replace.
QString book_file_in_the_way(const FileStamp& seen, const FileStamp& now) {
    const QString nothing = QStringLiteral("何も 書いてへんで。");
    if (now.state != ReadResult::Ok || seen.state != ReadResult::Ok) {
        return QStringLiteral("「allitem.hrm」 が 読まれへん ファイル やから、 その 上には "
                              "保存でけへんネン！") +
               ui::kGap + nothing +
               QStringLiteral("  allitem.hrm を どけてから、 もう一回 保存してヤ ！");
    }
    return QStringLiteral("「allitem.hrm」 が 読んだ 後で 書き換わってるネン！") + ui::kGap +
           QStringLiteral("別の ＴＡＶＵ か 何かが 保存したみたいや。 上書きしたら そっちが "
                          "消えてまうから、 ") +
           nothing + ui::kGap +
           QStringLiteral("再読込で 読みなおすか、 ＴＡＶＵ を 開きなおしてから やってヤ ！");
}

// The book was saved, its payments not (told just before): the user may
// stay and save again.
bool may_close_book_only(const QString& title) {
    const QString question =
        QStringLiteral("帳面は 保存したけど、 集金の 記録は まだ 置き換えられてへんで。") +
        ui::kGap + QStringLiteral("このまま 閉じても ええの ？？");
    return ui::msg_box(question, ui::Icon::Question, ui::Buttons::YesNo, title) == ui::Answer::Yes;
}

} // namespace

// A step done whose flush the disk did not confirm: the file has its new
// contents, but a power cut just now might still lose them.
qint16 frmTavu::check_book_file_unchanged() {
    const FileStamp now = stamp_file(kHrm);
    // A file that is gone loses nothing by being written anew.
    if (now.state == ReadResult::Missing) return 0;
    if (now.state == ReadResult::Ok && now == hrm_stamp) return 0;
    ui::msg_box(book_file_in_the_way(hrm_stamp, now), ui::Icon::Critical);
    return -1;
}

// A read-only window cannot save, so its exit paths do not offer to: what
// was typed there goes, once the user has agreed to that.
bool frmTavu::may_drop_read_only_changes() {
    if (book.hozon_flag == -1) return true;
    const QString question =
        QStringLiteral("見るだけ (読み取り専用) の 帳簿 やから、 ここで 変えたとこは "
                       "保存でけへんネン。") +
        ui::kGap + QStringLiteral("ほかして 閉じても ええか ？");
    return ui::msg_box(question, ui::Icon::Question, ui::Buttons::OkCancel, kEndTitle) ==
           ui::Answer::Ok;
}

qint16 frmTavu::take_window_into_book() {
    if (refuse_unencodable(txtNengetu, Label2->text())) return -1;
    if (refuse_unencodable(txtMotojime, Label3->text())) return -1;
    for (int i = 0; i < kMembers; ++i) {
        const QString caption = lbl1[i]->text();
        book.member_name[i] = caption.isEmpty() ? QStringLiteral(" ") : caption;
    }
    book.nengetu = header_field(txtNengetu->text());
    book.motojime = header_field(txtMotojime->text());
    return 0;
}

// Commits and checks the sheet, then writes the whole book and its payments
// as one save (book/pair_save.h). −1 when it stopped: the sheet was
// refused, a header box holds characters the file cannot carry, or nothing
// could be written (the last save is then still in place). 1 when the book
// was saved but its payments did not take their name (told): they wait
// complete under a temporary name, which the next start puts in place.
qint16 frmTavu::data_hozon() {
    if (!ui::write_allowed(write_guard, QStringLiteral("保存"))) return -1;
    if (!commit_sheet()) return -1;
    if (take_window_into_book() == -1) return -1;
    // Another program's save is never replaced unseen: checked before
    // anything is written, and again just before the new file takes the name.
    if (check_book_file_unchanged() == -1) return -1;

    // Once "allitem.hrm" has been replaced the save is done, whatever the
    // disk then says: the window must not claim the old book is still there.
    bool changed_meanwhile = false;
    const PairSave saved = save_book(book, [&] {
        const FileStamp now = stamp_file(kHrm);
        changed_meanwhile = now.state != ReadResult::Missing && now != hrm_stamp;
        return !changed_meanwhile;
    });
    // What now lies on disk is this book's when it holds its bytes, whatever
    // the flushes said.
    const FileStamp now = stamp_file(kHrm);
    if (now.state == ReadResult::Ok && now.hash == stamp_hash(pair_swap(data_text(book))))
        hrm_stamp = now;
    if (saved.outcome == PairSave::Outcome::NotSaved) {
        if (changed_meanwhile)
            check_book_file_unchanged();
        else
            report_write_failure();
        return -1;
    }
    if (saved.book.bak != BakProblem::None)
        report_bak_not_kept(saved.book.bak, QStringLiteral("データ"), kBakFile);
    if (saved.book.written == WriteResult::Unconfirmed) warn_unconfirmed(QStringLiteral("データ"));
    // The payments, saved in the same step.
    const PayCommit& paid = saved.pay;
    if (!paid.moved_aside.isEmpty()) payments::report_moved_aside(paid.moved_aside);
    if (saved.outcome == PairSave::Outcome::BookOnly) {
        payments::report_write_failure(paid.aside_failed);
        return 1;
    }
    if (paid.bak != BakProblem::None)
        report_bak_not_kept(paid.bak, QStringLiteral("集金の 記録"), kPayBakFile);
    if (paid.written == WriteResult::Unconfirmed) warn_unconfirmed(QStringLiteral("集金の 記録"));
    document.tell_saved();
    return 0;
}

void frmTavu::file_all_hozon_Click() {
    // The book alone (1) has been told as such; the payments are still to
    // be saved, so the window stays unsaved.
    if (data_hozon() != 0) return;
    ui::msg_box(QStringLiteral("データ保存 してもうた ！"), ui::Icon::Information);
    book.hozon_flag = -1;
}

// Reads the saved book over the one in memory. The sheet is not committed
// first; values the file does not hold stay, and so does the item shown.
void frmTavu::data_reload_Click() {
    const QString question = QStringLiteral("データが ") + QStringLiteral(" ") +
                             QStringLiteral("ぜ～んぶ ") + QStringLiteral("  ") +
                             QStringLiteral("入れ替わりまっせ ！");
    if (ui::msg_box(question, ui::Icon::Question, ui::Buttons::OkCancel,
                    QStringLiteral("ｒｅｌｏａｄ")) == ui::Answer::Cancel)
        return;

    if (!show_saved_book())
        ui::msg_box(QStringLiteral("データ が おまへんネン ！"), ui::Icon::Critical);
}

bool frmTavu::show_saved_book() {
    if (!read_data_files()) return false;
    name_hyoji();
    gamen_kosin();
    for (int i = 0; i < kMembers; ++i) {
        ui::set_fore_color(chk1[i], ui::kButtonTextColor);
        ui::set_fore_color(lbl1[i], 0xC00000);
    }
    document.tell_reloaded();
    return true;
}

// 終了: may save, then ends the application at once; the close questions of
// the window do not run.
void frmTavu::file_end_Click() {
    if (write_guard.read_only()) {
        if (may_drop_read_only_changes()) {
            unload_printing_notice();
            app::end_application();
        }
        return;
    }
    if (book.hozon_flag == 0 && ui::msg_box(kSaveQuestion, ui::Icon::None, ui::Buttons::OkCancel,
                                            kEndTitle) == ui::Answer::Ok) {
        if (book.name_mode == -1) {
            // The name still in the input box is saved with the book.
            if (store_input_name() == -1) return;
        } else {
            if (!commit_sheet()) return;
        }
        // A save that did not happen (its message has been shown) keeps the
        // program running, so that nothing typed is lost.
        const qint16 saved = data_hozon();
        if (saved == -1 || (saved == 1 && !may_close_book_only(windowTitle()))) return;
    }
    unload_printing_notice();
    app::end_application();
}

// Closing the window, for whatever reason: asks only while something is
// unsaved; a save that fails lets the user stay.
void frmTavu::Form_QueryUnload(bool& cancel, int /*unload_mode*/) {
    if (book.hozon_flag == -1) return;
    // A closed period's window has nothing of its own to lose.
    if (write_guard.reason() == WriteGuard::Reason::PastPeriod) return;
    if (write_guard.read_only()) {
        cancel = !may_drop_read_only_changes();
        return;
    }
    if (ui::msg_box(kSaveQuestion, ui::Icon::None, ui::Buttons::OkCancel, kEndTitle) ==
        ui::Answer::Cancel)
        return;
    // The name still in the input box is saved with the book; a name that
    // cannot be stored counts as a refused sheet.
    const qint16 stopped =
        book.name_mode == -1 && store_input_name() == -1 ? qint16(-1) : data_hozon();
    if (stopped == 0) return;
    if (stopped == 1) {
        cancel = !may_close_book_only(windowTitle());
        return;
    }
    const QString question = QStringLiteral("データにエラーが おます！ ") + ui::kGap +
                             QStringLiteral("保存せんで ええの ？？");
    if (ui::msg_box(question, ui::Icon::Question, ui::Buttons::YesNo, windowTitle()) ==
        ui::Answer::No)
        cancel = true;
}

// The other windows go with the main window. The printing notice and the two
// list dialogs are unloaded here once they exist; the help window has no
// reason to outlive the program.
void frmTavu::Form_Unload() {
    unload_printing_notice();
    if (auto* window = findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly))
        window->close();
    delete komoku_sort_form;
    komoku_sort_form = nullptr;
    delete select_print_form;
    select_print_form = nullptr;
}

// Each time the main window is activated (from another of the program's
// windows, or shown) the two list dialogs (item order, members to print) are
// hidden, loaded first if need be: an arrangement never stays open beside a
// sheet that can change under it. A message box closing over the sheet is
// no activation (ui/form_activation.h).
void frmTavu::Form_Activate() {
    komoku_sort_dialog()->hide();
    select_print_dialog()->hide();
}

void frmTavu::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    // 0: closed from the window's own close button, 1: closed by the program.
    Form_QueryUnload(cancel, event->spontaneous() ? 0 : 1);
    if (cancel) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

bool frmTavu::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && ui::form_activated(this)) Form_Activate();
    return QMainWindow::event(event);
}

void frmTavu::connect_app_handlers() {
    // Form_Activate follows the window's activations from its start.
    ui::watch_activations();
    connect(data_reload, &QAction::triggered, this, &frmTavu::data_reload_Click);
    connect(file_all_hozon, &QAction::triggered, this, &frmTavu::file_all_hozon_Click);
    connect(file_end, &QAction::triggered, this, &frmTavu::file_end_Click);
    connect(tavu_help, &QAction::triggered, this, &frmTavu::tavu_help_Click);
    // Beside 再読込, which it resembles: both put the saved book on the sheet.
    file_restore = new QAction(QStringLiteral("前の保存に戻す"), this);
    file_restore->setObjectName(QStringLiteral("file_restore"));
    menu_file->insertAction(file_hozon->menuAction(), file_restore);
    connect(file_restore, &QAction::triggered, this, [this] { app::restore_previous_save(*this); });
}

// Shows the bundled help page; the window is made once and then only shown.
// Without a page nothing happens and nothing is said.
void frmTavu::tavu_help_Click() {
    auto* window = findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HelpWindow(this);
        if (!window->load()) {
            delete window;
            return;
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}
