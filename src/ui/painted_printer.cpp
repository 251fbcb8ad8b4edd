#include "ui/painted_printer.h"
#include "book/work_files.h"
#include "ui/fonts.h"
#include "ui/report_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <cups/cups.h>

namespace ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMmPerInch = 25.4;
// Width, in per cent, of the fallback font on paper (see PaintedPrinter::font).
constexpr int kFallbackStretch = 85;

// Line widths 1 and 2 must both show on paper, 2 clearly thicker.
double pen_mm(int width) {
    return width <= 1 ? 0.2 : 0.25 * width;
}

// A PDF that ends with its end-of-file marker was written to the end.
bool pdf_complete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) return false;
    file.seek(file.size() - 64);
    return file.read(64).contains("%%EOF");
}

} // namespace

PaintedPrinter::PaintedPrinter(const QString& report, Target target, const QString& folder)
    : report_(report), folder_(folder), stamp_(report_stamp()), printer_(QPrinter::HighResolution) {
    if (target != Target::Pdf) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) outcome_.printer = info.printerName();
    }
    if (target == Target::Printer && outcome_.printer.isEmpty())
        fail(QStringLiteral("there is no default printer"));
    else if (outcome_.printer.isEmpty() && !folder_.isEmpty())
        outcome_.pdf_path = report_file_path(folder_, report_, stamp_, 1, QStringLiteral("pdf"));
    font_ = gothic_font(9);
}

void PaintedPrinter::write_to(const QString& path) {
    if (begun_ || !outcome_.printer.isEmpty()) return;
    out_path_ = QFileInfo(path).absoluteFilePath();
    outcome_.pdf_path = out_path_;
}

PaintedPrinter::~PaintedPrinter() {
    if (!ended_) {
        if (painter_.isActive()) painter_.end();
        if (!work_file_.isEmpty()) QFile::remove(work_file_);
    }
}

void PaintedPrinter::fail(const QString& detail) {
    if (failed_) return;
    failed_ = true;
    outcome_.result = PrintOutcome::Result::Failed;
    outcome_.detail = detail;
}

bool PaintedPrinter::ready() {
    if (failed_ || ended_) return false;
    if (begun_) {
        if (break_pending_) {
            break_pending_ = false;
            if (!printer_.newPage()) {
                fail(QStringLiteral("a new page could not be started"));
                return false;
            }
        }
        return true;
    }
    begun_ = true;

    QMarginsF margins(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm);
    if (!outcome_.printer.isEmpty()) {
        // The printer's own printable area, so that the layout sits where
        // the printer can print it.
        QPrinter probe(QPrinterInfo::printerInfo(outcome_.printer), QPrinter::HighResolution);
        probe.setPageSize(QPageSize(QPageSize::A4));
        probe.setPageOrientation(orientation_);
        margins = probe.pageLayout().margins(QPageLayout::Millimeter);
        QTemporaryFile temp(QDir::temp().absoluteFilePath(QStringLiteral("tavu-XXXXXX.pdf")));
        temp.setAutoRemove(false);
        if (!temp.open()) {
            fail(temp.errorString());
            return false;
        }
        work_file_ = temp.fileName();
    } else if (!out_path_.isEmpty()) {
        const QFileInfo out(out_path_);
        work_file_ =
            out.absoluteDir().absoluteFilePath(u'.' + out.fileName() + QStringLiteral(".part"));
    } else {
        // A working folder that is gone has no path: never a PDF elsewhere.
        if (folder_.isEmpty()) {
            fail(QStringLiteral("the working folder is gone"));
            return false;
        }
        work_file_ = QDir(folder_).absoluteFilePath(u'.' + report_ + u'-' + stamp_ +
                                                    QStringLiteral(".pdf.part"));
    }

    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(work_file_);
    printer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation_, margins, QPageLayout::Millimeter));
    printer_.setDocName(report_ + u'-' + stamp_);
    printer_.setCreator(QStringLiteral("TAVU"));
    if (!painter_.begin(&printer_)) {
        fail(QFile::exists(work_file_) ? QStringLiteral("the printer would not start")
                                       : QStringLiteral("%1 cannot be written").arg(work_file_));
        return false;
    }
    painter_.setBrush(Qt::NoBrush);
    return true;
}

double PaintedPrinter::device(double value) const {
    const double per_inch = unit_ == Unit::Millimetres ? kMmPerInch : kTwipsPerInch;
    return value * printer_.resolution() / per_inch;
}

void PaintedPrinter::apply_pen() {
    const double mm = pen_mm(width_);
    QPen pen(Qt::black, mm * printer_.resolution() / kMmPerInch, Qt::SolidLine, Qt::FlatCap,
             Qt::MiterJoin);
    // Dashes of 2 mm with gaps of 1 mm, in units of the pen's width.
    if (style_ == LineStyle::Dashed) pen.setDashPattern({2.0 / mm, 1.0 / mm});
    painter_.setPen(pen);
}

void PaintedPrinter::paper_a4() {
    // Every report is on A4, which ready() sets.
}

void PaintedPrinter::orientation(Orientation orientation) {
    orientation_ =
        orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (begun_ && !failed_) printer_.setPageOrientation(orientation_);
}

void PaintedPrinter::unit(Unit unit) {
    unit_ = unit;
}

void PaintedPrinter::font(const QString& name, double points, bool bold) {
    font_ = gothic_font(points);
    QStringList families = font_.families();
    if (!families.contains(name)) families.prepend(name);
    font_.setFamilies(families);
    font_.setBold(bold);
    // The reports' fixed positions were laid out for the requested font. The
    // fallback's half-width letters and digits are about a sixth wider, so
    // amounts of nine characters ran past their cells and long headings into
    // the next column: the fallback is narrowed to the requested font's width.
    if (!is_family(font_, name)) font_.setStretch(kFallbackStretch);
}

void PaintedPrinter::position(double x, double y) {
    x_ = x;
    y_ = y;
}

void PaintedPrinter::print_text(const QString& text) {
    if (!ready() || text.isEmpty()) return;
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(font_, &printer_);
    painter_.drawText(QPointF(device(x_), device(y_) + metrics.ascent()), text);
}

void PaintedPrinter::line_style(LineStyle style) {
    style_ = style;
}

void PaintedPrinter::line_width(int width) {
    width_ = width;
}

void PaintedPrinter::line(double x1, double y1, double x2, double y2) {
    if (!ready()) return;
    apply_pen();
    painter_.drawLine(at(x1, y1), at(x2, y2));
}

void PaintedPrinter::box(double x1, double y1, double x2, double y2) {
    if (!ready()) return;
    apply_pen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(at(x1, y1), at(x2, y2)).normalized());
}

void PaintedPrinter::picture(const QImage& image, double x, double y) {
    if (!ready()) return;
    const double per_pixel = printer_.resolution() / 96.0;
    painter_.drawImage(QRectF(at(x, y), QSizeF(image.width(), image.height()) * per_pixel), image);
}

void PaintedPrinter::new_page() {
    if (!ready()) return;
    break_pending_ = true;
}

void PaintedPrinter::end_document() {
    if (ended_) return;
    // A new page just before the end adds no empty page.
    break_pending_ = false;
    const bool drawn = ready();
    ended_ = true;
    if (painter_.isActive() && !painter_.end() && drawn)
        fail(QStringLiteral("the document could not be finished"));
    if (!failed_ && !pdf_complete(work_file_))
        fail(QStringLiteral("%1 could not be written to the end").arg(work_file_));
    if (!failed_) {
        if (!outcome_.printer.isEmpty())
            submit_to_printer();
        else
            keep_pdf();
    }
    if (!work_file_.isEmpty() && QFile::exists(work_file_)) QFile::remove(work_file_);
}

bool PaintedPrinter::submit_to_printer() {
    // The queue's own name, without an instance after "/".
    const QByteArray queue = outcome_.printer.section(u'/', 0, 0).toLocal8Bit();
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", "A4", 0, &options);
    const int job = cupsPrintFile(queue.constData(), QFile::encodeName(work_file_).constData(),
                                  printer_.docName().toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) {
        fail(QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    outcome_.result = PrintOutcome::Result::Printed;
    return true;
}

// The drawn PDF is flushed to disk and renamed into place as a data file
// is: a report said to be written is whole on disk.
bool PaintedPrinter::keep_pdf() {
    errno = 0;
    WriteResult kept;
    if (!out_path_.isEmpty()) {
        kept = replace_with(work_file_, out_path_);
    } else {
        QString written;
        kept = move_to_free_name(
            work_file_,
            [this](int n) {
                return report_file_path(folder_, report_, stamp_, n, QStringLiteral("pdf"));
            },
            written);
        if (is_written(kept)) outcome_.pdf_path = written;
    }
    if (is_written(kept)) {
        outcome_.result = PrintOutcome::Result::SavedPdf;
        return true;
    }
    fail(errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                    : QStringLiteral("no free file name"));
    return false;
}

} // namespace ui
