#pragma once
// The organizer's own line on the reminder slips (how and by when to pay),
// kept with the printer choice in ~/.config/tavu/tavu.conf.

#include <QString>
#include <optional>

namespace ui {

// The line kept, or std::nullopt before it was ever set (an empty line is
// a choice too: the slips go without).
std::optional<QString> reminder_note();
void keep_reminder_note(const QString& note);

} // namespace ui
