#include "print/zentai.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "ui/report_text.h"

#include <array>

namespace {

constexpr int kPages = 8;
constexpr int kColumns = 10;
constexpr int kRows = 24;

// Amounts print only when their grouped text has 1 to 9 characters.
void amount_at(ui::Printer& printer, double x, double y, qint64 amount) {
    const QString text = table_amount_text(amount);
    if (!text.isEmpty()) ui::text_at(printer, x, y, text);
}

double column_x(int j) {
    return 46 + 21 * j;
}

double row_y(int r) {
    return 41 + 6 * r;
}

} // namespace

void print_zentai(Book& book, ui::Printer& printer, const QImage& picture) {
    for (int k = 0; k < kItems; ++k) book.print_komoku_name[k].clear();
    std::array<bool, kPages + 1> wanted{};
    for (int p = 1; p <= kPages; ++p) wanted[p] = zentai_page_wanted(book, p);
    for (int k = 0; k < kItems; ++k) book.print_komoku_name[k] = name_key(book.komoku_name[k]);

    printer.paper_a4();
    printer.orientation(ui::Orientation::Landscape);
    printer.unit(ui::Unit::Millimetres);
    printer.print_text(QString()); // the document opens with an empty line

    for (int p = 1; p <= kPages; ++p) {
        if (!wanted[p]) continue;
        zentai_page(book, printer, p, picture);
        if (p < kPages) printer.new_page();
    }
    printer.end_document();
}

void zentai_page(const Book& book, ui::Printer& printer, int page, const QImage& picture) {
    const int first_member = zentai_first_member(page);
    const int first_item = zentai_first_item(page);

    // The grid.
    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(15, 25, 276, 193);
    printer.line(45, 25, 45, 193);
    printer.line_width(1);
    for (int x = 66; x <= 255; x += 21) printer.line(x, 25, x, 193);
    printer.line_width(2);
    printer.line(15, 40, 276, 40);
    printer.line_width(1);
    for (int y = 46; y <= 184; y += 6) printer.line(15, y, 276, y);

    // Title, period, picture, corner, captions, page label.
    ui::report_font(printer, 22, true);
    ui::text_at(printer, 102, 13, QStringLiteral("全     体    集    計    表"));
    ui::report_font(printer, 14, true);
    ui::text_at(printer, 27, 16, book.nengetu);
    printer.picture(picture, 15, 14);
    printer.line(15, 25, 45, 40);
    ui::report_font(printer, 12);
    ui::text_at(printer, 258, 32, QStringLiteral(" 合  計"));
    ui::text_at(printer, 25, 186, QStringLiteral("合  計"));
    ui::report_font(printer, 14, true);
    ui::text_at(printer, 231, 16, zentai_page_label(page));

    // Item headings, two lines each.
    ui::report_font(printer, 11);
    for (int j = 0; j < kColumns; ++j) {
        const auto [line1, line2] = midasi_lines(book.print_komoku_name[first_item + j]);
        ui::text_at(printer, column_x(j), 28, line1);
        ui::text_at(printer, column_x(j), 34, line2);
    }

    // Member rows.
    for (int r = 0; r < kRows; ++r) {
        const int m = first_member + r;
        ui::report_font(printer, 10);
        ui::text_at(printer, 18, row_y(r), book.member_name[m]);
        ui::report_font(printer, 12);
        for (int j = 0; j < kColumns; ++j)
            amount_at(printer, column_x(j), row_y(r), book.print_charge[m][first_item + j]);
    }

    // Totals over the whole book: per item, per member, and all of it.
    ui::report_font(printer, 12);
    for (int j = 0; j < kColumns; ++j)
        amount_at(printer, column_x(j), 186, book.print_komoku_total[first_item + j]);
    qint64 grand = 0;
    for (int m = 0; m < kMembers; ++m) grand += book.print_total[m];
    for (int r = 0; r < kRows; ++r) {
        const qint64 total = book.print_total[first_member + r];
        amount_at(printer, total >= 10000 ? 257 : 258, row_y(r), total);
    }
    amount_at(printer, 256, 186, grand);
}
