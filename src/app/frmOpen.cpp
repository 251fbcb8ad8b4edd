#include "app/frmOpen.h"
#include "app/features.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/clock.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/screen.h"

#include <QDir>
#include <QPixmap>

namespace {

qint32 whole_seconds_now() {
    return qint32(round_half_even(ui::seconds_since_midnight()));
}

} // namespace

frmOpen::frmOpen(Book& book, QWidget* parent)
    : QWidget(parent), document_(book, QDir::currentPath()) {
    setObjectName(QStringLiteral("frmOpen"));
    setWindowTitle(QStringLiteral("TAVU"));
    setFixedSize(400, 185);

    imgTora = new ui::ClickLabel(this);
    imgTora->setObjectName(QStringLiteral("imgTora"));
    imgTora->setPixmap(ui::splash_picture());
    imgTora->setGeometry(12, 12, 197, 161);
    imgTora->setCursor(Qt::PointingHandCursor);

    pctTora = new ui::ClickLabel(this);
    pctTora->setObjectName(QStringLiteral("pctTora"));
    pctTora->setPixmap(ui::small_picture());
    pctTora->setGeometry(224, 12, 32, 32);
    pctTora->setCursor(Qt::PointingHandCursor);

    lblTora = new QLabel(this);
    lblTora->setObjectName(QStringLiteral("lblTora"));
    lblTora->setFont(ui::gothic_font(10.5));
    lblTora->setTextFormat(Qt::PlainText);
    lblTora->setWordWrap(true);
    lblTora->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTora->setText(QStringLiteral("集金係の強い味方\n\n手づくり工房 とらや 謹製"));
    lblTora->setGeometry(224, 60, 166, 100);
    lblTora->hide();

    tmrTora = new QTimer(this);
    tmrTora->setObjectName(QStringLiteral("tmrTora"));
    tmrTora->setInterval(100);

    connect(imgTora, &ui::ClickLabel::clicked, this, &frmOpen::imgTora_Click);
    connect(pctTora, &ui::ClickLabel::clicked, this, &frmOpen::pctTora_Click);
    connect(tmrTora, &QTimer::timeout, this, &frmOpen::tmrTora_Timer);

    Form_Load();
    tmrTora->start();
}

frmOpen::~frmOpen() = default;

void frmOpen::Form_Load() {
    ui::center_on_screen(this);
    start_time = whole_seconds_now();
}

void frmOpen::tmrTora_Timer() {
    const qint32 elapsed = whole_seconds_now() - start_time;
    if (elapsed > 1) show_maker();
    if (elapsed > 4) show_main();
    // Loaded in the last seconds of the day the elapsed time would wrap at
    // midnight; such a splash does not wait.
    if (start_time > 86394) show_main();
}

void frmOpen::imgTora_Click() {
    show_main();
}

void frmOpen::pctTora_Click() {
    show_main();
}

void frmOpen::show_maker() {
    lblTora->show();
}

void frmOpen::show_main() {
    if (main_shown_) return; // the main window is loaded once
    main_shown_ = true;
    tmrTora->stop();
    prepare_main();
    main_->Form_Load();
    main_->show();
    hide();
}

void frmOpen::prepare_main() {
    if (main_) return;
    document_.write_guard = write_guard;
    main_ = std::make_unique<frmTavu>(document_);
    app::attach_features(*main_);
    main_->prepare_drawing();
}

void frmOpen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Only once the splash has been drawn: the user sees it at once, and the
    // build runs while it waits.
    if (prepare_scheduled_) return;
    prepare_scheduled_ = true;
    QTimer::singleShot(0, this, &frmOpen::prepare_main);
}
