#include "ui/pictures.h"

// The pictures live in this library's resources, which a static library
// must register itself.
static void load_splash_pictures() {
    Q_INIT_RESOURCE(splash);
}

namespace ui {

QPixmap splash_picture() {
    load_splash_pictures();
    return QPixmap(QStringLiteral(":/splash/tora.png"));
}

QPixmap small_picture() {
    load_splash_pictures();
    return QPixmap(QStringLiteral(":/splash/tora_small.png"));
}

} // namespace ui
