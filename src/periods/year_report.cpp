#include "periods/year_report.h"

#include "book/print_rules.h"

#include <algorithm>

namespace {

constexpr int kRowsPerPage = 26;    // member rows, the total row counted as one
constexpr int kPeriodsPerPage = 12; // period columns
constexpr double kLeft = 15, kTop = 25, kNameRight = 45, kColumn = 17, kRight = 276;
constexpr double kHeadBottom = 37, kRow = 6;

void text_at(ui::Printer& printer, double x, double y, const QString& text) {
    printer.position(x, y);
    printer.print_text(text);
}

void font(ui::Printer& printer, double points, bool bold = false) {
    printer.font(ui::kPrintFontName, points, bold);
}

int bands(int count, int per_band) {
    return std::max(1, (count + per_band - 1) / per_band);
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

    font(printer, 20, true);
    text_at(printer, 110, 11, QStringLiteral("年  間  集  計  表"));
    font(printer, 11, true);
    text_at(printer, kLeft, 18, heading);
    font(printer, 9);
    text_at(printer, kLeft + 2, kTop + 4, QStringLiteral("名  前"));
    for (int c = 0; c < columns; ++c) {
        const double x = kNameRight + kColumn * c + 1;
        const bool is_total = first_period + c == periods;
        if (is_total) {
            text_at(printer, x + 3, kTop + 4, QStringLiteral("合  計"));
            continue;
        }
        const auto [line1, line2] = midasi_lines(t.periods[first_period + c]);
        font(printer, 8);
        text_at(printer, x, kTop + 1.5, line1);
        text_at(printer, x, kTop + 6, line2);
        font(printer, 9);
    }

    for (int r = first_row; r < row_end; ++r) {
        const double y = kHeadBottom + kRow * (r - first_row) + 1.2;
        const bool is_total = r == rows - 1;
        text_at(printer, kLeft + 2, y,
                is_total ? QStringLiteral("合  計") : t.members[qsizetype(r)]);
        for (int c = 0; c < columns; ++c) {
            const int p = first_period + c;
            qint64 amount = 0;
            if (p == periods)
                amount = is_total ? t.total : t.member_total[size_t(r)];
            else
                amount = is_total ? t.period_total[size_t(p)]
                                  : t.charge[size_t(r)][size_t(p)].value_or(0);
            const QString text = kingaku_text(amount);
            if (!text.isEmpty()) text_at(printer, kNameRight + kColumn * c + 1, y, text);
        }
    }
    font(printer, 9);
    text_at(printer, 250, 197, QStringLiteral("ＴＡＶＵ  %1 / %2").arg(page).arg(pages));
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
