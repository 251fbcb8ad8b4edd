#pragma once
// What the user is told when a book may not be written (book/write_guard.h).

#include "book/write_guard.h"

#include <QString>

namespace ui {

// Asked by a writing command before it changes anything: true when it may
// go on, else the user is told (naming `command`) and false.
bool write_allowed(const WriteGuard& guard, const QString& command);

// The window's title with what it adds for a read-only book.
QString guarded_title(const WriteGuard& guard, const QString& base);

} // namespace ui
