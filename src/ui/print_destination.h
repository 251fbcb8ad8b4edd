#pragma once
// Where the print commands send a document, as the user chose it: the print
// service's default printer (the first choice), a printer of its own, or a
// PDF file in the working folder. Kept with QSettings in the user's
// configuration folder (~/.config/tavu/tavu.conf).

#include <QString>

namespace ui {

struct Destination {
    enum class Kind { DefaultPrinter, Printer, PdfFile };
    Kind kind = Kind::DefaultPrinter;
    QString printer; // for Kind::Printer
    bool operator==(const Destination&) const = default;
};

Destination chosen_destination();
void choose_destination(const Destination& destination);

} // namespace ui
