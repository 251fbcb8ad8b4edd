#include "app/help_window.h"

#include "ui/screen.h"

#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const char* const kHelpPage = ":/help/help.html";
}

// The page lives in a static library: without this call the linker would
// leave its resource data out of the program.
static void load_help_resource() {
    Q_INIT_RESOURCE(help);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Ｔａｖｕのヘルプ"));
    browser = new QTextBrowser(this);
    browser->setOpenLinks(false);
    // Tab goes from the page to the button and back.
    browser->setTabChangesFocus(true);
    auto* close_button = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(browser);
    layout->addWidget(close_button, 0, Qt::AlignRight);
    browser->setAccessibleName(QStringLiteral("ヘルプの本文"));
    // Beside the sheet, so that what the page explains stays in view.
    ui::place_beside(this, parent, QSize(680, 620));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool HelpWindow::load() {
    load_help_resource();
    QFile page(QString::fromLatin1(kHelpPage));
    if (!page.open(QIODevice::ReadOnly)) return false;
    const QString html = QString::fromUtf8(page.readAll());
    if (html.isEmpty()) return false;
    browser->setHtml(html);
    return true;
}
