#pragma once
// frmKomokuSort: the item order dialog. The user picks the items one by one
// from their present order (lstKomoku) into a new order (lstSelectKomoku);
// "確定" puts every item's data into that order and shows the first item.
// The picking itself is the two-list dialog's; this adds the item lists,
// "オジャン" and the confirm rules. State: the lists, and the book's
// sort_komoku_name / sort_order work tables.

#include "ui/two_list_dialog.h"

class frmTavu;
struct Book;

class frmKomokuSort : public ui::TwoListDialog {
    Q_OBJECT
public:
    explicit frmKomokuSort(frmTavu& tavu);

    frmTavu& tavu;
    Book& book;

    QListWidget* const lstKomoku;       // items not yet placed
    QListWidget* const lstSelectKomoku; // the new order
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdOjan = nullptr;

    void cmdOjan_Click();

protected:
    void reset_work() override;
    void fill_source() override;
    qint16 confirm() override;
};
