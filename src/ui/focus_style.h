#pragma once
// The style's focus outline drawn so that it can be seen: a solid line in
// the palette's text colour (at least 3:1 against the window in any
// readable palette), where the usual style draws a faint tinted one; and
// the menu bar's entry marked while the keyboard is in the bar.

namespace ui {

// Wraps the application's style; call once the QApplication exists.
void use_visible_focus();

} // namespace ui
