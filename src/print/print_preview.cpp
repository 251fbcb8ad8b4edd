#include "print/print_preview.h"
#include "print/print_run.h"
#include "ui/file_choice.h"
#include "ui/painted_printer.h"
#include "ui/report_files.h"
#include "ui/screen.h"
#include "ui/wrapping_row.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

constexpr int kThumbDpi = 12; // an A4 page about 100 by 140 dots
constexpr int kMinDpi = 10;
constexpr int kMaxDpi = 300;
constexpr int kPageGap = 12; // around the page in its view

} // namespace

PrintPreview::PrintPreview(QWidget* parent, const QString& title, const QString& report,
                           std::shared_ptr<const ui::PreviewDocument> document,
                           std::function<void(const ui::PreviewDocument&)> print)
    : QDialog(parent), report_(report), document_(std::move(document)), print_(std::move(print)) {
    setWindowTitle(title + QStringLiteral(" - 印刷プレビュー"));
    setAttribute(Qt::WA_DeleteOnClose);

    thumbnails = new QListWidget(this);
    thumbnails->setObjectName(QStringLiteral("thumbnails"));
    thumbnails->setViewMode(QListView::ListMode);
    thumbnails->setIconSize(QSize(150, 150));
    thumbnails->setFixedWidth(190);
    thumbnails->setSpacing(4);

    page_view = new QLabel;
    page_view->setAlignment(Qt::AlignCenter);
    page_view->setContentsMargins(kPageGap, kPageGap, kPageGap, kPageGap);
    scroll = new QScrollArea(this);
    scroll->setWidget(page_view);
    scroll->setWidgetResizable(true);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    setup_tools(); // the tool row on top
    auto* body = new QHBoxLayout;
    body->addWidget(thumbnails);
    body->addWidget(scroll, 1);
    layout->addLayout(body, 1);

    fill_thumbnails();
    connect(thumbnails, &QListWidget::currentRowChanged, this, &PrintPreview::show_page);

    thumbnails->setAccessibleName(QStringLiteral("ページの一覧"));
    scroll->setAccessibleName(QStringLiteral("ページの表示"));
    ui::place_beside(this, parent, QSize(1100, 900));
    // Tab in reading order: the tool row, then the pages.
    const QList<QWidget*> order = {cmdPrev, cmdNext,  zoom_box,   cmdPrint,
                                   cmdPdf,  cmdClose, thumbnails, scroll};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    show_page(0);
}

void PrintPreview::setup_tools() {
    cmdPrev = new QPushButton(QStringLiteral("◀ 前"));
    cmdNext = new QPushButton(QStringLiteral("次 ▶"));
    page_label = new QLabel;
    zoom_box = new QComboBox;
    zoom_box->addItems(
        {QStringLiteral("ページ全体"), QStringLiteral("幅に合わせる"), QStringLiteral("100%")});
    cmdPrint = new QPushButton(QStringLiteral("印刷(&P)"));
    cmdPdf = new QPushButton(QStringLiteral("PDF保存(&S)"));
    cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"));
    for (QPushButton* b : {cmdPrev, cmdNext, cmdPrint, cmdPdf, cmdClose}) b->setAutoDefault(false);

    auto* pages = new QHBoxLayout;
    pages->addWidget(cmdPrev);
    pages->addWidget(page_label);
    pages->addWidget(cmdNext);
    pages->addSpacing(20);
    auto* zoom_caption = new QLabel(QStringLiteral("表示(&Z)"));
    zoom_caption->setBuddy(zoom_box);
    pages->addWidget(zoom_caption);
    pages->addWidget(zoom_box);
    pages->addStretch(1);
    auto* outputs = new QHBoxLayout;
    outputs->addStretch(1);
    outputs->addWidget(cmdPrint);
    outputs->addWidget(cmdPdf);
    outputs->addWidget(cmdClose);
    static_cast<QVBoxLayout*>(layout())->addLayout(ui::wrapping_row(this, pages, outputs));

    connect(cmdPrev, &QPushButton::clicked, this, [this] { show_page(page_ - 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { show_page(page_ + 1); });
    connect(zoom_box, &QComboBox::currentIndexChanged, this,
            [this](int index) { set_zoom(static_cast<Zoom>(index)); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { print_(*document_); });
    connect(cmdPdf, &QPushButton::clicked, this, &PrintPreview::ask_and_save_pdf);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    const auto key = [this](QKeySequence keys, auto turn) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, turn);
    };
    key(Qt::Key_PageDown, [this] { show_page(page_ + 1); });
    key(Qt::Key_PageUp, [this] { show_page(page_ - 1); });
    key(Qt::Key_Home, [this] { show_page(0); });
    key(Qt::Key_End, [this] { show_page(document_->page_count() - 1); });
}

void PrintPreview::fill_thumbnails() {
    for (int page = 0; page < document_->page_count(); ++page) {
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(document_->page_image(page, kThumbDpi))),
                                QString::number(page + 1));
        item->setData(Qt::AccessibleTextRole, QStringLiteral("%1 ページ").arg(page + 1));
        thumbnails->addItem(item);
    }
}

void PrintPreview::show_page(int page) {
    const int count = document_->page_count();
    if (count == 0) {
        page_label->setText(QStringLiteral("0 / 0 ページ"));
        return;
    }
    page = qBound(0, page, count - 1);
    const bool turned = page != page_;
    page_ = page;
    if (thumbnails->currentRow() != page) thumbnails->setCurrentRow(page);
    page_label->setText(QStringLiteral("%1 / %2 ページ").arg(page + 1).arg(count));
    page_view->setAccessibleName(QStringLiteral("%1 ページ").arg(page + 1));
    cmdPrev->setEnabled(page > 0);
    cmdNext->setEnabled(page < count - 1);
    if (turned || dpi_ == 0) render_page();
}

void PrintPreview::set_zoom(Zoom zoom) {
    zoom_ = zoom;
    if (zoom_box->currentIndex() != static_cast<int>(zoom))
        zoom_box->setCurrentIndex(static_cast<int>(zoom));
    render_page();
}

int PrintPreview::fitting_dpi() const {
    if (zoom_ == Zoom::Actual) return qRound(page_view->logicalDpiX() * 1.0);
    const QSizeF inches = document_->page_size_mm(page_) / 25.4;
    const QSize room = scroll->viewport()->size() - QSize(2 * kPageGap, 2 * kPageGap);
    const double across = room.width() / inches.width();
    const double down = room.height() / inches.height();
    const int dpi = static_cast<int>(zoom_ == Zoom::FitWidth ? across : qMin(across, down));
    return qBound(kMinDpi, dpi, kMaxDpi);
}

void PrintPreview::render_page() {
    if (page_ < 0) return;
    dpi_ = fitting_dpi();
    page_view->setPixmap(QPixmap::fromImage(document_->page_image(page_, dpi_)));
}

// The page follows the room it has when it fits it. The wheel scrolls the
// page; past its top or bottom it turns the page.
bool PrintPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll->viewport() && event->type() == QEvent::Resize && zoom_ != Zoom::Actual &&
        page_ >= 0 && fitting_dpi() != dpi_)
        render_page();
    if (watched == scroll->viewport() && event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        QScrollBar* bar = scroll->verticalScrollBar();
        if (delta < 0 && bar->value() >= bar->maximum() && page_ < document_->page_count() - 1) {
            show_page(page_ + 1);
            bar->setValue(bar->minimum());
            return true;
        }
        if (delta > 0 && bar->value() <= bar->minimum() && page_ > 0) {
            show_page(page_ - 1);
            bar->setValue(bar->maximum());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

ui::PrintOutcome PrintPreview::save_pdf_to(const QString& path) {
    ui::PaintedPrinter printer(report_, ui::PaintedPrinter::Target::Pdf,
                               QFileInfo(path).absolutePath());
    printer.write_to(path);
    document_->replay(printer);
    const ui::PrintOutcome outcome = printer.outcome();
    report_print_outcome(outcome);
    return outcome;
}

void PrintPreview::ask_and_save_pdf() {
    const QString suggested =
        QDir::current().absoluteFilePath(report_ + u'-' + ui::report_stamp() + ".pdf");
    QString path = ui::choose_file_to_save(this, QStringLiteral("PDF保存"), suggested,
                                           QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    save_pdf_to(path);
}
