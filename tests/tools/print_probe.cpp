// Prints a report of a full book through the main window's menu command,
// with the period and the person in charge confirmed, on whatever printer
// the system has (the default printer, or a PDF in the current folder):
//   print_probe                   帳票の印刷
//   print_probe statements        個別印刷
//   print_probe select 3 17 40    セレクト印刷 of the members numbered 3, 17, 40
//   print_probe to QUEUE [...]    first chooses the printer QUEUE in 印刷先の選択
// Writes every message shown and the status line to standard output and
// exits 0 when the document went to a printer, 2 when it became a PDF, 1
// when printing failed (or QUEUE was not listed).
#include "print/frmSelectPrint.h"
#include "print/printer_choice.h"
#include "sheet/frmTavu.h"
#include "support/full_book.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QListWidget>
#include <QStatusBar>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QStringLiteral("to")) {
        PrinterChoice choice;
        const QList<QListWidgetItem*> rows = choice.lstPrinter->findItems(
            QStringLiteral("「%1」").arg(args.value(1)), Qt::MatchContains);
        if (rows.isEmpty()) return 1;
        choice.lstPrinter->setCurrentItem(rows.front());
        choice.accept();
        args = args.mid(2);
    }
    const QString report = args.value(0, QStringLiteral("summary"));
    Book book;
    fill_full_book(book);
    ui::MessageScript script;
    frmTavu w(book);
    for (int i = 0; i < kMembers; ++i) w.lbl1[i]->setText(book.member_name[i]);
    w.optKinto->setChecked(true);
    w.gamen_kosin();
    w.txtNengetu->setText(book.nengetu);
    w.txtMotojime->setText(book.motojime);
    if (report == QStringLiteral("statements")) {
        w.print_kobetu->trigger();
    } else if (report == QStringLiteral("select")) {
        w.print_select->trigger();
        frmSelectPrint* dialog = w.select_print_form;
        dialog->Form_Activate();
        for (const QString& number : args.mid(1)) {
            dialog->lstName->setCurrentRow(number.toInt() - 1);
            dialog->cmdSelct->click();
        }
        dialog->cmdKakutei->click();
    } else {
        w.print_thohyo->trigger();
    }
    std::printf("%s\n", w.statusBar()->currentMessage().toUtf8().constData());
    int result = 0;
    for (const ui::ShownBox& box : script.shown) {
        std::printf("%s\n", box.text.toUtf8().constData());
        if (box.icon == ui::Icon::Critical) result = 1;
        if (box.icon == ui::Icon::Information && result == 0) result = 2;
    }
    return result;
}
