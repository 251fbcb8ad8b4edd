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

void place_beside(QWidget* window, QWidget* owner, QSize wanted) {
    const QRect area = available_area(owner ? owner : window);
    const QSize extra = frame_extra(owner);
    const QSize most = area.size() - extra;
    QSize size = wanted.boundedTo(most).expandedTo(window->minimumSize().boundedTo(most));
    const int least = std::min(size.width(), std::max(window->minimumSizeHint().width(), 420));
    if (!owner || !owner->isVisible()) {
        window->resize(size);
        window->move(area.left() + (area.width() - size.width() - extra.width()) / 2,
                     area.top() + (area.height() - size.height() - extra.height()) / 2);
        return;
    }
    QRect taken = owner->frameGeometry();
    int right_room = area.right() - taken.right() - extra.width();
    int left_room = taken.left() - area.left() - extra.width();
    // Room beside the owner is made by moving it to the screen's left edge
    // when neither side has enough but the two together do.
    if (right_room < least && left_room < least && right_room + left_room >= least) {
        owner->move(area.left(), owner->pos().y());
        taken.moveLeft(area.left());
        right_room = area.right() - taken.right() - extra.width();
        left_room = 0;
    }
    int x;
    if (right_room >= least && right_room >= std::min(left_room, size.width())) {
        size.setWidth(std::min(size.width(), right_room));
        x = taken.right() + 1;
    } else if (left_room >= least) {
        size.setWidth(std::min(size.width(), left_room));
        x = taken.left() - size.width() - extra.width();
    } else {
        // No room beside at all: the side of the screen with more of the
        // owner left in view, and as low as the screen allows below the
        // owner moved to its top, so that the owner's title and menus stay
        // in view too.
        x = right_room >= left_room ? area.right() + 1 - size.width() - extra.width() : area.left();
        const int lowest = area.bottom() + 1 - size.height() - extra.height();
        if (lowest > area.top()) {
            owner->move(owner->pos().x(), area.top());
            window->resize(size);
            window->move(std::max(x, area.left()), lowest);
            return;
        }
    }
    const int y =
        std::clamp(taken.top(), area.top(),
                   std::max(area.top(), area.bottom() + 1 - size.height() - extra.height()));
    window->resize(size);
    window->move(std::max(x, area.left()), y);
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
