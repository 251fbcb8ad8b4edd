#include "sheet/frmTavu.h"

// Placeholder until item entry is built.
void frmTavu::connect_entry_handlers() {}
