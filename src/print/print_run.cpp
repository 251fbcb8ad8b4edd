#include "print/print_run.h"
#include "book/print_rules.h"
#include "print/frmSirase.h"
#include "ui/message_box.h"

#include <QDir>

namespace {

const QString kBreak = QStringLiteral("\r\n\r\n");

} // namespace

ui::PrintOutcome print_run(Book& book, frmSirase& notice, const QString& report,
                           const std::function<void(Book&, ui::Printer&)>& draw) {
    notice.show_now();
    print_syukei(book);
    ui::PrintOutcome outcome;
    {
        const std::unique_ptr<ui::Printer> printer = ui::open_printer(report);
        draw(book, *printer);
        outcome = printer->outcome();
    }
    notice.hide();
    report_print_outcome(outcome);
    return outcome;
}

void report_print_outcome(const ui::PrintOutcome& outcome) {
    using Result = ui::PrintOutcome::Result;
    const QString pdf = QDir::toNativeSeparators(outcome.pdf_path);
    switch (outcome.result) {
    case Result::Printed:
        return;
    case Result::SavedPdf:
        ui::msg_box(QStringLiteral("プリンタが 見つからへんから、PDF に しといたで ！") + kBreak +
                        pdf,
                    ui::Icon::Information);
        return;
    case Result::Failed:
        break;
    }
    const QString where =
        outcome.printer.isEmpty()
            ? QStringLiteral("PDF「%1」が 書かれへん。  フォルダの 空きと 書き込みの 許可を "
                             "見てや ！")
                  .arg(pdf)
            : QStringLiteral("プリンタ「%1」が 受け付けてくれへん。  プリンタを 見てや ！")
                  .arg(outcome.printer);
    ui::msg_box(QStringLiteral("印刷 でけへんかってん ！") + kBreak + where + kBreak + u'(' +
                    outcome.detail + u')',
                ui::Icon::Critical);
}
