// gamen_kosin: redraws the sheet from the book for the current item. Every
// change it makes to a control runs that control's own handler, as a user's
// change would (marks recount, texts clear hozon_flag, options switch mode).
// The payments window, when open, follows the book.
#include "book/text_rules.h"
#include "sheet/frmTavu.h"

void frmTavu::gamen_kosin() {
    const int c = book.cur_komoku;

    if (book.komoku_mode[c] == 1) {
        for (int i = 0; i < kMembers; ++i) {
            chk1[i]->setChecked(book.mark[i][c] == 1);
            chk1[i]->setVisible(!is_blank(chk1[i]->text()));
            txt1[i]->clear();
            txt1[i]->hide();
            lbl1[i]->hide();
            book.member_kingaku[i][c] = 0;
        }
        if (!optKinto->isChecked()) optKinto->setChecked(true); // runs the switch to 割勘
        fraOkane->show();
        int count = 0;
        for (QCheckBox* chk : chk1)
            if (chk->isChecked()) ++count;
        txtChkCnt->setText(number_text(count));
    } else {
        for (int i = 0; i < kMembers; ++i) {
            const qint32 amount = book.member_kingaku[i][c];
            txt1[i]->setText(amount != 0 ? plain_number_text(amount) : QString());
            const bool named = !is_blank(lbl1[i]->text());
            lbl1[i]->setVisible(named);
            txt1[i]->setVisible(named);
            chk1[i]->setChecked(false);
            chk1[i]->hide();
            book.mark[i][c] = 0;
        }
        if (!optBara->isChecked()) optBara->setChecked(true); // runs the switch to 任意
        fraOkane->hide();
        int count = 0;
        for (ui::TextBox* txt : txt1)
            if (read_number(txt->text()) > 0) ++count;
        txtChkCnt->setText(number_text(count));
        double sum = 0;
        for (ui::TextBox* txt : txt1)
            sum = round_half_even(sum + read_number(suji_henkan(txt->text())));
        txtSyokei->setText(number_text(sum));
    }

    if (!book.komoku_name[c].isEmpty()) {
        auto amount_text = [](double value) {
            return value != 0 ? plain_number_text(value) : QString();
        };
        txtKomoku->setText(book.komoku_name[c]);
        txtKingaku->setText(amount_text(book.komoku_kingaku[c]));
        txtNin->setText(amount_text(book.komoku_nin[c]));
        txtSogaku->setText(amount_text(book.komoku_sogaku[c]));
    } else {
        txtKomoku->clear();
        txtKingaku->clear();
        txtNin->clear();
        txtSogaku->clear();
    }

    txtNengetu->setText(trim_blanks(book.nengetu));
    txtMotojime->setText(trim_blanks(book.motojime));
    txtKomokuNo->setText(number_text(c + 1));
    name_amount_boxes();
    show_roster_hint();
    document.tell_changed();
}
