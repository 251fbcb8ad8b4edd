// Prints the summary table of a full book through the main window's
// 帳票の印刷, with the period confirmed, on whatever printer the system has
// (the default printer, or a PDF in the current folder). Writes every
// message shown to standard output and exits 0 when the document went to a
// printer, 2 when it became a PDF, 1 when printing failed.
#include "sheet/frmTavu.h"
#include "support/full_book.h"
#include "ui/message_box.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Book book;
    fill_full_book(book);
    ui::MessageScript script;
    frmTavu w(book);
    for (int i = 0; i < kMembers; ++i) w.lbl1[i]->setText(book.member_name[i]);
    w.optKinto->setChecked(true);
    w.gamen_kosin();
    w.txtNengetu->setText(book.nengetu);
    w.print_thohyo_Click();
    int result = 0;
    for (const ui::ShownBox& box : script.shown) {
        std::printf("%s\n", box.text.toUtf8().constData());
        if (box.icon == ui::Icon::Critical) result = 1;
        if (box.icon == ui::Icon::Information && result == 0) result = 2;
    }
    return result;
}
