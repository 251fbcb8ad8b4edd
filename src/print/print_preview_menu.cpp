// 印刷プレビュー and 印刷先の選択, as part of frmTavu: the menu entries under 印刷
// and their handlers.
#include "book/print_rules.h"
#include "print/frmSelectPrint.h"
#include "print/meisai.h"
#include "print/print_preview.h"
#include "print/print_run.h"
#include "print/printer_choice.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"
#include "ui/form_activation.h"
#include "ui/modal.h"

namespace {

// The sheet committed and the period and the person in charge taken from
// the window, as the print commands take them; no questions asked, as
// nothing goes to paper. False when the sheet refused.
bool ready_for_preview(frmTavu& w) {
    if (!w.commit_sheet()) return false;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    return true;
}

} // namespace

PrintPreview* frmTavu::open_preview(const QString& title, const QString& report,
                                    const std::function<void(Book&, ui::Printer&)>& draw) {
    print_syukei(book);
    auto document = std::make_shared<ui::PreviewDocument>();
    draw(book, *document);
    auto* preview = new PrintPreview(
        this, title, report, document, [this, report](const ui::PreviewDocument& pages) {
            print_run(book, printing_notice(), report,
                      [&pages](Book&, ui::Printer& printer) { pages.replay(printer); });
        });
    preview->show();
    preview->raise();
    preview->activateWindow();
    return preview;
}

void frmTavu::preview_thohyo_Click() {
    if (!ready_for_preview(*this)) return;
    open_preview(QStringLiteral("帳票"), report_name(Report::Summary),
                 [](Book& b, ui::Printer& printer) { draw_report(Report::Summary, b, printer); });
}

void frmTavu::preview_kobetu_Click() {
    if (!ready_for_preview(*this)) return;
    open_preview(
        QStringLiteral("個別"), report_name(Report::Statements),
        [](Book& b, ui::Printer& printer) { draw_report(Report::Statements, b, printer); });
}

void frmTavu::preview_select_Click() {
    if (!ready_for_preview(*this)) return;
    preview_selection = true;
    // The same dialog as セレクト印刷: its title says that 印刷 only shows.
    select_print_dialog()->setWindowTitle(QStringLiteral("セレクト印刷 （プレビューで 見るだけ）"));
    ui::show_form(select_print_dialog());
}

void frmTavu::print_to_Click() {
    PrinterChoice choice(this);
    ui::run_modal(choice);
}

void frmTavu::connect_preview_handlers() {
    file_print->addSeparator();
    print_preview = file_print->addMenu(QStringLiteral("印刷プレビュー"));
    print_preview->setObjectName(QStringLiteral("print_preview"));
    preview_thohyo = print_preview->addAction(QStringLiteral("帳票"));
    preview_kobetu = print_preview->addAction(QStringLiteral("個別"));
    preview_select = print_preview->addAction(QStringLiteral("セレクト"));
    print_to = file_print->addAction(QStringLiteral("印刷先の選択…"));
    print_to->setObjectName(QStringLiteral("print_to"));
    connect(preview_thohyo, &QAction::triggered, this, &frmTavu::preview_thohyo_Click);
    connect(preview_kobetu, &QAction::triggered, this, &frmTavu::preview_kobetu_Click);
    connect(preview_select, &QAction::triggered, this, &frmTavu::preview_select_Click);
    connect(print_to, &QAction::triggered, this, &frmTavu::print_to_Click);
}
