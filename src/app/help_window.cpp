#include "app/help_window.h"

#include <QFile>
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(680, 620);
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
