#include "print/csv_feature.h"
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "sheet/frmTavu.h"
#include "ui/report_files.h"

namespace print {

CsvFeature::CsvFeature(frmTavu& sheet) : QObject(&sheet), w(sheet) {
    setObjectName(QStringLiteral("csv"));
}

// Both tables are made as the print commands print: the sheet is committed
// first, with the period and the person in charge as the window shows them.
void CsvFeature::file_csv_Click() {
    if (!w.commit_sheet()) return;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    print_syukei(w.book);
    ui::write_csv_and_tell(csv_text(w.book), QStringLiteral("book"));
}

void CsvFeature::file_csv_pay_Click() {
    if (!w.commit_sheet()) return;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    ui::write_csv_and_tell(payments_csv_text(w.book), QStringLiteral("payments"));
}

} // namespace print
