#include "sheet/frmTavu.h"

#include <QCloseEvent>

// Placeholder until save, reload and exit are built.
void frmTavu::closeEvent(QCloseEvent* event) {
    event->accept();
}
bool frmTavu::event(QEvent* event) {
    return QMainWindow::event(event);
}
void frmTavu::connect_app_handlers() {}
