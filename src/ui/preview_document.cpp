#include "ui/preview_document.h"
#include "ui/painted_printer.h"
#include "ui/painter_canvas.h"

#include <QtMath>

namespace ui {

namespace {

// The painter drawing alone: page breaks and the document's end are the
// caller's business.
class CanvasPrinter : public Printer {
public:
    explicit CanvasPrinter(QPainter& painter) { canvas_.set_painter(&painter); }
    void paper_a4() override {}
    void orientation(Orientation) override {}
    void unit(Unit unit) override { canvas_.unit(unit); }
    void font(const QString& name, double points, bool bold) override {
        canvas_.font(name, points, bold);
    }
    void position(double x, double y) override { canvas_.position(x, y); }
    void print_text(const QString& text) override { canvas_.text(text); }
    void line_style(LineStyle style) override { canvas_.line_style(style); }
    void line_width(int width) override { canvas_.line_width(width); }
    void line(double x1, double y1, double x2, double y2) override { canvas_.line(x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2) override { canvas_.box(x1, y1, x2, y2); }
    void picture(const QImage& image, double x, double y) override { canvas_.picture(image, x, y); }
    void new_page() override {}
    void end_document() override {}
    PrintOutcome outcome() const override { return {}; }

private:
    PainterCanvas canvas_;
};

} // namespace

void PreviewDocument::keep(bool draws, std::function<void(Printer&)> call) {
    if (draws && (orientations_.empty() || break_pending_)) {
        break_pending_ = false;
        orientations_.push_back(orientation_);
    }
    ops_.push_back({page_count() - 1, draws, std::move(call)});
}

void PreviewDocument::paper_a4() {
    keep(false, [](Printer& p) { p.paper_a4(); });
}

void PreviewDocument::orientation(Orientation orientation) {
    orientation_ = orientation;
    keep(false, [orientation](Printer& p) { p.orientation(orientation); });
}

void PreviewDocument::unit(Unit unit) {
    keep(false, [unit](Printer& p) { p.unit(unit); });
}

void PreviewDocument::font(const QString& name, double points, bool bold) {
    keep(false, [name, points, bold](Printer& p) { p.font(name, points, bold); });
}

void PreviewDocument::position(double x, double y) {
    keep(false, [x, y](Printer& p) { p.position(x, y); });
}

void PreviewDocument::print_text(const QString& text) {
    // An empty text draws nothing, but starts a page as any drawing does.
    keep(true, [text](Printer& p) { p.print_text(text); });
}

void PreviewDocument::line_style(LineStyle style) {
    keep(false, [style](Printer& p) { p.line_style(style); });
}

void PreviewDocument::line_width(int width) {
    keep(false, [width](Printer& p) { p.line_width(width); });
}

void PreviewDocument::line(double x1, double y1, double x2, double y2) {
    keep(true, [=](Printer& p) { p.line(x1, y1, x2, y2); });
}

void PreviewDocument::box(double x1, double y1, double x2, double y2) {
    keep(true, [=](Printer& p) { p.box(x1, y1, x2, y2); });
}

void PreviewDocument::picture(const QImage& image, double x, double y) {
    keep(true, [=](Printer& p) { p.picture(image, x, y); });
}

void PreviewDocument::new_page() {
    // Like paper: a break before anything is drawn, or just before the end,
    // makes no empty page.
    if (!orientations_.empty()) break_pending_ = true;
    keep(false, [](Printer& p) { p.new_page(); });
}

QSizeF PreviewDocument::page_size_mm(int page) const {
    const bool landscape = page >= 0 && page < page_count() &&
                           orientations_[static_cast<size_t>(page)] == Orientation::Landscape;
    return landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

QImage PreviewDocument::page_image(int page, int dpi) const {
    const QSizeF mm = page_size_mm(page);
    const double dots_per_mm = dpi / 25.4;
    QImage image((mm * dots_per_mm).toSize(), QImage::Format_RGB32);
    // Exactly `dpi` again when the painter reads it back.
    image.setDotsPerMeterX(qCeil(dpi / 0.0254));
    image.setDotsPerMeterY(qCeil(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(kPdfMarginMm * dots_per_mm, kPdfMarginMm * dots_per_mm);
    CanvasPrinter canvas(painter);
    for (const Op& op : ops_)
        if (!op.draws || op.page == page) op.call(canvas);
    return image;
}

void PreviewDocument::replay(Printer& printer) const {
    for (const Op& op : ops_) op.call(printer);
    printer.end_document();
}

} // namespace ui
