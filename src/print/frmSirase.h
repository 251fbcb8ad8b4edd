#pragma once
// frmSirase, the printing notice: "印   刷   中" above every other window
// while a report prints. No caption and nothing to click: a print run cannot
// be stopped from it. Centred and made topmost once, when it is created;
// afterwards only shown and hidden.

#include <QFrame>
#include <QLabel>
#include <QWidget>

class frmSirase : public QWidget {
    Q_OBJECT
public:
    explicit frmSirase(QWidget* parent = nullptr);

    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;

    void Form_Load();
    // Shows the notice without blocking and gets it onto the screen at once,
    // before the print run keeps the thread busy.
    void show_now();
};

// Keeps the window above all others without moving or resizing it.
void set_topmost(QWidget* window);
