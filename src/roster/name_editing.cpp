#include "sheet/frmTavu.h"

// Placeholder until name editing is built.
void frmTavu::connect_roster_handlers() {}
