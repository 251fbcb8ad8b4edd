#include "ui/print_destination.h"

#include <QSettings>

namespace ui {

namespace {

QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tavu"),
                     QStringLiteral("tavu"));
}

const QString kKindKey = QStringLiteral("print/destination");
const QString kPrinterKey = QStringLiteral("print/printer");

} // namespace

Destination chosen_destination() {
    const QSettings s = settings();
    const QString kind = s.value(kKindKey).toString();
    if (kind == QStringLiteral("pdf")) return {Destination::Kind::PdfFile, {}};
    const QString printer = s.value(kPrinterKey).toString();
    if (kind == QStringLiteral("printer") && !printer.isEmpty())
        return {Destination::Kind::Printer, printer};
    return {};
}

void choose_destination(const Destination& destination) {
    QSettings s = settings();
    switch (destination.kind) {
    case Destination::Kind::DefaultPrinter:
        s.remove(kKindKey);
        s.remove(kPrinterKey);
        break;
    case Destination::Kind::Printer:
        s.setValue(kKindKey, QStringLiteral("printer"));
        s.setValue(kPrinterKey, destination.printer);
        break;
    case Destination::Kind::PdfFile:
        s.setValue(kKindKey, QStringLiteral("pdf"));
        s.remove(kPrinterKey);
        break;
    }
    s.sync();
}

} // namespace ui
