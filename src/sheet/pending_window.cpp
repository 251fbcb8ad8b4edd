// Temporary stand-ins so the program links while this subsystem is being
// built. Each owner deletes a line here when defining the member for real;
// this file goes once empty.
#include "sheet/frmTavu.h"

void frmTavu::gamen_kosin() {}
void frmTavu::optKinto_Click() {}
void frmTavu::optBara_Click() {}
void frmTavu::chk1_Click(int) {}
void frmTavu::text_changed() {}
void frmTavu::Form_Load() {}
void frmTavu::name_hyoji() {}
void frmTavu::name_font() {}
void frmTavu::report_read_result(ReadResult, bool) {}
