#include "print/slip_pages.h"
#include "book/print_rules.h"
#include "ui/report_text.h"

using ui::report_font;
using ui::text_at;

void fitted_at(ui::Printer& printer, double x, double y, const QString& text, double points,
               double min_points, double width, bool bold) {
    const FittedText fitted = fit_text(text, points, min_points, width);
    report_font(printer, fitted.points, bold);
    text_at(printer, x, y, fitted.text);
}

void slip_top(ui::Printer& printer, const SlipFrame& f, double y, const SlipTop& top) {
    const double x = f.left;
    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(x, y, x + f.width, y + f.height);

    // A long period gives way to the title.
    fitted_at(printer, x + f.period_dx, y + f.period_dy, top.period, f.period_pt, 6,
              f.title_dx - f.period_dx - 2);
    report_font(printer, f.title_pt, true);
    text_at(printer, x + f.title_dx, y + f.title_dy, top.title);
    report_font(printer, f.day_pt);
    text_at(printer, x + f.day_dx, y + f.day_dy, top.day);

    report_font(printer, f.name_pt, true);
    text_at(printer, x + f.name_dx, y + f.name_dy, top.name);
    report_font(printer, f.name_pt);
    text_at(printer, x + f.honorific_dx, y + f.name_dy, QStringLiteral("様"));
    printer.line_width(1);
    printer.line(x + f.name_dx, y + f.name_line_dy, x + f.name_line_end, y + f.name_line_dy);
}

void print_slips(ui::Printer& printer, const SlipFrame& frame, std::span<const double> tops,
                 std::span<const double> cuts, std::size_t count,
                 const std::function<void(std::size_t, double)>& draw) {
    printer.paper_a4();
    printer.orientation(ui::Orientation::Portrait);
    printer.unit(ui::Unit::Millimetres);
    printer.print_text(QString()); // the document opens with an empty line
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t slot = i % tops.size();
        if (slot == 0 && i > 0) printer.new_page();
        if (slot == 0) {
            printer.line_style(ui::LineStyle::Dashed);
            printer.line_width(1);
            for (double y : cuts) printer.line(frame.cut_left, y, frame.cut_right, y);
        }
        draw(i, tops[slot]);
    }
    printer.end_document();
}
