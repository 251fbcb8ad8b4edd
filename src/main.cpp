// TAVU: the splash window opens the main window on the working folder's book.
#include "app/frmOpen.h"
#include "book/book.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(frmOpen::small_picture()));
    Book book; // outlives every window
    frmOpen splash(book);
    splash.show();
    return app.exec();
}
