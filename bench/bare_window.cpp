// A bare Qt program with a window like TAVU's main window (menus, the top
// band of boxes and buttons, four tabs of 24 named check boxes, Japanese
// text), for bench/startup_cost.sh to measure TAVU's start-up against.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("素のウィンドウ"));
    for (const char* menu : {"ファイル", "印刷", "編集", "マーク", "ヘルプ"})
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("項目"));
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    auto* band = new QGridLayout;
    for (int i = 0; i < 6; ++i) band->addWidget(new QLineEdit(QStringLiteral("忘年会")), 0, i);
    for (const char* button : {"Next", "Back", "Del", "計算"})
        band->addWidget(new QPushButton(QString::fromUtf8(button)), 1, band->columnCount());
    layout->addLayout(band);
    auto* tabs = new QTabWidget;
    for (int tab = 0; tab < 4; ++tab) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        for (int i = 0; i < 24; ++i)
            grid->addWidget(new QCheckBox(QStringLiteral("佐藤 %1").arg(tab * 24 + i + 1)), i % 8,
                            i / 8);
        tabs->addTab(page, QStringLiteral("No. %1").arg(tab + 1));
    }
    layout->addWidget(tabs);
    window.setCentralWidget(client);
    window.resize(625, 430);
    window.show();
    return app.exec();
}
