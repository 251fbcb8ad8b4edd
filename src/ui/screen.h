#pragma once

#include <QWidget>

namespace ui {

// Moves a window so that it sits in the middle of the screen:
// left = (screen width - window width) / 2, the same for the top.
void center_on_screen(QWidget* window);

} // namespace ui
