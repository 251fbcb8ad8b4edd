#pragma once
// A document kept for the print preview: the report's drawing runs once onto
// this printer, which keeps every operation. page_image() draws one page
// with the same painter drawing as the PDF (PainterCanvas), at any
// resolution; replay() hands the whole document to another printer, so that
// 印刷 and PDF保存 from the preview give the pages the preview showed.

#include "ui/printer.h"

#include <QImage>
#include <functional>
#include <vector>

namespace ui {

class PreviewDocument : public Printer {
public:
    void paper_a4() override;
    void orientation(Orientation orientation) override;
    void unit(Unit unit) override;
    void font(const QString& name, double points, bool bold) override;
    void position(double x, double y) override;
    void print_text(const QString& text) override;
    void line_style(LineStyle style) override;
    void line_width(int width) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void picture(const QImage& image, double x, double y) override;
    void new_page() override;
    void end_document() override {}
    PrintOutcome outcome() const override { return {}; }

    int page_count() const { return static_cast<int>(orientations_.size()); }
    // A4 in that page's orientation, in millimetres.
    QSizeF page_size_mm(int page) const;
    // Page `page` (from 0) on white at `dpi` dots per inch (whole, as the
    // painter sizes fonts by whole dots per inch), drawn inside the
    // PDF's margin as the PDF draws it.
    QImage page_image(int page, int dpi) const;
    // Every operation onto `printer`, then end_document.
    void replay(Printer& printer) const;

private:
    void keep(bool draws, std::function<void(Printer&)> call);

    struct Op {
        int page;   // the page a drawing lands on
        bool draws; // false: state or a page break, replayed on every page
        std::function<void(Printer&)> call;
    };
    std::vector<Op> ops_;
    std::vector<Orientation> orientations_; // of each page, when it began
    Orientation orientation_ = Orientation::Portrait;
    bool break_pending_ = false;
};

} // namespace ui
