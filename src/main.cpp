#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("集金管理システム  ＴＡＶＵ"));
    window.resize(625, 393);
    window.show();
    return app.exec();
}
