// Temporary stand-ins so the program links while this subsystem is being
// built. Each owner deletes a line here when defining the member for real;
// this file goes once empty.
#include "sheet/frmTavu.h"

qint16 frmTavu::data_hozon() {
    return -1;
}
void frmTavu::file_all_hozon_Click() {}
void frmTavu::data_reload_Click() {}
void frmTavu::file_end_Click() {}
void frmTavu::Form_QueryUnload(bool&, int) {}
void frmTavu::Form_Unload() {}
void frmTavu::Form_Activate() {}
