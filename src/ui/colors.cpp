#include "ui/colors.h"

#include <QApplication>
#include <QPalette>

namespace ui {

QColor to_qcolor(quint32 bbggrr) {
    if (bbggrr == kButtonTextColor) return QApplication::palette().color(QPalette::ButtonText);
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

quint32 to_bbggrr(const QColor& color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

void set_fore_color(QWidget* widget, quint32 bbggrr) {
    const QColor color = to_qcolor(bbggrr);
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == color &&
        palette.color(QPalette::ButtonText) == color)
        return;
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

quint32 fore_color(const QWidget* widget) {
    return to_bbggrr(widget->palette().color(widget->foregroundRole()));
}

void tint_as_past_period(QWidget* window) {
    QPalette tint = window->palette();
    tint.setColor(QPalette::Window, QColor(0xF4, 0xE8, 0xC8));
    window->setPalette(tint);
    window->setAutoFillBackground(true);
}

} // namespace ui
