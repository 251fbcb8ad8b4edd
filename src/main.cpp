// TAVU: the splash window opens the main window on the working folder's book;
// with --pdf, --print or --csv a report is made without any window.
#include "app/command_line.h"
#include "app/folder_claim.h"
#include "app/frmOpen.h"
#include "app/report_command.h"
#include "book/book.h"
#include "ui/focus_style.h"
#include "ui/pictures.h"
#include "ui/report_output.h"
#include "ui/translations.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    app::name_program();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine line = app::read_command_line(arguments);
    if (!line.run) return line.exit_code;

    if (line.output != app::CommandLine::Output::Window) {
        app::prepare_report_command(line);
        if (!app::report_needs_gui(line)) {
            QCoreApplication core(argc, argv);
            return app::run_report_command(line);
        }
        QApplication gui(argc, argv);
        return app::run_report_command(line);
    }

    QApplication app(argc, argv);
    ui::load_qt_japanese();
    ui::use_visible_focus();
    QGuiApplication::setDesktopFileName(QStringLiteral("tavu"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("tavu"), QIcon(ui::small_picture())));
    if (!app::enter_working_folder(line.folder)) return ui::kExitFolderUnusable;
    FolderLock lock; // held while the program runs
    WriteGuard guard;
    if (!app::claim_working_folder(lock, guard)) return ui::kExitDone;
    Book book; // outlives every window
    frmOpen splash(book);
    splash.write_guard = guard;
    splash.show();
    return app.exec();
}
