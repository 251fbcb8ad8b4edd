#pragma once
// What the statement commands and the unpaid list ask before anything
// prints: the sheet committed, the period there and confirmed, the person in
// charge there and confirmed. -1 when stopped (a message was shown or the
// focus moved). The period and the person in charge go into the book even
// then.

#include <QtGlobal>

class frmTavu;

qint16 confirm_period_and_organizer(frmTavu& w);
// What 帳票の印刷 asks: the sheet committed, the period there and confirmed.
qint16 confirm_period(frmTavu& w);
