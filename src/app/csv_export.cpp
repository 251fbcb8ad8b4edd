// ＣＳＶ出力 and ＣＳＶ出力 (集金の記録): the book and the payments record as
// tables for spreadsheets, written into the working folder, as part of
// frmTavu.
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "sheet/frmTavu.h"
#include "ui/report_files.h"

#include <QDir>

// Both tables are made as the print commands print: the sheet is committed
// first, with the period and the person in charge as the window shows them.
void frmTavu::file_csv_Click() {
    if (!commit_sheet()) return;
    book.nengetu = txtNengetu->text();
    book.motojime = txtMotojime->text();
    print_syukei(book);
    ui::write_csv_and_tell(csv_text(book), QStringLiteral("book"));
}

void frmTavu::file_csv_pay_Click() {
    if (!commit_sheet()) return;
    book.nengetu = txtNengetu->text();
    book.motojime = txtMotojime->text();
    ui::write_csv_and_tell(payments_csv_text(book), QStringLiteral("payments"));
}

void frmTavu::connect_csv_handlers() {
    connect(file_csv, &QAction::triggered, this, &frmTavu::file_csv_Click);
    connect(file_csv_pay, &QAction::triggered, this, &frmTavu::file_csv_pay_Click);
}
