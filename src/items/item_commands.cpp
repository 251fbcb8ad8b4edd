// The main window's item commands: deleting the item on the sheet and
// opening the item order dialog.
#include "book/item_order.h"
#include "items/frmKomokuSort.h"
#include "sheet/frmTavu.h"
#include "ui/form_activation.h"
#include "ui/payments_messages.h"
#include "ui/write_refusal.h"

// Deletes the item on the sheet at once, without committing it (asking
// only when payments were received for it): what was typed for it goes with it. The later items
// close the gap and the sheet steps back to the item before.
void frmTavu::cmdKomokuDel_Click() {
    if (!ui::write_allowed(write_guard, QStringLiteral("項目の 削除"))) return;
    // Payments go with the item: asked first.
    if (!payments::confirm_item_delete(book, book.cur_komoku)) return;
    book.hozon_flag = 0;
    delete_item(book, book.cur_komoku);
    if (book.cur_komoku != 0) --book.cur_komoku;
    gamen_kosin();
}

// The dialog works on the committed book, so the sheet is committed first.
void frmTavu::komoku_sort_Click() {
    if (!ui::write_allowed(write_guard, QStringLiteral("項目の 並べ替え"))) return;
    if (!commit_sheet()) return;
    ui::show_form(komoku_sort_dialog());
}

frmKomokuSort* frmTavu::komoku_sort_dialog() {
    if (!komoku_sort_form) komoku_sort_form = new frmKomokuSort(*this);
    return komoku_sort_form;
}

void frmTavu::connect_items_handlers() {
    connect(cmdKomokuDel, &QPushButton::clicked, this, &frmTavu::cmdKomokuDel_Click);
    connect(komoku_sort, &QAction::triggered, this, &frmTavu::komoku_sort_Click);
}
