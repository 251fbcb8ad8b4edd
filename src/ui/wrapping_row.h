#pragma once
// A tool line of two parts that goes onto two lines, the second part below
// the first, where its window is too narrow for one: a window then fits a
// small screen (640×512 at 200%) with every button in view.

#include <QBoxLayout>

namespace ui {

// The line to add to `window`'s layout. On one line the room left goes to
// `second`. The window may shrink to what the two lines need.
QBoxLayout* wrapping_row(QWidget* window, QLayout* first, QLayout* second);

} // namespace ui
