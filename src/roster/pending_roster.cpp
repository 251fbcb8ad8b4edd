// Temporary stand-ins so the program links while this subsystem is being
// built. Each owner deletes a line here when defining the member for real;
// this file goes once empty.
#include "sheet/frmTavu.h"

void frmTavu::hensyu_name_Click() {}
void frmTavu::store_input_name() {}
void frmTavu::txtName_Input_KeyPress(int) {}
void frmTavu::vsbName_Change() {}
void frmTavu::lbl1_Click(int) {}
void frmTavu::lbl1_DblClick(int) {}
void frmTavu::cmdGetname_yame_Click() {}
void frmTavu::paint_changed_names() {}
void frmTavu::cmdName_insert_Click() {}
void frmTavu::CmdName_Del_Click() {}
