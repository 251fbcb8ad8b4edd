#pragma once
// Positions and sizes are kept in twips as laid out; 15 twips make a pixel
// at 96 dpi, so the window keeps its proportions.

#include <QRect>
#include <QWidget>

namespace ui {

constexpr int twips(int value) {
    return value / 15;
}

constexpr QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Places a control inside its container at a position given in twips.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips_rect(left, top, width, height));
}

} // namespace ui
