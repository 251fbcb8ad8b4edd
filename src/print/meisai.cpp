#include "print/meisai.h"
#include "book/meisai_rules.h"
#include "book/payments.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "ui/report_text.h"

namespace {

// The origin of a statement's item lines, in twips: 3 mm right of and 1 mm
// below the frame's corner.
double line_x(int slot) {
    return (meisai_slot_corner(slot).x + 3) * kTwipsPerMm;
}
double line_y(int slot) {
    return (meisai_slot_corner(slot).y + 1) * kTwipsPerMm;
}

// The items at list positions from..from+9, up to the list's end.
void item_lines(const Book& book, ui::Printer& printer, int slot, int member,
                const std::array<qint16, kItems>& list, int from) {
    const double x = line_x(slot);
    for (int i = 0; i < kStatementItems && list[from + i] != kListEnd; ++i) {
        const int k = list[from + i];
        const double y = line_y(slot) + i * 4 * kTwipsPerMm - 30;
        ui::report_font(printer, 9);
        ui::text_at(printer, x, y, book.komoku_name[k]);
        const qint32 amount = book.print_charge[member][k];
        ui::text_at(printer, meisai_amount_x(x, amount), y, kingaku_text(amount));
    }
}

// In the total row, 40 mm below the first item line.
void total_line(ui::Printer& printer, int slot, const QString& text) {
    ui::report_font(printer, 9);
    ui::text_at(printer, line_x(slot) + 3402 - 30, line_y(slot) + 2268 - 30, text);
}

// Below the total of a member with a payment recorded this period: what came
// in and what remains (過払い when more came in than the total), as one line
// on the grid row under the footer, starting where the person in charge
// does. The footer row itself stays free, so that a long name there runs
// into nothing; the line ends well inside the frame's width and 3 mm above
// the cut line; amounts too long for that (a large overpayment) are drawn
// in a smaller type. A statement of a member without payments stays as it
// always was: its total is then what remains.
void payment_line(const Book& book, ui::Printer& printer, int slot, int member) {
    if (!member_has_payments(book, member)) return;
    const qint64 received = member_totals(book, member).received;
    const qint64 remaining = book.print_total[member] - received;
    const auto amount_text = [](qint64 amount) {
        return amount == 0 ? QStringLiteral("0") : grouped_amount(amount);
    };
    const QString text = QStringLiteral("入金 %1　　%2 %3")
                             .arg(amount_text(received),
                                  remaining < 0 ? QStringLiteral("過払い") : QStringLiteral("残り"),
                                  amount_text(remaining < 0 ? -remaining : remaining));
    // From 28 mm into the frame to its right edge at 80 mm.
    const FittedText fitted = fit_text(text, 9, 5, 52);
    ui::report_font(printer, fitted.points);
    ui::text_at(printer, line_x(slot) + 25 * kTwipsPerMm,
                line_y(slot) + (kStatementItems + 2) * 4 * kTwipsPerMm - 30, fitted.text);
}

// The four cut lines of a page, then the next page.
void complete_page(ui::Printer& printer) {
    printer.unit(ui::Unit::Millimetres);
    printer.line_style(ui::LineStyle::Dashed);
    printer.line_width(1);
    printer.line(102, 10, 102, 273);
    for (int y : {70, 138, 206}) printer.line(15, y, 191, y);
    printer.new_page();
    printer.unit(ui::Unit::Twips);
}

} // namespace

void print_meisai(const Book& book, ui::Printer& printer) {
    const KomokuList lists = komoku_list(book);
    const std::array<QString, kMembers> totals = total_text(book);

    printer.paper_a4();
    printer.orientation(ui::Orientation::Portrait);
    printer.unit(ui::Unit::Twips);
    printer.print_text(QString()); // the document opens with an empty line

    int slot = 1;
    const auto advance = [&] {
        if (++slot <= kSlots) return;
        complete_page(printer);
        slot = 1;
    };
    for (int m = 0; m < kMembers; ++m) {
        if (is_blank(book.member_name[m]) || book.print_mark[m] != 1) continue;
        const bool two = lists[m][kStatementItems] != kListEnd;
        meisai_waku(book, printer, slot, two ? 1 : 0, m);
        item_lines(book, printer, slot, m, lists[m], 0);
        if (!two) {
            total_line(printer, slot, totals[m]);
            payment_line(book, printer, slot, m);
        }
        advance();
        if (!two) continue;
        meisai_waku(book, printer, slot, 2, m);
        item_lines(book, printer, slot, m, lists[m], kStatementItems);
        total_line(printer, slot, totals[m]);
        payment_line(book, printer, slot, m);
        advance();
    }
    if (slot > 1) complete_page(printer);
    printer.end_document();
}

void meisai_waku(const Book& book, ui::Printer& printer, int slot, int meisai_no, int member) {
    const auto [x0, y0] = meisai_slot_corner(slot);
    printer.unit(ui::Unit::Millimetres);
    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(x0, y0, x0 + 80, y0 + 44);

    ui::report_font(printer, 11, true);
    ui::text_at(printer, x0, y0 - 5, book.nengetu);
    ui::text_at(printer, x0 + 38, y0 - 5, book.member_name[member]);
    ui::text_at(printer, x0 + 62, y0 - 5, QStringLiteral("様"));
    if (meisai_no > 0) {
        ui::report_font(printer, 11);
        ui::text_at(printer, x0 + 72, y0 - 5,
                    meisai_no == 1 ? QStringLiteral("No1") : QStringLiteral("No2"));
    }
    ui::report_font(printer, 9, true);
    ui::text_at(printer, x0 + 18, y0 + 40, QStringLiteral("合     計"));
    ui::report_font(printer, 11);
    ui::text_at(printer, x0 + 3, y0 + 45, QStringLiteral("tavu"));
    ui::report_font(printer, 10);
    ui::text_at(printer, x0 + 28, y0 + 45, book.motojime);

    printer.line(x0 + 52, y0, x0 + 52, y0 + 44);
    // Ten item rows of 4 mm; the thick last line closes off the total row.
    printer.line_width(1);
    for (int i = 0; i < kStatementItems; ++i) {
        if (i == kStatementItems - 1) printer.line_width(2);
        printer.line(x0, y0 + 4 * (i + 1), x0 + 80, y0 + 4 * (i + 1));
    }
    printer.unit(ui::Unit::Twips);
}
