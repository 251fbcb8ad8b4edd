// 個別印刷, セレクト印刷 and the statement print run, as part of frmTavu.
#include "print/frmSelectPrint.h"
#include "print/meisai.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"
#include "ui/form_activation.h"

void frmTavu::print_kobetu_Click() {
    if (confirm_period_and_organizer(*this) == -1) return;
    for (int m = 0; m < kMembers; ++m) book.print_mark[m] = 1;
    print_meisai();
}

// The dialog opens beside the sheet without blocking it.
void frmTavu::print_select_Click() {
    if (confirm_period_and_organizer(*this) == -1) return;
    select_print_dialog()->previews = false;
    select_print_dialog()->setWindowTitle(QStringLiteral("セレクト印刷"));
    ui::show_form(select_print_dialog());
}

void frmTavu::print_meisai() {
    print_run(book, printing_notice(), report_name(Report::Statements),
              [](Book& b, ui::Printer& printer) { ::print_meisai(b, printer); });
}

frmSelectPrint* frmTavu::select_print_dialog() {
    if (!select_print_form) select_print_form = new frmSelectPrint(*this);
    return select_print_form;
}

void frmTavu::connect_statement_handlers() {
    connect(print_kobetu, &QAction::triggered, this, &frmTavu::print_kobetu_Click);
    connect(print_select, &QAction::triggered, this, &frmTavu::print_select_Click);
}
