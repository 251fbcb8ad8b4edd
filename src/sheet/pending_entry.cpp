// Temporary stand-ins so the program links while this subsystem is being
// built. Each owner deletes a line here when defining the member for real;
// this file goes once empty.
#include "sheet/frmTavu.h"

qint16 frmTavu::newdata_memo(qint16) {
    return 0;
}
qint16 frmTavu::ninzu_check(qint16) {
    return 0;
}
QString frmTavu::suji_henkan(const QString& text) {
    return text;
}
void frmTavu::clip_names(int) {}
void frmTavu::cmdNext_Click() {}
void frmTavu::cmdBack_Click() {}
void frmTavu::txtKomoku_KeyPress(int) {}
void frmTavu::cmdCalc_Click() {}
void frmTavu::all_tavu_Click() {}
void frmTavu::all_tavu_off_Click() {}
void frmTavu::txt1_Click(int) {}
void frmTavu::txt1_DblClick(int) {}
void frmTavu::optBoss_Click() {}
void frmTavu::optHira_Click() {}
