#include "ui/form_activation.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace ui {

namespace {

const char kNoticeProperty[] = "tavu_notice";

PreviousWindow kind_of(const QWidget* window) {
    if (!window) return PreviousWindow::Outside;
    if (window->property(kNoticeProperty).toBool()) return PreviousWindow::Notice;
    const Qt::WindowType type = window->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip) return PreviousWindow::PopupMenu;
    if (window->isModal() || qobject_cast<const QMessageBox*>(window))
        return PreviousWindow::MessageBox;
    return PreviousWindow::Form;
}

// Follows the activations of the program's windows. Qt delivers
// WindowActivate to the new window before WindowDeactivate to the old one,
// so at an activation `active` still holds the window it comes from. A
// deactivation that leaves no window of the program active means the focus
// went outside, unless the window is being hidden (a message box closing):
// then the next window to become active comes from it.
class ActivationWatch : public QObject {
public:
    static ActivationWatch& instance() {
        static ActivationWatch* watch = [] {
            auto* w = new ActivationWatch(qApp);
            qApp->installEventFilter(w);
            return w;
        }();
        return *watch;
    }

    // The window that was active before the latest activation, and its kind
    // as it was then.
    QPointer<QWidget> activated;
    QPointer<QWidget> previous;
    PreviousWindow previous_kind = PreviousWindow::Outside;
    QSet<const QWidget*> just_shown;

    void mark_shown(QWidget* window) { just_shown.insert(window); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::WindowActivate &&
            type != QEvent::WindowDeactivate)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow()) return false;
        if (type == QEvent::Show) {
            // The program shows a window; a window system's show (coming
            // back from an icon) is spontaneous.
            if (!event->spontaneous() && kind_of(window) == PreviousWindow::Form)
                mark_shown(window);
        } else if (type == QEvent::WindowActivate) {
            previous = active;
            previous_kind = active_kind;
            activated = window;
            active = window;
            active_kind = kind_of(window);
        } else if (QApplication::activeWindow() == nullptr && window->isVisible()) {
            active = nullptr;
            active_kind = PreviousWindow::Outside;
        }
        return false;
    }

private:
    using QObject::QObject;
    QPointer<QWidget> active;
    PreviousWindow active_kind = PreviousWindow::Outside;
};

} // namespace

bool is_form_activation(bool just_shown, PreviousWindow previous) {
    return just_shown || previous == PreviousWindow::Form;
}

void watch_activations() {
    ActivationWatch::instance();
}

bool form_activated(QWidget* form) {
    ActivationWatch& watch = ActivationWatch::instance();
    const bool just_shown = watch.just_shown.remove(form);
    // An activation handed again to the window that is active already
    // comes from nowhere else.
    if (watch.activated != form || watch.previous == form) return just_shown;
    return is_form_activation(just_shown, watch.previous_kind);
}

void show_form(QWidget* form) {
    // Shown again while it is the active window, a form is not activated.
    if (QApplication::activeWindow() != form) ActivationWatch::instance().mark_shown(form);
    form->show();
    form->raise();
    form->activateWindow();
}

void mark_as_notice(QWidget* window) {
    window->setProperty(kNoticeProperty, true);
}

} // namespace ui
