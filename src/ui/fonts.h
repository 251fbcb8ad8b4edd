#pragma once
// Every font of the program comes from here: "ＭＳ Ｐゴシック" where it is
// installed, else IPAPGothic, else Noto Sans CJK JP.

#include <QFont>

namespace ui {

QFont gothic_font(double point_size);

} // namespace ui
