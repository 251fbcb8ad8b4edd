// Moving between items: every move commits the item shown and checks its
// marked count first, and stays when either refuses.
#include "book/text_rules.h"
#include "sheet/entry_messages.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

void frmTavu::cmdNext_Click() {
    if (!commit_sheet()) return;
    if (book.cur_komoku < kItems - 1) {
        ++book.cur_komoku;
        gamen_kosin();
    }
}

void frmTavu::cmdBack_Click() {
    const int c = book.cur_komoku;
    // Going back from an emptied middle item would leave a gap in the list.
    if (is_blank(txtKomoku->text()) && !is_blank(book.komoku_name[c + 1]) && c > 0) {
        ui::refuse(entry_msg::kUseDel, txtKomoku);
        return;
    }
    if (!commit_sheet()) return;
    if (book.cur_komoku > 0) {
        --book.cur_komoku;
        gamen_kosin();
    }
}

void frmTavu::txtKomoku_KeyPress(int key) {
    if (key == 13) cmdNext_Click();
}
