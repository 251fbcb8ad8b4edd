#pragma once
// frmOpen, the splash window: the picture, the maker line after a second,
// and the main window after about five seconds or on a click on a picture.
// Once the splash is on screen the main window's controls are built behind
// it, so that the wait hides that work; the main window's start-up still
// runs only when it is shown. The splash keeps the main window; "unloading"
// hides the splash.

#include "book/book.h"
#include "book/book_document.h"
#include "book/write_guard.h"
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

    // Handed to the main window: whether it may write its book.
    WriteGuard write_guard;

    // Whole seconds since midnight at which the window was loaded.
    qint32 start_time = 0;

    void Form_Load();
    void tmrTora_Timer();
    void imgTora_Click();
    void pctTora_Click();
    void show_maker();
    void show_main();
    // Builds the main window's controls, hidden and without its start-up;
    // show_main does it itself when the splash has not yet.
    void prepare_main();

    bool main_prepared() const { return main_ != nullptr; }
    // The main window, once show_main has shown it.
    frmTavu* main_window() const { return main_shown_ ? main_.get() : nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The open book, which the main window and every feature share.
    BookDocument document_;
    std::unique_ptr<frmTavu> main_;
    bool main_shown_ = false;
    bool prepare_scheduled_ = false;
};
