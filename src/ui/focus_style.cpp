#include "ui/focus_style.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace ui {

namespace {

class VisibleFocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // As the usual style: shown once the keyboard has moved the focus.
        if (!(option->state & State_KeyboardFocusChange)) return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

void use_visible_focus() {
    QApplication::setStyle(new VisibleFocusStyle(QApplication::style()->name()));
}

} // namespace ui
