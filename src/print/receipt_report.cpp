#include "print/receipt_report.h"
#include "book/print_rules.h"
#include "book/yen_text.h"
#include "ui/report_text.h"

namespace {

const ReceiptLayout& L = kReceiptLayout;

using ui::report_font;
using ui::text_at;

// A text kept inside `width` millimetres, in a smaller type when it needs it.
void fitted_at(ui::Printer& printer, double x, double y, const QString& text, double points,
               double min_points, double width, bool bold = false) {
    const FittedText fitted = fit_text(text, points, min_points, width);
    report_font(printer, fitted.points, bold);
    text_at(printer, x, y, fitted.text);
}

void receipt(const Book& book, const Receipt& r, ui::Printer& printer, int slot) {
    const double x = L.left, y = L.top[slot];
    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(x, y, x + L.width, y + L.height);

    fitted_at(printer, x + L.period_dx, y + L.period_dy, book.nengetu, L.period_pt, 6,
              L.title_dx - L.period_dx - 2);
    report_font(printer, L.title_pt, true);
    text_at(printer, x + L.title_dx, y + L.title_dy, QStringLiteral("領　収　書"));
    report_font(printer, L.date_pt);
    text_at(printer, x + L.date_dx, y + L.date_dy, receipt_date_text(r.day));

    report_font(printer, L.name_pt, true);
    text_at(printer, x + L.name_dx, y + L.name_dy, book.member_name[r.member].trimmed());
    report_font(printer, L.name_pt);
    text_at(printer, x + L.honorific_dx, y + L.name_dy, QStringLiteral("様"));
    printer.line_width(1);
    printer.line(x + L.name_dx, y + L.name_line_dy, x + L.name_line_end, y + L.name_line_dy);

    printer.box(x + L.amount_box_dx1, y + L.amount_box_dy1, x + L.amount_box_dx2,
                y + L.amount_box_dy2);
    report_font(printer, L.amount_label_pt);
    text_at(printer, x + L.amount_label_dx, y + L.amount_label_dy, QStringLiteral("金額"));
    // An amount is never cut: the largest a book holds still fits the box.
    fitted_at(printer, x + L.amount_dx, y + L.amount_dy, receipt_amount_text(r.amount), L.amount_pt,
              L.min_amount_pt, L.amount_box_dx2 - L.amount_dx - 1, true);

    const QString items = receipt_items_text(book, r, L.items_bytes);
    report_font(printer, L.items_pt);
    text_at(printer, x + L.items_dx, y + L.items_dy,
            items.isEmpty() ? QStringLiteral("但し　集金として")
                            : QStringLiteral("但し　%1 として").arg(items));
    report_font(printer, L.thanks_pt);
    text_at(printer, x + L.thanks_dx, y + L.thanks_dy, QStringLiteral("上記正に領収いたしました"));
    fitted_at(printer, x + L.person_dx, y + L.person_dy,
              QStringLiteral("担当者　") + book.motojime.trimmed(), L.person_pt, L.min_person_pt,
              L.person_width);

    printer.box(x + L.seal_dx1, y + L.seal_dy1, x + L.seal_dx2, y + L.seal_dy2);
    report_font(printer, L.seal_pt);
    text_at(printer, x + L.seal_text_dx, y + L.seal_text_dy, QStringLiteral("印"));
}

void cut_lines(ui::Printer& printer) {
    printer.line_style(ui::LineStyle::Dashed);
    printer.line_width(1);
    for (double y : L.cut_y) printer.line(L.cut_left, y, L.cut_right, y);
}

} // namespace

void print_receipts(const Book& book, const std::vector<Receipt>& list, ui::Printer& printer) {
    printer.paper_a4();
    printer.orientation(ui::Orientation::Portrait);
    printer.unit(ui::Unit::Millimetres);
    printer.print_text(QString()); // the document opens with an empty line
    const int per_page = int(L.top.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int slot = int(i % per_page);
        if (slot == 0 && i > 0) printer.new_page();
        if (slot == 0) cut_lines(printer);
        receipt(book, list[i], printer, slot);
    }
    printer.end_document();
}
