#pragma once

#include <QWidget>

namespace ui {

// Moves a window so that it sits in the middle of the screen:
// left = (screen width - window width) / 2, the same for the top.
void center_on_screen(QWidget* window);

// The part of the screen a window of `near` (or the primary screen) may
// take: the screen less the desktop's panels.
QRect available_area(const QWidget* near);

// Sizes a window to `wanted`, no larger than the screen's available area
// (its frame included), and places it beside `owner`: on the side with
// room, else after moving `owner` to the screen's left edge when that makes
// room, else at the side of the screen that leaves more of `owner` in view,
// and below it where the screen is taller than the window: `owner` moves
// to the top, the window as low as it fits, so the owner's title and menus
// stay in view.
// Layouts scroll or shrink inside.
void place_beside(QWidget* window, QWidget* owner, QSize wanted);

// Keeps a window that is already sized within the available area.
void fit_on_screen(QWidget* window);

} // namespace ui
