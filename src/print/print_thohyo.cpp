// 帳票の印刷 and the printing notice, as part of frmTavu.
#include "book/text_rules.h"
#include "print/frmSirase.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

qint16 confirm_period(frmTavu& w) {
    if (!w.commit_sheet()) return -1;
    w.book.nengetu = w.txtNengetu->text();
    if (is_blank(w.book.nengetu)) {
        ui::msg_box(QStringLiteral("年 とか 月 が ありまへん ！"), ui::Icon::Exclamation);
        w.txtNengetu->setFocus();
        return -1;
    }
    if (ui::msg_box(QStringLiteral("年 月  は   これで   ＯＫやろネ ？"), ui::Icon::None,
                    ui::Buttons::OkCancel) == ui::Answer::Cancel) {
        w.txtNengetu->setFocus();
        return -1;
    }
    return 0;
}

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
