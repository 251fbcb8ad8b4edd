// 計算: the per-person amount of an equal split from the total and the
// typed head count (not the marked count; leaving the item compares them).
#include "book/split_share.h"
#include "book/text_rules.h"
#include "sheet/entry_messages.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

void frmTavu::cmdCalc_Click() {
    if (is_blank(txtSogaku->text())) {
        ui::refuse(QStringLiteral("総額が ないで！ 入れてから 押してや！"), txtSogaku);
        return;
    }
    const QString total = suji_henkan(txtSogaku->text());
    if (is_refusal(total)) {
        txtSogaku->setFocus();
        return;
    }
    if (is_blank(txtNin->text())) {
        ui::refuse(QStringLiteral(" 人数を 入れな あきまへんで！"), txtNin);
        return;
    }
    const QString heads_text = suji_henkan(txtNin->text());
    if (is_refusal(heads_text)) {
        txtNin->setFocus();
        return;
    }
    const double heads = read_number(heads_text);
    if (heads < 1 || heads > 96) {
        ui::refuse(entry_msg::kHeadCount, txtNin);
        return;
    }
    const auto share = split_share(read_number(total), heads);
    if (!share) {
        // A total or share beyond 32 bits cannot be held by the book.
        ui::refuse(entry_msg::kTotalTooLarge, txtSogaku);
        return;
    }
    txtKingaku->setText(plain_number_text(*share));
}
