// The commit of the item on the sheet into the book, the mark-count check,
// the digit check every typed number passes through, and the byte clipping
// of names and titles.
#include "book/cp932.h"
#include "book/split_share.h"
#include "book/text_rules.h"
#include "sheet/entry_messages.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/write_refusal.h"

using namespace entry_msg;

namespace {

constexpr qint16 kStopped = -1;
constexpr qint16 kFromNameEditing = 100;

int checked_count(const frmTavu& w) {
    int count = 0;
    for (int i = 0; i < kMembers; ++i)
        if (w.chk1[i]->isChecked()) ++count;
    return count;
}

// Refuses a value the book cannot keep: message, focus on the box.
bool refuse_out_of_range(bool in_range, const QString& message, QWidget* box) {
    if (in_range) return false;
    ui::refuse(message, box);
    return true;
}

// An untitled equal-split item skips the checks of 総額 and 割額, but a value
// the book cannot hold is refused all the same. A box the digit check refuses
// is left to the store, which converts it with its message.
bool untitled_limits_refused(frmTavu& w) {
    const DigitCheck total = examine_digits(w.txtSogaku->text());
    if (!total.refused && !is_refusal(total.text) &&
        refuse_out_of_range(total_in_range(read_number(total.text)), kTotalTooLarge, w.txtSogaku))
        return true;
    const DigitCheck share = examine_digits(w.txtKingaku->text());
    if (!share.refused && !is_refusal(share.text) &&
        refuse_out_of_range(share_in_range(read_number(share.text)), kShareOutOfRange,
                            w.txtKingaku))
        return true;
    return false;
}

// What the sheet shows of the current item, as its boxes hold it.
QStringList item_on_sheet(const frmTavu& w) {
    QStringList shown{w.txtKomoku->text(), w.txtKingaku->text(), w.txtSogaku->text(),
                      w.txtNin->text(), w.optKinto->isChecked() ? QStringLiteral("1") : QString()};
    for (int i = 0; i < kMembers; ++i)
        shown << (w.chk1[i]->isChecked() ? QStringLiteral("1") : QString()) + w.txt1[i]->text();
    return shown;
}

} // namespace

QString frmTavu::suji_henkan(const QString& text) {
    const DigitCheck check = examine_digits(text);
    if (check.refused) ui::msg_box(kNotDigits, ui::Icon::Critical);
    return check.text;
}

qint16 frmTavu::newdata_memo(qint16 dochi) {
    // A book opened to look at only is never changed from the sheet: an edit
    // is refused and the sheet shows the book again.
    if (write_guard.read_only()) {
        const QStringList typed = item_on_sheet(*this);
        const qint16 unsaved = book.hozon_flag;
        gamen_kosin();
        book.hozon_flag = unsaved;
        if (item_on_sheet(*this) == typed) return 0;
        ui::write_allowed(write_guard, QStringLiteral("項目の 書き換え"));
        return kStopped;
    }
    const int c = book.cur_komoku;
    const QString title = trim_blanks(txtKomoku->text());
    const bool kinto = optKinto->isChecked();

    if (title.isEmpty()) {
        if (kinto && checked_count(*this) > 0) {
            ui::msg_box(QStringLiteral("「項 目」 が おまへんで ！") + ui::kGap +
                            QStringLiteral("マークだけでは　あきまへん ！"),
                        ui::Icon::Question);
            return kStopped;
        }
        if (!kinto) {
            int count = 0;
            for (int i = 0; i < kMembers; ++i)
                if (read_number(suji_henkan(txt1[i]->text())) > 0) ++count;
            if (count > 0) {
                ui::msg_box(QStringLiteral("「項 目」 が おまへんで ！") + ui::kGap +
                                QStringLiteral("金額だけ　入ってまっせ ！"),
                            ui::Icon::Question);
                return kStopped;
            }
        }
        if (!is_blank(book.komoku_name[c + 1]) && dochi != kFromNameEditing) {
            ui::msg_box(kUseDel, ui::Icon::Question);
            txtKomoku->setFocus();
            return kStopped;
        }
        if (kinto && untitled_limits_refused(*this)) return kStopped;
    } else {
        // The data file holds titles in code page 932: refuse what it cannot.
        const cp932::Encoded encoded = cp932::encode(title);
        if (!encoded.ok()) {
            ui::refuse(title_unsavable(encoded.unencodable), txtKomoku);
            return kStopped;
        }
        if (kinto) {
            const QString total = suji_henkan(txtSogaku->text());
            if (is_refusal(total)) {
                txtSogaku->setFocus();
                return kStopped;
            }
            if (refuse_out_of_range(total_in_range(read_number(total)), kTotalTooLarge, txtSogaku))
                return kStopped;
            const QString share = suji_henkan(txtKingaku->text());
            if (is_refusal(share)) {
                txtKingaku->setFocus();
                return kStopped;
            }
            if (read_number(share) == 0 || is_blank(txtKingaku->text())) {
                ui::refuse(QStringLiteral("集金額が ありまへん ！") + ui::kGap +
                               QStringLiteral("金額をいれてや ！"),
                           txtKingaku);
                return kStopped;
            }
            if (refuse_out_of_range(share_in_range(read_number(share)), kShareOutOfRange,
                                    txtKingaku))
                return kStopped;
        }
    }

    if (kinto && !is_blank(txtNin->text())) {
        const QString heads = suji_henkan(txtNin->text());
        if (is_refusal(heads)) {
            txtNin->setFocus();
            return kStopped;
        }
        const double n = read_number(heads);
        if (n < 1 || n > 96) {
            ui::refuse(kHeadCount, txtNin);
            return kStopped;
        }
    }

    if (kinto) {
        for (int i = 0; i < kMembers; ++i) book.mark[i][c] = chk1[i]->isChecked() ? 1 : 0;
        book.komoku_mode[c] = 1;
    } else {
        // Members before a refused box stay stored; the item's own fields do not.
        for (int i = 0; i < kMembers; ++i) {
            const QString amount = suji_henkan(txt1[i]->text());
            if (is_refusal(amount)) {
                txt1[i]->setFocus();
                return kStopped;
            }
            if (refuse_out_of_range(member_amount_in_range(read_number(amount)), kAmountOutOfRange,
                                    txt1[i]))
                return kStopped;
            book.member_kingaku[i][c] = to_long_clamped(read_number(amount));
        }
        book.komoku_mode[c] = 0;
    }

    book.komoku_name[c] = title;
    clip_names(20);

    book.komoku_kingaku[c] = to_long_clamped(read_number(suji_henkan(txtKingaku->text())));
    book.komoku_sogaku[c] = to_long_clamped(read_number(suji_henkan(txtSogaku->text())));
    book.komoku_nin[c] = to_integer_clamped(read_number(suji_henkan(txtNin->text())));
    return 0;
}

bool frmTavu::commit_sheet() {
    return newdata_memo(0) != -1 && ninzu_check(0) != -1;
}

qint16 frmTavu::ninzu_check(qint16) {
    if (!optKinto->isChecked() || txtNin->text().isEmpty()) return 0;
    if (read_number(trim_blanks(txtChkCnt->text())) == read_number(suji_henkan(txtNin->text())))
        return 0;
    ui::refuse(QStringLiteral("マークした数が 違いまっせ！！"), txtNin);
    return kStopped;
}

void frmTavu::clip_names(int width) {
    if (width == 12) {
        for (int i = 0; i < kMembers; ++i) {
            const QString name = cp932::clip_bytes(lbl1[i]->text(), 12);
            lbl1[i]->setText(name);
            book.member_name[i] = name;
            ui::set_caption(chk1[i], name);
        }
    } else if (width == 20) {
        for (int i = 0; i < kItems; ++i)
            book.komoku_name[i] = cp932::clip_bytes(book.komoku_name[i], 20);
    }
}
