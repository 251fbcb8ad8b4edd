#include "print/unpaid_report.h"
#include "book/cp932.h"
#include "book/print_rules.h"
#include "ui/report_text.h"

#include <vector>

namespace {

const UnpaidLayout& L = kUnpaidLayout;

// A text in column c of the row whose top is y.
void cell(ui::Printer& printer, int c, double y, const QString& text) {
    ui::text_at(printer, L.column_x[c] + L.text_dx, y + L.text_dy, text);
}

// The rows of one page (first..first+count) and whether the totals close it.
struct Page {
    int first = 0, count = 0;
    bool totals = false;
};

std::vector<Page> paginate(const std::vector<QStringList>& lines) {
    std::vector<Page> pages(1);
    double y = L.head_bottom;
    for (int i = 0; i < int(lines.size()); ++i) {
        const double height = L.line * lines[i].size();
        if (y + height > L.body_bottom && pages.back().count > 0) {
            pages.push_back(Page{i, 0, false});
            y = L.head_bottom;
        }
        ++pages.back().count;
        y += height;
    }
    // The totals never stand alone on a page: the last member goes along.
    if (y + L.line > L.body_bottom) {
        const bool move_one = pages.back().count > 1;
        if (move_one) --pages.back().count;
        pages.push_back(Page{int(lines.size()) - (move_one ? 1 : 0), move_one ? 1 : 0, false});
    }
    pages.back().totals = true;
    return pages;
}

// A text fitted into `width` from x, in the smaller type it may need.
void fitted_at(ui::Printer& printer, double x, double y, const QString& text, double points,
               double min_points, double width, bool bold = false) {
    const FittedText fitted = fit_text(text, points, min_points, width);
    ui::report_font(printer, fitted.points, bold);
    ui::text_at(printer, x, y, fitted.text);
}

void heading(const Book& book, ui::Printer& printer, int page, int pages) {
    ui::report_font(printer, L.title_pt, true);
    ui::text_at(printer, L.title_x, L.title_y, QStringLiteral("未   収   一   覧"));
    // The period ends before the title, the person in charge at the page's
    // right edge.
    fitted_at(printer, L.period_x, L.period_y, book.nengetu, L.period_pt, L.min_heading_pt,
              L.title_x - L.period_x - 2, true);
    fitted_at(printer, L.organizer_x, L.organizer_y, QStringLiteral("担当  ") + book.motojime,
              L.organizer_pt, L.min_heading_pt, L.column_x.back() - L.organizer_x);
    ui::report_font(printer, L.page_pt);
    ui::text_at(printer, L.page_x, L.page_y, QStringLiteral("%1 / %2 ページ").arg(page).arg(pages));
}

// The frame and the column lines from the caption band down to `bottom`.
void grid(ui::Printer& printer, double bottom) {
    printer.line_style(ui::LineStyle::Solid);
    printer.line_width(2);
    printer.box(L.column_x.front(), L.head_top, L.column_x.back(), bottom);
    printer.line(L.column_x.front(), L.head_bottom, L.column_x.back(), L.head_bottom);
    printer.line_width(1);
    for (std::size_t c = 1; c + 1 < L.column_x.size(); ++c)
        printer.line(L.column_x[c], L.head_top, L.column_x[c], bottom);
    ui::report_font(printer, L.caption_pt, true);
    const QString captions[] = {QStringLiteral("No"),         QStringLiteral("名  前"),
                                QStringLiteral("未収の項目"), QStringLiteral("請  求"),
                                QStringLiteral("入  金"),     QStringLiteral("残  り")};
    for (int c = 0; c < 6; ++c) cell(printer, c, L.head_top + 0.5, captions[c]);
}

// The three amounts of a row in its type; a long one (the totals of a full
// book, a large overpayment) in a smaller type that keeps it in its column.
void amounts(ui::Printer& printer, double y, qint64 owed, qint64 paid, bool bold = false) {
    const qint64 values[] = {owed, paid, owed - paid};
    for (int c = 3; c <= 5; ++c) {
        const double width = L.column_x[c + 1] - L.column_x[c] - L.text_dx - 0.5;
        const FittedText fitted =
            fit_text(kingaku_text(values[c - 3]), L.text_pt, L.min_amount_pt, width);
        ui::report_font(printer, fitted.points, bold);
        cell(printer, c, y, fitted.text);
    }
}

} // namespace

QStringList unpaid_item_lines(const QStringList& items, int max_bytes) {
    const QString comma = QStringLiteral("、");
    QStringList lines{QString()};
    for (const QString& title : items) {
        QString& last = lines.last();
        if (last.isEmpty()) {
            last = title;
        } else if (cp932::byte_length(last + comma + title) <= max_bytes) {
            last += comma + title;
        } else {
            last += comma;
            lines << title;
        }
    }
    return lines;
}

void print_unpaid(const Book& book, const UnpaidList& list, ui::Printer& printer) {
    std::vector<QStringList> lines;
    for (const UnpaidRow& row : list.rows)
        lines.push_back(unpaid_item_lines(row.items, L.item_bytes));
    const std::vector<Page> pages = paginate(lines);

    printer.paper_a4();
    printer.orientation(ui::Orientation::Portrait);
    printer.unit(ui::Unit::Millimetres);
    printer.print_text(QString()); // the document opens with an empty line

    for (std::size_t p = 0; p < pages.size(); ++p) {
        const Page& page = pages[p];
        double bottom = L.head_bottom;
        for (int i = page.first; i < page.first + page.count; ++i)
            bottom += L.line * lines[i].size();
        if (page.totals) bottom += L.line;

        heading(book, printer, int(p) + 1, int(pages.size()));
        grid(printer, bottom);
        double y = L.head_bottom;
        for (int i = page.first; i < page.first + page.count; ++i) {
            const UnpaidRow& row = list.rows[i];
            if (i > page.first) {
                printer.line_width(1);
                printer.line(L.column_x.front(), y, L.column_x.back(), y);
            }
            amounts(printer, y, row.owed, row.paid);
            ui::report_font(printer, L.text_pt);
            cell(printer, 0, y, QString::number(row.member + 1));
            cell(printer, 1, y, book.member_name[row.member]);
            ui::report_font(printer, L.item_pt);
            for (int j = 0; j < lines[i].size(); ++j) cell(printer, 2, y + L.line * j, lines[i][j]);
            y += L.line * lines[i].size();
        }
        if (page.totals) {
            printer.line_width(2);
            printer.line(L.column_x.front(), y, L.column_x.back(), y);
            ui::report_font(printer, L.text_pt, true);
            cell(printer, 1, y, QStringLiteral("合  計"));
            cell(printer, 2, y, QStringLiteral("%1 人").arg(list.rows.size()));
            amounts(printer, y, list.owed, list.paid, true);
        }
        if (p + 1 < pages.size()) printer.new_page();
    }
    printer.end_document();
}
