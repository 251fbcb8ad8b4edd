#include "app/help_window.h"
#include "sheet/frmTavu.h"

#include <QCloseEvent>

// Placeholder until save, reload and exit are built.
void frmTavu::closeEvent(QCloseEvent* event) {
    event->accept();
}
bool frmTavu::event(QEvent* event) {
    return QMainWindow::event(event);
}
void frmTavu::connect_app_handlers() {
    connect(tavu_help, &QAction::triggered, this, &frmTavu::tavu_help_Click);
}

// Shows the bundled help page; the window is made once and then only shown.
// Without a page nothing happens and nothing is said.
void frmTavu::tavu_help_Click() {
    auto* window = findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HelpWindow(this);
        if (!window->load()) {
            delete window;
            return;
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}
