#include "print/preview_feature.h"
#include "book/print_rules.h"
#include "print/frmSelectPrint.h"
#include "print/print_confirm.h"
#include "print/print_preview.h"
#include "print/print_run.h"
#include "print/printer_choice.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"
#include "ui/form_activation.h"
#include "ui/modal.h"

#include <QMenu>

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

// The preview of a whole report; its 印刷 asks what the report's print
// command asks (`confirm`).
void preview_report(frmTavu& w, const QString& title, Report report, qint16 (*confirm)(frmTavu&)) {
    if (!ready_for_preview(w)) return;
    open_preview(
        w, title, report_name(report),
        [report](Book& b, ui::Printer& printer) { draw_report(report, b, printer); },
        [&w, confirm] { return confirm(w) != -1; });
}

} // namespace

PrintPreview* open_preview(frmTavu& sheet, const QString& title, const QString& report,
                           const std::function<void(Book&, ui::Printer&)>& draw,
                           std::function<bool()> check) {
    Book& book = sheet.book;
    print_syukei(book);
    auto document = std::make_shared<ui::PreviewDocument>();
    draw(book, *document);
    auto* preview = new PrintPreview(
        &sheet, title, report, document,
        [&sheet, report, check = std::move(check)](const ui::PreviewDocument& pages) {
            if (!check()) return;
            print_run(sheet.book, sheet.printing_notice(), report,
                      [&pages](Book&, ui::Printer& printer) { pages.replay(printer); });
        });
    preview->show();
    preview->raise();
    preview->activateWindow();
    return preview;
}

namespace print {

PreviewFeature::PreviewFeature(frmTavu& sheet) : QObject(&sheet), w(sheet) {
    setObjectName(QStringLiteral("print_preview_feature"));
    w.file_print->addSeparator();
    print_preview = w.file_print->addMenu(QStringLiteral("印刷プレビュー"));
    print_preview->setObjectName(QStringLiteral("print_preview"));
    preview_thohyo = print_preview->addAction(QStringLiteral("帳票"));
    preview_kobetu = print_preview->addAction(QStringLiteral("個別"));
    preview_select = print_preview->addAction(QStringLiteral("セレクト"));
    print_to = w.file_print->addAction(QStringLiteral("印刷先の選択…"));
    print_to->setObjectName(QStringLiteral("print_to"));
    connect(preview_thohyo, &QAction::triggered, this, &PreviewFeature::preview_thohyo_Click);
    connect(preview_kobetu, &QAction::triggered, this, &PreviewFeature::preview_kobetu_Click);
    connect(preview_select, &QAction::triggered, this, &PreviewFeature::preview_select_Click);
    connect(print_to, &QAction::triggered, this, &PreviewFeature::print_to_Click);
}

void PreviewFeature::preview_thohyo_Click() {
    preview_report(w, QStringLiteral("帳票"), Report::Summary, confirm_period);
}

void PreviewFeature::preview_kobetu_Click() {
    preview_report(w, QStringLiteral("個別"), Report::Statements, confirm_period_and_organizer);
}

void PreviewFeature::preview_select_Click() {
    if (!ready_for_preview(w)) return;
    frmSelectPrint* dialog = w.select_print_dialog();
    dialog->previews = true;
    // The same dialog as セレクト印刷: its title says that 印刷 only shows.
    dialog->setWindowTitle(QStringLiteral("セレクト印刷 （プレビューで 見るだけ）"));
    ui::show_form(dialog);
}

void PreviewFeature::print_to_Click() {
    PrinterChoice choice(&w);
    ui::run_modal(choice);
}

} // namespace print
