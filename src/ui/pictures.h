#pragma once
// The splash's two pictures: the large one of the splash window and the
// small one, which is also the program's icon and is printed on the summary
// table.

#include <QPixmap>

namespace ui {

QPixmap splash_picture();
QPixmap small_picture();

} // namespace ui
