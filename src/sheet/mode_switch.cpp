// The two mode switches. Switching discards the other mode's data of the
// current item at once, in the book, whether committed or not.
#include "sheet/frmTavu.h"

void frmTavu::optKinto_Click() {
    const int c = book.cur_komoku;
    book.komoku_mode[c] = 1;
    fraOkane->show();
    fraBara->hide();
    gamen_kosin();
}

void frmTavu::optBara_Click() {
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
