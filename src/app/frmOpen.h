#pragma once
// frmOpen, the splash window: the picture, the maker line after a second,
// and the main window after about five seconds or on a click on a picture.
// It creates the main window once and keeps it; "unloading" hides it.

#include "book/book.h"
#include "ui/controls.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class frmTavu;

class frmOpen : public QWidget {
    Q_OBJECT
public:
    explicit frmOpen(Book& book, QWidget* parent = nullptr);
    ~frmOpen() override;

    ui::ClickLabel* imgTora = nullptr;
    ui::ClickLabel* pctTora = nullptr;
    QLabel* lblTora = nullptr;
    QTimer* tmrTora = nullptr;

    // Whole seconds since midnight at which the window was loaded.
    qint32 start_time = 0;

    void Form_Load();
    void tmrTora_Timer();
    void imgTora_Click();
    void pctTora_Click();
    void show_maker();
    void show_main();

    // The main window, once show_main has created it.
    frmTavu* main_window() const { return main_.get(); }

    // The small picture; the summary table prints it.
    static QPixmap small_picture();

private:
    Book& book_;
    std::unique_ptr<frmTavu> main_;
};
