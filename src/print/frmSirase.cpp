#include "print/frmSirase.h"
#include "ui/fonts.h"
#include "ui/form_activation.h"
#include "ui/screen.h"
#include "ui/twips.h"

#include <QCoreApplication>

frmSirase::frmSirase(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSirase"));
    setWindowTitle(QString());
    setFixedSize(ui::twips(3600), ui::twips(1215));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    ui::place(Frame1, 120, 120, 3360, 975);

    Label1 = new QLabel(QStringLiteral("印   刷   中"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ui::gothic_font(18));
    ui::place(Label1, 120, 240, 3120, 495);

    Form_Load();
}

void frmSirase::Form_Load() {
    ui::center_on_screen(this);
    set_topmost(this);
    ui::mark_as_notice(this);
}

void frmSirase::show_now() {
    show();
    raise();
    // One pass of the window system's events (no user input), so that the
    // notice is mapped and painted before printing keeps the thread busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void set_topmost(QWidget* window) {
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Changing the flags hides a shown window.
    if (shown) window->show();
}
