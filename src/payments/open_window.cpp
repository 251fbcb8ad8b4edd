// The main window's entry to the payments window.
#include "payments/frmSyukin.h"
#include "sheet/frmTavu.h"

// The window shows the committed book, so the sheet is committed first.
void frmTavu::syukin_check_Click() {
    if (!commit_sheet()) return;
    if (!syukin_form) {
        syukin_form = new frmSyukin(book, write_guard, this);
        connect(&document, &BookDocument::changed, syukin_form, &frmSyukin::book_changed);
    }
    syukin_form->book_changed();
    syukin_form->show();
    syukin_form->raise();
    syukin_form->activateWindow();
}

void frmTavu::connect_payments_handlers() {
    connect(syukin_check, &QAction::triggered, this, &frmTavu::syukin_check_Click);
}
