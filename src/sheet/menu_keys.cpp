// The keys of the menu commands, shown beside their entries. A key works
// only while its entry is on the menu bar: while name editing takes the
// menus away, Qt does not run the commands of a hidden menu.
#include "sheet/frmTavu.h"

#include <QAction>

void frmTavu::setup_menu_keys() {
    file_all_hozon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    print_thohyo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    tavu_help->setShortcut(QKeySequence(Qt::Key_F1));
}
