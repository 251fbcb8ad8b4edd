#pragma once
// frmSyukin: the 集金チェック window, modeless beside the collection sheet.
// A table of who owes what for each item, each cell marked by its state;
// a click or Space records the amount as received today (again: takes it
// back), a typed amount records part of it, 全部受け取った all of a member's
// open amounts. The totals of the period stay in view above the table, and
// entries of a payments file that did not match the book wait below it to
// be assigned to a cell or dropped. Ctrl+Z undoes the last payment action.
//
// State: the model over the book, its undo stack, the filter. The main
// window calls book_changed() after every change it makes to the book.

#include "book/book.h"
#include "book/write_guard.h"
#include "payments/payments_filter.h"
#include "payments/payments_model.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>
#include <QWidget>

namespace payments {

// The table: Space acts like a click on the current cell.
class PaymentsView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

signals:
    void space_pressed(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace payments

class frmSyukin : public QWidget {
    Q_OBJECT
public:
    // `guard` (the main window's) is asked before every change of the record.
    frmSyukin(Book& book, const WriteGuard& guard, QWidget* parent = nullptr);

    Book& book;
    const WriteGuard& guard;
    QUndoStack undo;
    payments::PaymentsModel model;
    payments::PaymentsFilter filter;

    QLabel* lblGoukei = nullptr; // the period's totals
    QLabel* lblHiduke = nullptr;
    QDateEdit* dtpHiduke = nullptr;   // the day payments are recorded for
    QCheckBox* chkMadaDake = nullptr; // only members who still owe
    QLabel* lblSagasu = nullptr;
    QLineEdit* txtSagasu = nullptr;   // search by name
    QLabel* lblSagasuNasi = nullptr;  // says when the search finds nobody
    QPushButton* cmdZenbu = nullptr;  // 全部受け取った for the current row
    QPushButton* cmdRyosyu = nullptr; // 領収書 for the current row's member
    QAction* ryosyu_day = nullptr;    // what came in on the day shown
    QAction* ryosyu_all = nullptr;    // what came in over the period
    QLabel* lblHanrei = nullptr;      // what the signs mean
    payments::PaymentsView* grdSyukin = nullptr;
    QGroupBox* fraYoke = nullptr; // set-aside entries
    QListWidget* lstYoke = nullptr;
    QPushButton* cmdTukeru = nullptr;
    QPushButton* cmdSuteru = nullptr;
    QAction* undo_action = nullptr;

    // The main window changed the book.
    void book_changed();

    void grdSyukin_Click(const QModelIndex& index);
    void cmdZenbu_Click();
    void cmdTukeru_Click();
    void cmdSuteru_Click();
    void dtpHiduke_Change();
    void cmdRyosyu_Click(bool day_only);

    // Member and item slot of the table's current cell (-1 when none).
    int current_member() const;
    int current_item() const;

signals:
    // 領収書 for member m: what came in on `day`, or over the period when
    // `day` is not valid. The printing side answers it.
    void receipt_asked(int member, const QDate& day);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setup_controls();
    void setup_layout();
    void setup_receipt_button(class QHBoxLayout* tools); // receipt_button.cpp
    void connect_handlers();
    void show_totals();
    void show_set_aside();
    void show_search_result();
    void show_read_only();
    // The window opened on a book it may not write: nothing in it edits.
    bool viewing_only = false;
    void announce_cell(const QModelIndex& index);
};
