#pragma once
// frmSelectPrint, "セレクト印刷": the members whose statements to print are
// copied from every member slot (lstName) into lstSelectName; "印刷" prints
// their statements in member order and hides the dialog. The two-list
// dialog's picking, except that choosing copies (an entry already chosen is
// not chosen twice) and taking back removes the copy. State: the lists,
// select_count, and the book's print_mark, which every activation clears.

#include "ui/two_list_dialog.h"

class frmTavu;
struct Book;

class frmSelectPrint : public ui::TwoListDialog {
    Q_OBJECT
public:
    explicit frmSelectPrint(frmTavu& tavu);

    frmTavu& tavu;
    Book& book;

    QListWidget* const lstName;       // every member slot, " 1 name" .. "96 name"
    QListWidget* const lstSelectName; // the chosen members
    QLabel* Label1 = nullptr;
    qint16 select_count = 0; // entries in lstSelectName
    // Opened from 印刷プレビュー: 確定 opens the preview of the chosen
    // statements instead of printing them, once.
    bool previews = false;

protected:
    void reset_work() override;
    void fill_source() override;
    void place_entry(int source_row) override;
    void take_back_entry(int target_row) override;
    qint16 confirm() override;
};
