#pragma once
// What every report draws with: a text at a place, in the reports' typeface.

#include "ui/printer.h"

namespace ui {

// `text` with its top left corner at (x, y), in the printer's unit.
inline void text_at(Printer& printer, double x, double y, const QString& text) {
    printer.position(x, y);
    printer.print_text(text);
}

// The reports' typeface at `points`.
inline void report_font(Printer& printer, double points, bool bold = false) {
    printer.font(kPrintFontName, points, bold);
}

} // namespace ui
