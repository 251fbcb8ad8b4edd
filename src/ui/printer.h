#pragma once
// The printer the reports draw on: exactly the operations their layouts are
// written in. Coordinates are in the current unit, from the top left of the
// printable area, x to the right and y downwards; texts are placed by their
// top left corner.
//
// open_printer gives the destination the user chose (print_destination.h):
// a printer (one job, no dialog), or a PDF in the working folder; by default
// the default printer, and a PDF when there is none. Tests install a
// PrinterCapture, which makes open_printer hand out recorders instead.

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

enum class Orientation { Portrait, Landscape };
enum class Unit { Millimetres, Twips };
enum class LineStyle { Solid, Dashed };

// The font every printed text asks for.
inline const QString kPrintFontName = QStringLiteral("ＭＳ Ｐゴシック");

// How a document ended.
struct PrintOutcome {
    enum class Result { Printed, SavedPdf, Failed };
    // Why a PDF was kept rather than printed.
    // NoDefault: the print service has printers, but none is the default.
    enum class PdfReason { NoPrinter, Chosen, NoPrintService, NoDefault };
    Result result = Result::Printed;
    QString printer;  // the printer's name, when there was one
    QString pdf_path; // the PDF written (or the one that could not be)
    QString detail;   // what went wrong, as the system said it
    int pages = 0;    // the pages handed over
    PdfReason pdf_reason = PdfReason::NoPrinter;
    QString vanished; // the chosen printer that was gone: the default (or a PDF) stood in
};

class Printer {
public:
    virtual ~Printer() = default;

    virtual void paper_a4() = 0;
    virtual void orientation(Orientation orientation) = 0;
    virtual void unit(Unit unit) = 0;
    // Italic, underline and strikethrough are off after each font.
    virtual void font(const QString& name, double points, bool bold) = 0;
    virtual void position(double x, double y) = 0;
    // Draws at the position; an empty text draws nothing.
    virtual void print_text(const QString& text) = 0;
    virtual void line_style(LineStyle style) = 0;
    // 1 = thin, 2 = thick.
    virtual void line_width(int width) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Outline only.
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    // At its own size as the screen shows it (96 dots per inch).
    virtual void picture(const QImage& image, double x, double y) = 0;
    virtual void new_page() = 0;
    // Hands the document over; a new page just before adds no empty page.
    virtual void end_document() = 0;

    // After end_document: where the document went, or why it did not.
    virtual PrintOutcome outcome() const = 0;
};

// The printer for a report named `report` (plain ASCII: "summary"); it names
// the job and the PDF.
std::unique_ptr<Printer> open_printer(const QString& report);

// Test seam: while a capture is alive, open_printer gives recorders whose
// operations land in `documents` when they end.
class PrinterCapture {
public:
    PrinterCapture();
    ~PrinterCapture();
    PrinterCapture(const PrinterCapture&) = delete;
    PrinterCapture& operator=(const PrinterCapture&) = delete;

    std::vector<QStringList> documents; // the operations of each ended document
    PrintOutcome outcome;               // what every recorder reports
    std::function<void()> at_end;       // runs inside each end_document
};

PrinterCapture* active_printer_capture();

} // namespace ui
