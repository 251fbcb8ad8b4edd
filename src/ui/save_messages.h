#pragma once
// Messages about writing the working folder that more than one command shows.

#include <QString>

// A step whose file has taken its new name, but whose flush the disk did not
// confirm: it is reported as done, with this warning. `what` names the file
// in the user's words ("データ").
void warn_unconfirmed(const QString& what);
