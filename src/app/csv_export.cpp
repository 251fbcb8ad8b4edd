// ＣＳＶ出力 and ＣＳＶ出力 (集金の記録): the book and the payments record as
// tables for spreadsheets, written into the working folder, as part of
// frmTavu.
#include "app/csv_export.h"
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/report_files.h"

#include <QDir>

WriteResult write_report_csv(const QByteArray& bytes, const QString& report, const QString& out,
                             const QString& folder, QString& written) {
    if (!out.isEmpty()) {
        written = out;
        return write_file_atomically(out, bytes);
    }
    // A working folder that is gone has no path; nothing goes elsewhere.
    if (folder.isEmpty() || !QDir(folder).exists()) return WriteResult::Failed;
    const QString stamp = ui::report_stamp();
    return write_new_file(
        [&](int n) {
            return ui::report_file_path(folder, report, stamp, n, QStringLiteral("csv"));
        },
        bytes, written);
}

void write_csv_and_tell(const QByteArray& bytes, const QString& report, const QString& what) {
    QString written;
    const QString gap = QStringLiteral("\r\n\r\n");
    if (!is_written(write_report_csv(bytes, report, QString(), QDir::currentPath(), written))) {
        ui::msg_box(QStringLiteral("ＣＳＶ が 書かれへんかってん ！") + gap +
                        QStringLiteral("フォルダ「%1」の 空きと 書き込みの 許可を 見てや ！")
                            .arg(QDir::toNativeSeparators(QDir::currentPath())),
                    ui::Icon::Critical);
        return;
    }
    ui::msg_box(what + QStringLiteral("ＣＳＶ に 書き出したで ！") + gap +
                    QDir::toNativeSeparators(written),
                ui::Icon::Information);
}

// Both tables are made as the print commands print: the sheet is committed
// first, with the period and the person in charge as the window shows them.
void frmTavu::file_csv_Click() {
    if (newdata_memo(0) == -1) return;
    if (ninzu_check(0) == -1) return;
    book.nengetu = txtNengetu->text();
    book.motojime = txtMotojime->text();
    print_syukei(book);
    write_csv_and_tell(csv_text(book), QStringLiteral("book"));
}

void frmTavu::file_csv_pay_Click() {
    if (newdata_memo(0) == -1) return;
    if (ninzu_check(0) == -1) return;
    book.nengetu = txtNengetu->text();
    book.motojime = txtMotojime->text();
    write_csv_and_tell(payments_csv_text(book), QStringLiteral("payments"));
}

void frmTavu::connect_csv_handlers() {
    connect(file_csv, &QAction::triggered, this, &frmTavu::file_csv_Click);
    connect(file_csv_pay, &QAction::triggered, this, &frmTavu::file_csv_pay_Click);
}
