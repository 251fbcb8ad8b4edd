// 個別印刷, セレクト印刷 and the statement print run, as part of frmTavu.
#include "book/text_rules.h"
#include "print/frmSelectPrint.h"
#include "print/meisai.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"
#include "ui/form_activation.h"
#include "ui/message_box.h"

qint16 confirm_period_and_organizer(frmTavu& w) {
    if (!w.commit_sheet()) return -1;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    if (is_blank(w.book.nengetu)) {
        ui::msg_box(QStringLiteral("年 とか 月 が  ありまへん ！"), ui::Icon::Exclamation);
        w.txtNengetu->setFocus();
        return -1;
    }
    if (ui::msg_box(QStringLiteral("年 月  は   これで   ＯＫやろネ ？"), ui::Icon::None,
                    ui::Buttons::OkCancel) == ui::Answer::Cancel) {
        w.txtNengetu->setFocus();
        return -1;
    }
    // The text itself is compared: two blanks pass and print as blanks.
    if (w.book.motojime.isEmpty() || w.book.motojime == QStringLiteral(" ")) {
        ui::msg_box(QStringLiteral("担当ネーム が  ありまへん ！"), ui::Icon::Exclamation);
        w.txtMotojime->setFocus();
        return -1;
    }
    if (ui::msg_box(QStringLiteral("担当ネーム  は   ＯＫやろネ ？"), ui::Icon::None,
                    ui::Buttons::OkCancel) == ui::Answer::Cancel) {
        w.txtMotojime->setFocus();
        return -1;
    }
    return 0;
}

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
