#include "ui/painted_printer.h"
#include "book/work_files.h"
#include "ui/print_service.h"
#include "ui/report_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>

namespace ui {

namespace {

// A PDF that ends with its end-of-file marker was written to the end.
bool pdf_complete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) return false;
    file.seek(file.size() - 64);
    return file.read(64).contains("%%EOF");
}

} // namespace

PaintedPrinter::PaintedPrinter(const QString& report, Target target, const QString& folder,
                               const QString& queue)
    : report_(report), folder_(folder), stamp_(report_stamp()) {
    using Reason = PrintOutcome::PdfReason;
    if (target == Target::Pdf) {
        outcome_.pdf_reason = Reason::Chosen;
    } else if (const QString why = print_service::missing(); !why.isEmpty()) {
        outcome_.pdf_reason = Reason::NoPrintService;
        outcome_.detail = why;
    } else {
        outcome_.printer = queue.isEmpty() ? print_service::default_destination() : queue;
        if (outcome_.printer.isEmpty() && !print_service::destinations().isEmpty())
            outcome_.pdf_reason = Reason::NoDefault;
    }
    if (target == Target::Printer && outcome_.printer.isEmpty())
        fail(outcome_.detail.isEmpty() ? QStringLiteral("there is no default printer")
                                       : outcome_.detail);
    else if (outcome_.printer.isEmpty() && !folder_.isEmpty())
        outcome_.pdf_path = report_file_path(folder_, report_, stamp_, 1, QStringLiteral("pdf"));
}

void PaintedPrinter::write_to(const QString& path) {
    if (begun_ || !outcome_.printer.isEmpty()) return;
    out_path_ = QFileInfo(path).absoluteFilePath();
    outcome_.pdf_path = out_path_;
}

PaintedPrinter::~PaintedPrinter() {
    if (!ended_) {
        if (painter_.isActive()) painter_.end();
        writer_.reset();
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
            if (!writer_->newPage()) {
                fail(QStringLiteral("a new page could not be started"));
                return false;
            }
            ++outcome_.pages;
        }
        return true;
    }
    begun_ = true;

    QMarginsF margins(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm);
    if (!outcome_.printer.isEmpty()) {
        // The printer's own printable area, so that the layout sits where
        // the printer can print it.
        margins = print_service::a4_margins(outcome_.printer, margins);
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

    writer_ = std::make_unique<QPdfWriter>(work_file_);
    writer_->setResolution(1200);
    writer_->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation_, margins, QPageLayout::Millimeter));
    writer_->setTitle(report_ + u'-' + stamp_);
    writer_->setCreator(QStringLiteral("TAVU"));
    if (!painter_.begin(writer_.get())) {
        fail(QFile::exists(work_file_) ? QStringLiteral("the PDF would not start")
                                       : QStringLiteral("%1 cannot be written").arg(work_file_));
        return false;
    }
    painter_.setBrush(Qt::NoBrush);
    canvas_.set_painter(&painter_);
    outcome_.pages = 1;
    return true;
}

void PaintedPrinter::paper_a4() {
    // Every report is on A4, which ready() sets.
}

void PaintedPrinter::orientation(Orientation orientation) {
    orientation_ =
        orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (begun_ && !failed_) writer_->setPageOrientation(orientation_);
}

void PaintedPrinter::unit(Unit unit) {
    canvas_.unit(unit);
}

void PaintedPrinter::font(const QString& name, double points, bool bold) {
    canvas_.font(name, points, bold);
}

void PaintedPrinter::position(double x, double y) {
    canvas_.position(x, y);
}

void PaintedPrinter::print_text(const QString& text) {
    if (!ready() || text.isEmpty()) return;
    canvas_.text(text);
}

void PaintedPrinter::line_style(LineStyle style) {
    canvas_.line_style(style);
}

void PaintedPrinter::line_width(int width) {
    canvas_.line_width(width);
}

void PaintedPrinter::line(double x1, double y1, double x2, double y2) {
    if (ready()) canvas_.line(x1, y1, x2, y2);
}

void PaintedPrinter::box(double x1, double y1, double x2, double y2) {
    if (ready()) canvas_.box(x1, y1, x2, y2);
}

void PaintedPrinter::picture(const QImage& image, double x, double y) {
    if (ready()) canvas_.picture(image, x, y);
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
    canvas_.set_painter(nullptr);
    if (painter_.isActive() && !painter_.end() && drawn)
        fail(QStringLiteral("the document could not be finished"));
    writer_.reset(); // closes the file
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
    const QString error =
        print_service::submit(outcome_.printer, work_file_, report_ + u'-' + stamp_);
    if (!error.isEmpty()) {
        fail(error);
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
