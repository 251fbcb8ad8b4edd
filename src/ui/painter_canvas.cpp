#include "ui/painter_canvas.h"
#include "ui/fonts.h"

#include <QFontMetricsF>
#include <algorithm>

namespace ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMmPerInch = 25.4;
// Width, in per cent, of the fallback font on paper (see PainterCanvas::font).
constexpr int kFallbackStretch = 85;

// Line widths 1 and 2 must both show on paper, 2 clearly thicker.
double pen_mm(int width) {
    return width <= 1 ? 0.2 : 0.25 * width;
}

} // namespace

PainterCanvas::PainterCanvas() : font_(gothic_font(9)) {}

double PainterCanvas::dpi() const {
    return painter_ ? painter_->device()->logicalDpiX() : 96.0;
}

double PainterCanvas::device(double value) const {
    const double per_inch = unit_ == Unit::Millimetres ? kMmPerInch : kTwipsPerInch;
    return value * dpi() / per_inch;
}

void PainterCanvas::apply_pen() {
    const double mm = pen_mm(width_);
    // At least a dot wide, so that a small preview keeps its lines, as PDF
    // viewers do.
    const double dots = std::max(mm * dpi() / kMmPerInch, 1.0);
    QPen pen(Qt::black, dots, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Dashes of 2 mm with gaps of 1 mm, in units of the pen's width.
    const double dash = dots * kMmPerInch / dpi(); // the pen's width in mm
    if (style_ == LineStyle::Dashed) pen.setDashPattern({2.0 / dash, 1.0 / dash});
    painter_->setPen(pen);
}

void PainterCanvas::font(const QString& name, double points, bool bold) {
    // Resolved at the next text: a preview page replays the font changes of
    // the pages before it without drawing them.
    font_name_ = name;
    font_points_ = points;
    font_bold_ = bold;
    font_pending_ = true;
}

const QFont& PainterCanvas::current_font() {
    if (!font_pending_) return font_;
    font_pending_ = false;
    const auto key = std::make_tuple(font_name_, font_points_, font_bold_);
    if (const auto found = resolved_.find(key); found != resolved_.end()) {
        font_ = found->second;
        return font_;
    }
    font_ = gothic_font(font_points_);
    QStringList families = font_.families();
    if (!families.contains(font_name_)) families.prepend(font_name_);
    font_.setFamilies(families);
    font_.setBold(font_bold_);
    // The reports' fixed positions were laid out for the requested font. The
    // fallback's half-width letters and digits are about a sixth wider, so
    // amounts of nine characters ran past their cells and long headings into
    // the next column: the fallback is narrowed to the requested font's width.
    if (!is_family(font_, font_name_)) font_.setStretch(kFallbackStretch);
    resolved_[key] = font_;
    return font_;
}

void PainterCanvas::position(double x, double y) {
    x_ = x;
    y_ = y;
}

void PainterCanvas::text(const QString& text) {
    if (!painter_ || text.isEmpty()) return;
    const QFont& font = current_font();
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    const QFontMetricsF metrics(font, painter_->device());
    painter_->drawText(QPointF(device(x_), device(y_) + metrics.ascent()), text);
}

void PainterCanvas::line(double x1, double y1, double x2, double y2) {
    if (!painter_) return;
    apply_pen();
    painter_->drawLine(at(x1, y1), at(x2, y2));
}

void PainterCanvas::box(double x1, double y1, double x2, double y2) {
    if (!painter_) return;
    apply_pen();
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(at(x1, y1), at(x2, y2)).normalized());
}

void PainterCanvas::picture(const QImage& image, double x, double y) {
    if (!painter_) return;
    const double per_pixel = dpi() / 96.0;
    painter_->drawImage(QRectF(at(x, y), QSizeF(image.width(), image.height()) * per_pixel), image);
}

} // namespace ui
