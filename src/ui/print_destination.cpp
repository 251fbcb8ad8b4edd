#include "ui/print_destination.h"

#include "ui/user_settings.h"

namespace ui {

namespace {

const QString kKindKey = QStringLiteral("print/destination");
const QString kPrinterKey = QStringLiteral("print/printer");

} // namespace

Destination chosen_destination() {
    const auto s = user_settings();
    const QString kind = s->value(kKindKey).toString();
    if (kind == QStringLiteral("pdf")) return {Destination::Kind::PdfFile, {}};
    const QString printer = s->value(kPrinterKey).toString();
    if (kind == QStringLiteral("printer") && !printer.isEmpty())
        return {Destination::Kind::Printer, printer};
    return {};
}

void choose_destination(const Destination& destination) {
    const auto s = user_settings();
    switch (destination.kind) {
    case Destination::Kind::DefaultPrinter:
        s->remove(kKindKey);
        s->remove(kPrinterKey);
        break;
    case Destination::Kind::Printer:
        s->setValue(kKindKey, QStringLiteral("printer"));
        s->setValue(kPrinterKey, destination.printer);
        break;
    case Destination::Kind::PdfFile:
        s->setValue(kKindKey, QStringLiteral("pdf"));
        s->remove(kPrinterKey);
        break;
    }
    s->sync();
}

} // namespace ui
