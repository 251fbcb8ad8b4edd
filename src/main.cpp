// TAVU: the splash window opens the main window on the working folder's book.
#include "app/command_line.h"
#include "app/frmOpen.h"
#include "book/book.h"

#include <QApplication>

int main(int argc, char** argv) {
    app::name_program();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine line = app::read_command_line(arguments);
    if (!line.run) return line.exit_code;

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavu"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("tavu"), QIcon(frmOpen::small_picture())));
    if (!app::enter_working_folder(line.folder)) return 1;
    Book book; // outlives every window
    frmOpen splash(book);
    splash.show();
    return app.exec();
}
