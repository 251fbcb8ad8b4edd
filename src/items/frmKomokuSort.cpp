#include "items/frmKomokuSort.h"

#include "book/item_order.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include <QLabel>

namespace {

ui::TwoListDialog::Layout sort_layout() {
    ui::TwoListDialog::Layout l;
    l.name = "frmKomokuSort";
    l.caption = QStringLiteral("引き去り項目 の 並べ替え");
    l.client = QSize(7695, 4740);
    l.frame = QRect(120, 120, 7455, 4500);
    l.source = {"lstKomoku", QRect(240, 600, 2895, 3660),
                QStringLiteral("選択は リターンキーでも Ｗクリックでも  \"ＯＫ\"")};
    l.target = {"lstSelectKomoku", QRect(4440, 600, 2775, 3660), QString()};
    l.select = QRect(3480, 600, 615, 375);
    l.unselect = QRect(3480, 1320, 615, 375);
    l.confirm_caption = QStringLiteral("確定");
    l.confirm = QRect(3480, 2040, 735, 495);
    l.cancel = QRect(3480, 3720, 735, 495);
    l.nothing_chosen = QStringLiteral("一個も 選んで おまへんで ？  並べ替え できしまへん!!");
    return l;
}

} // namespace

frmKomokuSort::frmKomokuSort(frmTavu& tavu)
    : ui::TwoListDialog(sort_layout(), &tavu), tavu(tavu), book(tavu.book), lstKomoku(lstSource),
      lstSelectKomoku(lstTarget) {
    Label1 = add_label("Label1", QStringLiteral("仮ソートした 順序"), QRect(720, 240, 2175, 255));
    Label2 = add_label("Label2", QStringLiteral("新しい順序"), QRect(5160, 240, 1455, 255));
    name_lists(Label1->text(), Label2->text());
    cmdOjan = add_button("cmdOjan", QStringLiteral("オジャン"), QRect(3480, 2880, 735, 495));
    connect(cmdOjan, &QPushButton::clicked, this, &frmKomokuSort::cmdOjan_Click);
    // Tab goes down the buttons in the order they stand.
    setTabOrder(cmdKakutei, cmdOjan);
    setTabOrder(cmdOjan, cmdYame);
}

// Starts the arrangement over, as an activation does.
void frmKomokuSort::cmdOjan_Click() {
    Form_Activate();
}

void frmKomokuSort::reset_work() {
    for (int i = 0; i < kItems; ++i) {
        book.sort_komoku_name[i].clear();
        book.sort_order[i] = 100;
    }
}

// The leading run of titled items; items behind a blank title stay out of
// the list and in their slots.
void frmKomokuSort::fill_source() {
    for (int i = 0; i < kItems && !is_blank(book.komoku_name[i]); ++i) {
        add_source_entry(book.komoku_name[i], i);
        book.sort_komoku_name[i] = book.komoku_name[i];
    }
}

// Every listed item must be placed; the sheet is not committed again, its
// redraw shows the first item of the new order.
qint16 frmKomokuSort::confirm() {
    if (lstKomoku->count() != 0) {
        ui::msg_box(QStringLiteral("まだ 残ってまっせ？  ぜ～んぶ 選んでヤ !!"),
                    ui::Icon::Exclamation);
        return -1;
    }
    std::vector<int> order;
    for (int i = 0; i < lstSelectKomoku->count(); ++i)
        order.push_back(slot_of(lstSelectKomoku->item(i)));
    apply_order(book, order);
    // A new order is a change to save even when the first item stays first
    // and the redraw below changes nothing on the sheet.
    book.hozon_flag = 0;
    tavu.gamen_kosin();
    return 0;
}
