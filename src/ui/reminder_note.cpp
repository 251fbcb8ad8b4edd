#include "ui/reminder_note.h"

#include <QSettings>

namespace ui {

namespace {

const QString kNoteKey = QStringLiteral("reminders/note");

QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tavu"),
                     QStringLiteral("tavu"));
}

} // namespace

std::optional<QString> reminder_note() {
    const QSettings s = settings();
    if (!s.contains(kNoteKey)) return std::nullopt;
    return s.value(kNoteKey).toString();
}

void keep_reminder_note(const QString& note) {
    QSettings s = settings();
    s.setValue(kNoteKey, note);
    s.sync();
}

} // namespace ui
