#include "print/print_run.h"
#include "book/print_rules.h"
#include "print/frmSirase.h"
#include "ui/message_box.h"

#include <QDesktopServices>
#include <QDir>
#include <QMainWindow>
#include <QStatusBar>
#include <QUrl>

namespace {

constexpr int kStatusMs = 30000;

// Why a PDF stands in for paper, as the user hears it.
QString pdf_reason(const ui::PrintOutcome& outcome) {
    using Reason = ui::PrintOutcome::PdfReason;
    switch (outcome.pdf_reason) {
    case Reason::Chosen:
        return QStringLiteral("PDF に しといたで ！");
    case Reason::NoPrintService:
        return QStringLiteral("印刷の ライブラリ (libcups) が 見つからへんから、PDF に しといたで "
                              "！  紙に 出すなら libcups2 を 入れてや。");
    case Reason::NoDefault:
        return QStringLiteral("いつもの プリンタが 決まってへんから、PDF に しといたで ！  "
                              "「印刷」→「印刷先の選択…」で プリンタを 選んどいてや。");
    case Reason::NoPrinter:
        break;
    }
    return QStringLiteral("プリンタが 見つからへんから、PDF に しといたで ！");
}

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
    if (auto* window = qobject_cast<QMainWindow*>(notice.parentWidget())) {
        const QString said = print_feedback(outcome);
        if (!said.isEmpty()) window->statusBar()->showMessage(said, kStatusMs);
    }
    report_print_outcome(outcome);
    return outcome;
}

QString print_feedback(const ui::PrintOutcome& outcome) {
    switch (outcome.result) {
    case ui::PrintOutcome::Result::Printed:
        return QStringLiteral("プリンタ「%1」に %2 ページ 送ったで。")
            .arg(outcome.printer)
            .arg(outcome.pages);
    case ui::PrintOutcome::Result::SavedPdf:
        return QStringLiteral("PDF「%1」に %2 ページ 書いたで。")
            .arg(QDir::toNativeSeparators(outcome.pdf_path))
            .arg(outcome.pages);
    case ui::PrintOutcome::Result::Failed:
        break;
    }
    return {};
}

void report_print_outcome(const ui::PrintOutcome& outcome) {
    using Result = ui::PrintOutcome::Result;
    const QString pdf = QDir::toNativeSeparators(outcome.pdf_path);
    // Without a default printer the PDF's own message follows.
    if (!outcome.vanished.isEmpty())
        ui::msg_box(
            QStringLiteral("選んであった プリンタ「%1」が 見つからへん。").arg(outcome.vanished) +
                (outcome.printer.isEmpty() ? QString()
                                           : QStringLiteral("  いつもの プリンタに 回したで ！")),
            ui::Icon::Exclamation);
    switch (outcome.result) {
    case Result::Printed:
        return;
    case Result::SavedPdf:
        if (ui::msg_box(pdf_reason(outcome) + ui::kGap + pdf + ui::kGap +
                            QStringLiteral("PDF を 開いて 見てみる？"),
                        ui::Icon::Information, ui::Buttons::YesNo) == ui::Answer::Yes)
            QDesktopServices::openUrl(QUrl::fromLocalFile(outcome.pdf_path));
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
    ui::msg_box(QStringLiteral("印刷 でけへんかってん ！") + ui::kGap + where + ui::kGap + u'(' +
                    outcome.detail + u')',
                ui::Icon::Critical);
}
