#pragma once

namespace ui {

// Qt's own Japanese texts (the standard buttons キャンセル, はい, いいえ, the
// text boxes' menu), whatever the user's locale: every other text of the
// program is Japanese too. Without Qt's translation files the buttons stay
// as Qt writes them.
void load_qt_japanese();

} // namespace ui
