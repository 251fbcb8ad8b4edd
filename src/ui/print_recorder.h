#pragma once
// The printer that keeps its operations as text, one line each, in order
// ("box 15 25 276 193", "font ＭＳ Ｐゴシック 22 bold", "new page"). Tests
// compare layouts with it; pages() splits the operations at each new page
// and drawn() folds them into what a page shows.

#include "ui/printer.h"

namespace ui {

class PrintRecorder : public Printer {
public:
    explicit PrintRecorder(PrinterCapture* capture = nullptr) : capture_(capture) {}

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
    PrintOutcome outcome() const override;

    QStringList ops;

private:
    PrinterCapture* capture_;
};

// The operations of a document split at each "new page" (the operation
// itself left out); the last element holds what follows the last break.
std::vector<QStringList> recorded_pages(const QStringList& ops);

// What each page draws, with the state in force: "text 102 13 22b <text>"
// (size, b for bold) for every non-empty text, "line x1 y1 x2 y2 w1" (with
// " dashed" when dashed), "box x1 y1 x2 y2 w2", "picture 32x32 15 14".
std::vector<QStringList> drawn_pages(const QStringList& ops);

// A coordinate as the recorder writes it.
QString coord(double value);

} // namespace ui
