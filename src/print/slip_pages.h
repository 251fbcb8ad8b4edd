#pragma once
// What receipts and reminder slips share: a few slips to an A4 portrait
// page, one below the other, with dashed lines to cut them apart, and the
// top of every slip (its frame, the period, the title, a day, the member's
// name with 様 on a line). Millimetres; those inside a slip from its
// frame's top left corner.

#include "ui/printer.h"

#include <functional>
#include <span>

struct SlipFrame {
    double left, width, height; // the frame
    double cut_left, cut_right; // the ends of the cut lines
    double period_dx, period_dy, period_pt;
    double title_dx, title_dy, title_pt;
    double day_dx, day_dy, day_pt;
    double name_dx, name_dy, name_pt, honorific_dx, name_line_dy, name_line_end;
};

// The texts of a slip's top.
struct SlipTop {
    QString period, title, day, name;
};

// A text kept inside `width`, in a smaller type (down to `min_points`) when
// it needs it.
void fitted_at(ui::Printer& printer, double x, double y, const QString& text, double points,
               double min_points, double width, bool bold = false);

// The frame and top of a slip whose frame's top is at `y`.
void slip_top(ui::Printer& printer, const SlipFrame& frame, double y, const SlipTop& top);

// One document of `count` slips, a page's slots with their frames' tops at
// `tops` and, before a page's first slip, cut lines at `cuts`;
// draw(i, y) draws slip i with its frame's top at y. The document opens
// with an empty line and is ended.
void print_slips(ui::Printer& printer, const SlipFrame& frame, std::span<const double> tops,
                 std::span<const double> cuts, std::size_t count,
                 const std::function<void(std::size_t, double)>& draw);
