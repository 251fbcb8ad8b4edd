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

    // A menu bar entered with the keyboard (Alt alone) marks its entry:
    // the usual style marks only an open menu's.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_MenuBarItem || !(option->state & State_Selected) ||
            (option->state & State_Sunken))
            return;
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::WindowText), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }

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
