// 帳票の印刷 and the printing notice, as part of frmTavu.
#include "print/frmSirase.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"

void frmTavu::print_thohyo_Click() {
    if (confirm_period(*this) == -1) return;
    print_run(book, printing_notice(), report_name(Report::Summary),
              [](Book& b, ui::Printer& printer) { draw_report(Report::Summary, b, printer); });
}

frmSirase& frmTavu::printing_notice() {
    if (!sirase_) sirase_ = new frmSirase(this);
    return *sirase_;
}

void frmTavu::unload_printing_notice() {
    delete sirase_;
    sirase_ = nullptr;
}

void frmTavu::connect_print_handlers() {
    connect(print_thohyo, &QAction::triggered, this, &frmTavu::print_thohyo_Click);
    connect_statement_handlers();
}
