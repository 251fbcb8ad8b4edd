// Marking the members of an equal-split item, and putting the preset
// amounts into the members' boxes of an individual-amount item.
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

void frmTavu::all_tavu_Click() {
    if (!optKinto->isChecked()) return;
    // The control's own flag: members on pages not shown count too.
    for (int i = 0; i < kMembers; ++i)
        if (!chk1[i]->isHidden()) chk1[i]->setChecked(true);
}

void frmTavu::all_tavu_off_Click() {
    if (!optKinto->isChecked()) return;
    for (int i = 0; i < kMembers; ++i) chk1[i]->setChecked(false);
}

void frmTavu::txt1_Click(int index) {
    book.hozon_flag = 0;
    const bool boss = optBoss->isChecked();
    // The two messages differ by one blank before "！".
    if (boss && is_blank(txtBoss->text())) {
        ui::msg_box(QStringLiteral("金額を入れてから クリックしてや ！"), ui::Icon::Exclamation);
        txtBoss->setFocus();
        return;
    }
    if (!boss && is_blank(txtHira->text())) {
        ui::msg_box(QStringLiteral("金額を入れてから クリックしてや  ！"), ui::Icon::Exclamation);
        txtHira->setFocus();
        return;
    }

    // The subtotal is taken before the clicked box gets the preset.
    double sum = 0;
    for (int i = 0; i < kMembers; ++i) {
        const double v = read_number(suji_henkan(txt1[i]->text()));
        if (v == -1) {
            txt1[i]->setFocus();
            return;
        }
        sum = round_half_even(sum + v);
    }
    txtSyokei->setText(number_text(sum));

    if (boss) txt1[index]->setText(trim_blanks(txtBoss->text()));
    if (optHira->isChecked()) txt1[index]->setText(trim_blanks(txtHira->text()));

    int count = 0;
    for (int i = 0; i < kMembers; ++i)
        if (read_number(txt1[i]->text()) > 0) ++count;
    txtChkCnt->setText(number_text(count));
}

void frmTavu::txt1_DblClick(int index) {
    txt1[index]->setFocus();
}

void frmTavu::optBoss_Click() {
    if (optBoss->isChecked()) optHira->setChecked(false);
}

void frmTavu::optHira_Click() {
    if (optHira->isChecked()) optBoss->setChecked(false);
    txtHira->setFocus();
}
