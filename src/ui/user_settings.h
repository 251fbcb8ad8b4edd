#pragma once
// The user's settings file, ~/.config/tavu/tavu.conf (the printer choice, the
// reminder slips' line). It is read as the book is: only a regular file of
// at most 64 KiB, through a link if it is one. Anything else under its name
// (a FIFO would hang the read, a link to a device would never end) is left
// alone, said once on standard error, and what is chosen meanwhile holds for
// this run only.

#include <QSettings>
#include <memory>

namespace ui {

std::unique_ptr<QSettings> user_settings();

} // namespace ui
