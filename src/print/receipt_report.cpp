#include "print/receipt_report.h"
#include "book/print_rules.h"
#include "book/yen_text.h"
#include "ui/report_text.h"

namespace {

const ReceiptLayout& L = kReceiptLayout;

using ui::report_font;
using ui::text_at;

void receipt(const Book& book, const Receipt& r, ui::Printer& printer, double y) {
    slip_top(printer, L.frame, y,
             {book.nengetu, QStringLiteral("領　収　書"), receipt_date_text(r.day),
              book.member_name[r.member].trimmed()});
    const double x = L.frame.left;

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

} // namespace

void print_receipts(const Book& book, const std::vector<Receipt>& list, ui::Printer& printer) {
    print_slips(printer, L.frame, L.top, L.cut_y, list.size(),
                [&](std::size_t i, double y) { receipt(book, list[i], printer, y); });
}
