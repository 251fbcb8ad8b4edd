// Start-up of the main window: older data files are converted, promoted or
// removed, the book is read, the roster shown and item 1 drawn.
#include "book/book_source.h"
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/pair_save.h"
#include "book/payments_file.h"
#include "book/save_leftovers.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/payments_messages.h"
#include "ui/screen.h"
#include "ui/write_refusal.h"

#include <QFontMetrics>

namespace {

const QString kNgs = QString::fromLatin1(kNgsFile);
const QString kHrm = QString::fromLatin1(kHrmFile);
const QString kDat = QString::fromLatin1(kDatFile);
const QString kSpareHrm = QString::fromLatin1(kSpareHrmFile);

void delete_if_exists(const QString& name) {
    if (file_exists(name)) delete_file(name);
}

// An "allitem.ngs" of the older layout becomes "allitem.hrm" in the current
// one. It keeps its name until the converted book is safely written, so a
// conversion that fails is tried again at the next start.
void convert_older_file(Book& book, frmTavu& window) {
    const Conversion conversion = ngs_convert(book);
    if (conversion.read != ReadResult::Missing)
        window.report_read_result(conversion.read, true, kNgs);
    if (conversion.written) return;
    // A file refused before reading has been reported as such.
    if (conversion.read != ReadResult::Ok && conversion.read != ReadResult::Damaged) return;
    ui::msg_box(
        QStringLiteral("古い データ (allitem.ngs) を 新しい形に 書き直されへんかったネン！"
                       "\r\n\r\nallitem.ngs は そのまま 置いてあるで。 ディスクの 空きとかを"
                       " 確かめて、 もう一回 起動してヤ ！"),
        ui::Icon::Critical, ui::Buttons::Ok);
}

// Gives `from` the name "allitem.hrm". When something is in the way the
// file keeps its own name and the user is told, so that it is not deleted.
bool promote(const QString& from) {
    if (rename_file(from, kHrm) && file_exists(kHrm)) return true;
    ui::msg_box(
        QStringLiteral("%1 を allitem.hrm に 名前替え でけへんかったネン！\r\n\r\n%1 は 消さんと"
                       " 置いてあるで。 allitem.hrm の 名前を ふさいでるもんを どけてから、"
                       " もう一回 起動してヤ ！")
            .arg(from),
        ui::Icon::Critical, ui::Buttons::Ok);
    return false;
}

// "allitem1.hrm" is a spare copy, "allitem.sne" an older name of the file,
// also found spelt "Allitem.sne" or "ALLITEM.SNE": the first spelling there
// is promoted when there is nothing named "allitem.hrm". The other names are
// deleted only once "allitem.hrm" holds a book (a regular file), never while
// they hold the only one.
void promote_spare_files() {
    if (is_regular_file(kHrm))
        delete_if_exists(kSpareHrm);
    else if (!entry_exists(kHrm) && file_exists(kSpareHrm))
        promote(kSpareHrm);

    const QString other_names[] = {QStringLiteral("allitem.sne"), QStringLiteral("Allitem.sne"),
                                   QStringLiteral("ALLITEM.SNE")};
    if (!entry_exists(kHrm)) {
        for (const QString& name : other_names) {
            if (!file_exists(name)) continue;
            promote(name);
            break;
        }
    }
    if (!is_regular_file(kHrm)) return;
    for (const QString& name : other_names) delete_if_exists(name);
}

// What the user is told of a data file that was not read at all.
QString refused_file_text(ReadResult result, const QString& file) {
    const QString unread = QStringLiteral("中身は 読んでへんで。");
    switch (result) {
    case ReadResult::NotRegular:
        return QStringLiteral("「%1」 が ふつうの ファイルや あらへんネン！").arg(file) + ui::kGap +
               QStringLiteral("フォルダか 特別な ファイル みたいや。 ") + unread +
               QStringLiteral("  「%1」 を どけてから、 もう一回 起動してヤ ！").arg(file);
    case ReadResult::TooLarge:
        return QStringLiteral("「%1」 が でかすぎるネン！ (1 MB 超え)").arg(file) + ui::kGap +
               QStringLiteral("帳簿は 満杯でも 10 kB も あらへんから、 これは 帳簿と ちゃうで。 ") +
               unread;
    case ReadResult::Unreadable:
        return QStringLiteral("「%1」 が 読まれへんネン！").arg(file) + ui::kGap +
               QStringLiteral("読む 許可が ないか、 ディスクの 具合が 悪いみたいや。 ") + unread +
               QStringLiteral("  ファイルの 持ち主と 許可を 見てヤ ！");
    case ReadResult::Ok:
    case ReadResult::Damaged:
    case ReadResult::Missing:
        break;
    }
    return QString();
}

} // namespace

void frmTavu::Form_Load() {
    if (write_guard.read_only() || write_guard.unlocked())
        setWindowTitle(ui::guarded_title(write_guard, windowTitle()));
    // An archive opened as the working folder looks as one opened from 過去の期間.
    if (write_guard.reason() == WriteGuard::Reason::PastPeriod) ui::tint_as_past_period(this);
    show_read_only();
    // Only the program that holds the folder's lock tidies it: another one's
    // save in progress looks just like a leftover.
    if (write_guard.may_tidy_folder()) {
        // A save cut short between the book and its payments is finished
        // first: its payments wait under a temporary name.
        PayCommit settled;
        if (settle_interrupted_save(settled) && !settled.moved_aside.isEmpty())
            payments::report_moved_aside(settled.moved_aside);
        remove_save_leftovers();
        remove_unfinished_archives();
        if (entry_exists(kNgs)) convert_older_file(book, *this);
        promote_spare_files();
    } else if (write_guard.unlocked()) {
        // Without a lock another program's save may be under way: only this
        // user's leftovers too old to be anybody's save in progress go.
        PayCommit settled;
        if (settle_interrupted_save(settled) && !settled.moved_aside.isEmpty())
            payments::report_moved_aside(settled.moved_aside);
        remove_save_leftovers(kLeftoverAge);
    }

    adjustSize();
    ui::center_on_screen(this);
    // A second program on the same folder sits off the first one's place,
    // so that both stay in view.
    if (write_guard.read_only()) {
        move(pos() + QPoint(width() / 3, height() / 3));
        ui::fit_on_screen(this);
    }

    optKinto->setChecked(true);
    txtBango->setText(QStringLiteral("1"));
    for (int k = 0; k < kItems; ++k) book.komoku_mode[k] = 1;
    for (int i = 0; i < kMembers; ++i) {
        ui::set_fore_color(lbl1[i], 0xC00000);
        ui::set_fore_color(chk1[i], ui::kButtonTextColor);
    }

    read_data_files();

    name_hyoji();
    name_font();
    txtMotojime->setText(trim_blanks(book.motojime));
    txtNengetu->setText(trim_blanks(book.nengetu));
    book.name_no = 1;
    tabTavu->setCurrentIndex(0);
    book.cur_komoku = 0;
    book.name_mode = 0;
    gamen_kosin();
    // The drawing above cleared the flag; nothing is unsaved yet.
    book.hozon_flag = -1;
}

bool frmTavu::read_data_files() {
    if (!write_guard.may_tidy_folder()) {
        // Read where it lies, as the report command line reads it: whichever
        // file start-up would have shown, and no file touched.
        BookSource source;
        const ReadResult read = read_book_in_place(book, source);
        hrm_stamp = stamp_file(kHrm);
        if (read == ReadResult::Missing) return false;
        report_read_result(read, source.older_layout, source.file);
        // The rows as after a read in the current layout.
        if (source.older_layout) report_read_result(ReadResult::Ok, false);
        payments::report_read(source.payments, write_guard.read_only());
        return true;
    }
    // The data file is read as it lies: nothing is written, so a full disk
    // or a read-only folder cannot keep the book from being shown, and the
    // saved book is never rewritten just to be read. A working file left
    // beside it is stale, as a swap through it would have replaced it.
    if (entry_exists(kHrm)) {
        report_read_result(hrm_read(book, &hrm_stamp), false);
        delete_if_exists(kDat);
    } else {
        hrm_stamp = FileStamp{};
        if (!entry_exists(kDat)) return false;
        report_read_result(data_read(book), false, kDat);
        dat_to_hrm();
        hrm_stamp = stamp_file(kHrm);
    }
    // The payments beside it, matched against the names and titles just read.
    payments::report_read(payments_read(book));
    return true;
}

void frmTavu::report_read_result(ReadResult result, bool older_layout, const QString& file) {
    if (result == ReadResult::Damaged) {
        ui::msg_box(older_layout ? QStringLiteral("データの変換が でけへんネン！  作り直してヤ ！")
                                 : QStringLiteral("データが 壊れてんネン！  作り直してヤ ！"),
                    ui::Icon::Critical, ui::Buttons::Ok);
    }
    const QString refused = refused_file_text(result, file);
    if (!refused.isEmpty()) ui::msg_box(refused, ui::Icon::Critical, ui::Buttons::Ok);
    if (older_layout || result == ReadResult::Missing) return;
    // After a read the rows show nothing until the roster and the refresh
    // put back what the current item needs.
    for (int i = 0; i < kMembers; ++i) {
        if (lbl1[i]->text().isEmpty()) chk1[i]->hide();
        txt1[i]->hide();
    }
}

void frmTavu::name_hyoji() {
    for (int i = 0; i < kMembers; ++i) {
        if (!is_blank(book.member_name[i])) {
            lbl1[i]->setText(book.member_name[i]);
            chk1[i]->show();
        } else {
            lbl1[i]->setText(QString());
        }
        ui::set_caption(chk1[i], lbl1[i]->text());
    }
}

namespace {
void set_point_size(QWidget* widget, double size) {
    if (widget->font().pointSizeF() == size) return;
    QFont font = widget->font();
    font.setPointSizeF(size);
    widget->setFont(font);
}
} // namespace

void frmTavu::name_font() {
    for (int i = 0; i < kMembers; ++i) {
        ui::set_caption(chk1[i], book.member_name[i]);
        const qsizetype n = trim_blanks(lbl1[i]->text()).size();
        if (n <= 4) {
            set_point_size(chk1[i], 12);
        } else if (n == 5) {
            set_point_size(chk1[i], 11);
            set_point_size(lbl1[i], 11);
        } else {
            set_point_size(chk1[i], 10);
            set_point_size(lbl1[i], 11);
        }
    }
}

void frmTavu::prepare_drawing() {
    grab();
    // The names were still empty in that drawing; their sizes (those of
    // name_font) and the amounts' size are loaded with text like theirs.
    const QString sample = QStringLiteral("会員号0123456789");
    for (double size : {12.0, 11.0, 10.0, 9.75})
        QFontMetrics(ui::gothic_font(size)).horizontalAdvance(sample);
}
