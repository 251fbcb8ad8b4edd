#pragma once
// The printer operations drawn with a QPainter: one drawing for the PDF that
// goes to paper and for the preview's pages. Sizes follow the painter's
// device resolution (a PDF at 1200 dots per inch, a preview image at any), so
// a page looks the same at every scale. The state (unit, font, position,
// line style and width) is kept here and may be set before a painter is.

#include "ui/printer.h"

#include <QFont>
#include <QPainter>
#include <map>
#include <tuple>

namespace ui {

class PainterCanvas {
public:
    PainterCanvas();

    // Draws on `painter` from now on (null: state only).
    void set_painter(QPainter* painter) { painter_ = painter; }

    void unit(Unit unit) { unit_ = unit; }
    void font(const QString& name, double points, bool bold);
    void position(double x, double y);
    void text(const QString& text);
    void line_style(LineStyle style) { style_ = style; }
    void line_width(int width) { width_ = width; }
    void line(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    void picture(const QImage& image, double x, double y);

private:
    double dpi() const;
    double device(double value) const; // current unit -> device units
    QPointF at(double x, double y) const { return {device(x), device(y)}; }
    void apply_pen();
    const QFont& current_font();

    QPainter* painter_ = nullptr;
    Unit unit_ = Unit::Twips;
    QFont font_;
    QString font_name_; // the font asked for last, resolved at the next text
    double font_points_ = 9;
    bool font_bold_ = false, font_pending_ = false;
    // Fonts resolved so far, by name, size and weight: resolving asks the
    // font database, which is slow when the name is not installed.
    std::map<std::tuple<QString, double, bool>, QFont> resolved_;
    double x_ = 0, y_ = 0;
    LineStyle style_ = LineStyle::Solid;
    int width_ = 1;
};

} // namespace ui
