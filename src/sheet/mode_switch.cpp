// The two mode switches. Switching discards the other mode's data of the
// current item at once, in the book, whether committed or not; an item with
// payments asks first, as deleting it does.
#include "payments/payments_messages.h"
#include "sheet/frmTavu.h"

#include <QSignalBlocker>

namespace {

// Asks before an item with payments changes mode; on No the option the item
// had goes back on without running its switch.
bool mode_switch_allowed(frmTavu& form, int mode) {
    const int c = form.book.cur_komoku;
    if (form.book.komoku_mode[c] == mode) return true;
    if (payments::confirm_mode_switch(form.book, c,
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
