#pragma once
// Every font of the program comes from here: "ＭＳ Ｐゴシック" where it is
// installed, else IPAPGothic, else Noto Sans CJK JP.

#include <QFont>

namespace ui {

QFont gothic_font(double point_size);

// True when `font` is drawn with the installed font `family`, by whichever
// of its names `family` calls it; false when a fallback stands in for it.
bool is_family(const QFont& font, const QString& family);

} // namespace ui
