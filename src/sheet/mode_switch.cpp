// The two mode switches. Switching discards the other mode's data of the
// current item at once, in the book, whether committed or not; an item with
// payments asks first, as deleting it does.
#include "book/payments.h"
#include "book/text_rules.h"
#include "book/yen_text.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include <QSignalBlocker>

namespace {

// True when item k has no payments, or the user agrees to switch it to
// `mode` (割勘 or 任意), which drops its marks or amounts.
bool confirm_mode_switch(const Book& book, int k, const QString& mode) {
    if (!item_has_payments(book, k)) return true;
    const QString title = trim_blanks(book.komoku_name[k]);
    const QString question =
        (title.isEmpty() ? QStringLiteral("%1番目の 項目には").arg(k + 1)
                         : QStringLiteral("「%1」には").arg(title)) +
        QStringLiteral(" もう %1 受け取ってまっせ ！").arg(yen(item_totals(book, k).received)) +
        ui::kGap +
        QStringLiteral("%1に 変えたら 今の 印か 金額が 消えて、 受け取りが 過払いに "
                       "なってしまうで。")
            .arg(mode) +
        ui::kGap + QStringLiteral("ほんまに 変えまっか ？");
    return ui::msg_box(question, ui::Icon::Question, ui::Buttons::YesNo,
                       QStringLiteral("集金チェック")) == ui::Answer::Yes;
}

// Asks before an item with payments changes mode; on No the option the item
// had goes back on without running its switch.
bool mode_switch_allowed(frmTavu& form, int mode) {
    const int c = form.book.cur_komoku;
    if (form.book.komoku_mode[c] == mode) return true;
    if (confirm_mode_switch(form.book, c,
                            mode == 1 ? QStringLiteral("割勘") : QStringLiteral("任意")))
        return true;
    const QSignalBlocker kinto(form.optKinto), bara(form.optBara);
    (form.book.komoku_mode[c] == 1 ? form.optKinto : form.optBara)->setChecked(true);
    return false;
}

} // namespace

void frmTavu::optKinto_Click() {
    if (!mode_switch_allowed(*this, 1)) return;
    const int c = book.cur_komoku;
    book.komoku_mode[c] = 1;
    fraOkane->show();
    fraBara->hide();
    gamen_kosin();
}

void frmTavu::optBara_Click() {
    if (!mode_switch_allowed(*this, 0)) return;
    const int c = book.cur_komoku;
    book.komoku_mode[c] = 0;
    book.komoku_kingaku[c] = 0;
    book.komoku_sogaku[c] = 0;
    book.komoku_nin[c] = 0;
    fraOkane->hide();
    fraBara->show();
    gamen_kosin();
    // Entering 任意 always starts from empty presets with the boss preset chosen.
    txtBoss->setText(QStringLiteral("0"));
    txtHira->setText(QStringLiteral("0"));
    optBoss->setChecked(true);
}
