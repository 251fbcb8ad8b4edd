#include "ui/reminder_note.h"

#include "ui/user_settings.h"

namespace ui {

namespace {

const QString kNoteKey = QStringLiteral("reminders/note");

} // namespace

std::optional<QString> reminder_note() {
    const auto s = user_settings();
    if (!s->contains(kNoteKey)) return std::nullopt;
    return s->value(kNoteKey).toString();
}

void keep_reminder_note(const QString& note) {
    const auto s = user_settings();
    s->setValue(kNoteKey, note);
    s->sync();
}

} // namespace ui
