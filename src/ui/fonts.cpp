#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
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

bool is_family(const QFont& font, const QString& family) {
    // A font has a name per language ("ＭＳ Ｐゴシック", "MS PGothic"), and
    // QFontInfo reports only one of them, chosen by the locale. The family
    // asked for alone, if installed under any of its names, matches the same
    // font the list matched when the list found it.
    if (!QFontDatabase::hasFamily(family)) return false;
    QFont alone = font;
    alone.setFamilies({family});
    return QFontInfo(alone).family() == QFontInfo(font).family();
}

} // namespace ui
