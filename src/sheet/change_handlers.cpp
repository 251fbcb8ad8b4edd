// Edits on the sheet mark the book as unsaved.
#include "book/text_rules.h"
#include "sheet/frmTavu.h"

void frmTavu::chk1_Click(int) {
    book.hozon_flag = 0;
    int count = 0;
    for (QCheckBox* chk : chk1)
        if (chk->isChecked()) ++count;
    txtChkCnt->setText(number_text(count));
}

void frmTavu::text_changed() {
    book.hozon_flag = 0;
}

void frmTavu::txtNengetu_Change() {
    book.nengetu = txtNengetu->text();
}

void frmTavu::txtMotojime_Change() {
    book.motojime = txtMotojime->text();
}
