#pragma once
// The printer on paper: a QPainter over a QPdfWriter. With a printer (the
// one named, else the print service's default) the PDF goes there as one
// job; without one it is kept as a file in the given folder, named by report
// and time ("summary-20261208-153000.pdf"), never over an existing file.
// Either way the document is drawn into a file of its own first, so that a
// document that could not be finished leaves nothing behind.
//
// Target::Pdf always keeps a PDF; Target::Printer only prints (without a
// printer the document fails). write_to names the PDF instead of the
// folder's naming rule: it replaces that file in one step when whole.

#include "ui/painter_canvas.h"
#include "ui/printer.h"

#include <QPageLayout>
#include <QPainter>
#include <memory>

class QPdfWriter;

namespace ui {

class PaintedPrinter : public Printer {
public:
    enum class Target { DefaultPrinterOrPdf, Pdf, Printer };
    // `queue`: the printer to use instead of the default one.
    PaintedPrinter(const QString& report, Target target, const QString& folder,
                   const QString& queue = {});
    ~PaintedPrinter() override;

    // Before the first drawing: the PDF goes to exactly this path.
    void write_to(const QString& path);
    // The printer the user had chosen was gone: the outcome says so.
    void set_vanished(const QString& printer) { outcome_.vanished = printer; }

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
    void end_document() override;
    PrintOutcome outcome() const override { return outcome_; }

private:
    // Starts the painter at the first drawing; false once anything failed.
    bool ready();
    void fail(const QString& detail);
    bool submit_to_printer();
    bool keep_pdf();

    QString report_;
    QString folder_;
    QString stamp_; // the time in the PDF's name
    PrintOutcome outcome_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    PainterCanvas canvas_;
    QString work_file_; // the PDF being drawn
    QString out_path_;  // the PDF asked for by name, if any
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    bool begun_ = false, failed_ = false, ended_ = false, break_pending_ = false;
};

// PDF pages are drawn inside this margin, where printers can print.
inline constexpr double kPdfMarginMm = 5.0;

} // namespace ui
