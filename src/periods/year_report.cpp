#include "periods/year_report.h"

#include "book/print_rules.h"
#include "ui/report_text.h"

#include <algorithm>

namespace {

constexpr int kRowsPerPage = 26;    // member rows, the total row counted as one
constexpr int kPeriodsPerPage = 12; // period columns
constexpr double kLeft = 15, kTop = 25, kNameRight = 45, kColumn = 17, kRight = 276;
constexpr double kHeadBottom = 37, kRow = 6;

int bands(int count, int per_band) {
    return std::max(1, (count + per_band - 1) / per_band);
}

// An amount from x, in a type small enough for the column (the totals of
// full books run to 13 digits and more).
void amount_at(ui::Printer& printer, double x, double y, const QString& text, double points,
               double width) {
    const FittedText fitted = fit_text(text, points, 5, width);
    ui::report_font(printer, fitted.points);
    ui::text_at(printer, x, y, fitted.text);
}

// A cell: the amount charged; where payments were kept, smaller and in two
// lines, the charge above and what was still owed below ("残" and the
// amount; "済" when nothing was and every period counted kept payments).
void draw_cell(ui::Printer& printer, double x, double top, qint64 amount, bool paid, qint64 left,
               bool all_paid) {
    const QString text = kingaku_text(amount);
    const double width = kColumn - 1;
    if (!paid) {
        if (!text.isEmpty()) amount_at(printer, x, top + 1.2, text, 9, width);
        return;
    }
    if (!text.isEmpty()) amount_at(printer, x, top + 0.3, text, 7.5, width);
    ui::report_font(printer, 7.5);
    if (left != 0) {
        ui::text_at(printer, x - 0.3, top + 3.1, QStringLiteral("残"));
        // The amount's leading blanks leave 残 its room; one of eight digits
        // or more has none, and goes after it.
        const QString owed = kingaku_text(left);
        if (owed.startsWith(QStringLiteral("   ")))
            ui::text_at(printer, x, top + 3.1, owed);
        else
            amount_at(printer, x + 2.5, top + 3.1, grouped_amount(left), 7.5, width - 2.5);
    } else if (amount != 0 && all_paid) {
        ui::text_at(printer, x - 0.3, top + 3.1, QStringLiteral("済"));
    }
}

// One page: rows [first_row, first_row + kRowsPerPage) of the table, where
// row members.size() is the total row; periods [first_period, ...).
void draw_page(const YearTotals& t, const QString& heading, ui::Printer& printer, int first_row,
               int first_period, int page, int pages) {
    const int rows = int(t.members.size()) + 1;
    const int periods = int(t.periods.size());
    const int row_end = std::min(rows, first_row + kRowsPerPage);
    const int period_end = std::min(periods, first_period + kPeriodsPerPage);
    const bool total_column = period_end == periods;
    const int columns = period_end - first_period + (total_column ? 1 : 0);
    const double right = std::min(kRight, kNameRight + kColumn * columns);
    const double bottom = kHeadBottom + kRow * (row_end - first_row);

    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(kLeft, kTop, right, bottom);
    printer.line(kNameRight, kTop, kNameRight, bottom);
    printer.line(kLeft, kHeadBottom, right, kHeadBottom);
    printer.line_width(1);
    for (int c = 1; c < columns; ++c)
        printer.line(kNameRight + kColumn * c, kTop, kNameRight + kColumn * c, bottom);
    for (int r = 1; r < row_end - first_row; ++r)
        printer.line(kLeft, kHeadBottom + kRow * r, right, kHeadBottom + kRow * r);

    ui::report_font(printer, 20, true);
    ui::text_at(printer, 110, 11, QStringLiteral("年  間  集  計  表"));
    // The range of periods, long names and all, within the page's width.
    const FittedText range = fit_text(heading, 11, 7, kRight - kLeft);
    ui::report_font(printer, range.points, true);
    ui::text_at(printer, kLeft, 18, range.text);
    ui::report_font(printer, 9);
    ui::text_at(printer, kLeft + 2, kTop + 4, QStringLiteral("名  前"));
    for (int c = 0; c < columns; ++c) {
        const double x = kNameRight + kColumn * c + 1;
        const bool is_total = first_period + c == periods;
        if (is_total) {
            ui::text_at(printer, x + 3, kTop + 4, QStringLiteral("合  計"));
            continue;
        }
        const auto [line1, line2] = midasi_lines(t.periods[first_period + c]);
        ui::report_font(printer, 8);
        ui::text_at(printer, x, kTop + 1.5, line1);
        ui::text_at(printer, x, kTop + 6, line2);
        ui::report_font(printer, 9);
    }

    bool all_periods_paid = true;
    for (int p = 0; p < periods; ++p) all_periods_paid = all_periods_paid && t.paid_in(size_t(p));
    for (int r = first_row; r < row_end; ++r) {
        const double top = kHeadBottom + kRow * (r - first_row);
        const bool is_total = r == rows - 1;
        ui::report_font(printer, 9);
        ui::text_at(printer, kLeft + 2, top + 1.2,
                    is_total ? QStringLiteral("合  計") : t.members[qsizetype(r)]);
        for (int c = 0; c < columns; ++c) {
            const size_t p = size_t(first_period + c);
            const bool total_column = p == size_t(periods);
            qint64 amount = 0, left = 0;
            if (total_column) {
                amount = is_total ? t.total : t.member_total[size_t(r)];
                if (t.any_payments())
                    left = is_total ? t.total_remaining : t.member_remaining[size_t(r)];
            } else {
                amount = is_total ? t.period_total[p] : t.charge[size_t(r)][p].value_or(0);
                if (t.paid_in(p))
                    left = is_total ? t.period_remaining[p] : t.remaining[size_t(r)][p].value_or(0);
            }
            const bool paid = total_column ? t.any_payments() : t.paid_in(p);
            const bool all_paid = !total_column || all_periods_paid;
            draw_cell(printer, kNameRight + kColumn * c + 1, top, amount, paid, left, all_paid);
        }
    }
    ui::report_font(printer, 9);
    ui::text_at(printer, 250, 197, QStringLiteral("ＴＡＶＵ  %1 / %2").arg(page).arg(pages));
}

} // namespace

int year_report_pages(const YearTotals& t) {
    return bands(int(t.members.size()) + 1, kRowsPerPage) *
           bands(int(t.periods.size()), kPeriodsPerPage);
}

void draw_year_report(const YearTotals& t, const QString& heading, ui::Printer& printer) {
    printer.paper_a4();
    printer.orientation(ui::Orientation::Landscape);
    printer.unit(ui::Unit::Millimetres);
    const int pages = year_report_pages(t);
    const int row_bands = bands(int(t.members.size()) + 1, kRowsPerPage);
    const int column_bands = bands(int(t.periods.size()), kPeriodsPerPage);
    int page = 0;
    for (int rb = 0; rb < row_bands; ++rb)
        for (int cb = 0; cb < column_bands; ++cb) {
            if (page > 0) printer.new_page();
            draw_page(t, heading, printer, rb * kRowsPerPage, cb * kPeriodsPerPage, ++page, pages);
        }
    printer.end_document();
}
