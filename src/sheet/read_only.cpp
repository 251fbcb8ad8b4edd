// A window whose book may not be written (held by another program, a closed
// period) offers no control that would change it: boxes show their text
// without taking typing, check boxes and options cannot be switched, and the
// writing commands are greyed. Moving between items, printing and the CSV
// stay. The commands still ask the write guard, for any way round this.
#include "sheet/frmTavu.h"

void frmTavu::show_read_only() {
    if (!write_guard.read_only()) return;
    for (ui::TextBox* box : {txtKomoku, txtSogaku, txtNin, txtKingaku, txtBoss, txtHira})
        box->setReadOnly(true);
    for (int i = 0; i < kMembers; ++i) {
        txt1[i]->setReadOnly(true);
        chk1[i]->setEnabled(false);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{optKinto, optBara, optBoss, optHira,
                                                            cmdKomokuDel, cmdCalc})
        control->setEnabled(false);
    for (QAction* command : {file_all_hozon, file_new_period, file_meibo_in, hensyu_name,
                             komoku_sort, hensyu_meibo_undo})
        command->setEnabled(false);
}
