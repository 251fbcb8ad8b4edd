#include "ui/fonts.h"

#include <QStringList>

namespace ui {

QFont gothic_font(double point_size) {
    static const QStringList families{QStringLiteral("ＭＳ Ｐゴシック"),
                                      QStringLiteral("IPAPGothic"),
                                      QStringLiteral("Noto Sans CJK JP")};
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(point_size);
    return font;
}

} // namespace ui
