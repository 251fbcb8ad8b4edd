#include "ui/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace ui {

namespace {

// The window manager's frame around a window: known once the owner has
// been shown, else the usual title bar.
QSize frame_extra(const QWidget* shown) {
    if (shown && shown->isVisible()) {
        const QSize extra = shown->frameGeometry().size() - shown->geometry().size();
        if (extra.width() >= 0 && extra.height() > 0) return extra;
    }
    return {8, 32};
}

} // namespace

void center_on_screen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

QRect available_area(const QWidget* near) {
    const QScreen* screen = near ? near->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
}

void place_beside(QWidget* window, const QWidget* owner, QSize wanted) {
    const QRect area = available_area(owner ? owner : window);
    const QSize extra = frame_extra(owner);
    const QSize most = area.size() - extra;
    QSize size = wanted.boundedTo(most).expandedTo(window->minimumSize().boundedTo(most));
    const QRect taken = owner && owner->isVisible() ? owner->frameGeometry() : QRect();
    const int right_room = taken.isNull() ? 0 : area.right() - taken.right() - extra.width();
    const int left_room = taken.isNull() ? 0 : taken.left() - area.left() - extra.width();
    const int least = std::min(size.width(), std::max(window->minimumSizeHint().width(), 420));
    int x;
    if (taken.isNull()) {
        x = area.left() + (area.width() - size.width() - extra.width()) / 2;
    } else if (right_room >= size.width() || (right_room >= least && right_room >= left_room)) {
        size.setWidth(std::min(size.width(), right_room));
        x = taken.right() + 1;
    } else if (left_room >= least) {
        size.setWidth(std::min(size.width(), left_room));
        x = taken.left() - size.width() - extra.width();
    } else {
        // No room beside: the side of the screen with more of the owner
        // left uncovered.
        x = right_room >= left_room ? area.right() + 1 - size.width() - extra.width() : area.left();
    }
    const int top = taken.isNull()
                        ? area.top() + (area.height() - size.height() - extra.height()) / 2
                        : taken.top();
    const int y = std::clamp(top, area.top(), area.bottom() + 1 - size.height() - extra.height());
    window->resize(size);
    window->move(std::max(x, area.left()), std::max(y, area.top()));
}

void fit_on_screen(QWidget* window) {
    const QRect area = available_area(window);
    const QSize extra = frame_extra(nullptr);
    const QSize size = window->size().boundedTo(area.size() - extra);
    if (size != window->size()) window->resize(size);
    const QRect frame(window->pos(), size + extra);
    const int x = std::clamp(frame.left(), area.left(),
                             std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != window->pos()) window->move(x, y);
}

} // namespace ui
