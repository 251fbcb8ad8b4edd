#include "print/frmSelectPrint.h"

#include "book/text_rules.h"
#include "print/meisai.h"
#include "print/preview_feature.h"
#include "print/print_confirm.h"
#include "print/reports.h"
#include "sheet/frmTavu.h"

#include <QLabel>
#include <utility>

namespace {

ui::TwoListDialog::Layout select_layout() {
    ui::TwoListDialog::Layout l;
    l.name = "frmSelectPrint";
    l.caption = QStringLiteral("セレクト印刷");
    l.client = QSize(6015, 4455);
    l.frame = QRect(120, 120, 5775, 4215);
    l.source = {"lstName", QRect(240, 360, 2055, 3435),
                QStringLiteral("選択は リターンキーでも Ｗクリックでも  \"ＯＫ\"")};
    l.target = {"lstSelectName", QRect(3600, 840, 1935, 2760), QString()};
    l.select = QRect(2640, 1080, 615, 375);
    l.unselect = QRect(2640, 1800, 615, 375);
    l.confirm_caption = QStringLiteral("印刷");
    l.confirm = QRect(2640, 2640, 615, 495);
    l.cancel = QRect(2640, 3480, 615, 495);
    l.nothing_chosen = QStringLiteral("一人も 選んで おまへんで ？  印刷 できしまへん!!");
    return l;
}

} // namespace

frmSelectPrint::frmSelectPrint(frmTavu& tavu)
    : ui::TwoListDialog(select_layout(), &tavu), tavu(tavu), book(tavu.book), lstName(lstSource),
      lstSelectName(lstTarget) {
    Label1 = add_label("Label1", QStringLiteral("印刷メンバー"), QRect(3840, 480, 1455, 255));
    name_lists(QStringLiteral("メンバー"), Label1->text());
}

// A new activation starts the choice over.
void frmSelectPrint::reset_work() {
    for (int i = 0; i < kMembers; ++i) book.print_mark[i] = 0;
    select_count = 0;
}

// Every slot, empty ones too; each entry starts with its own number, so
// equal texts are the same slot.
void frmSelectPrint::fill_source() {
    for (int i = 0; i < kMembers; ++i)
        add_source_entry(number_text(i + 1) + u' ' + book.member_name[i], i);
}

// Copies the entry; the left list keeps it, and keeps it selected.
void frmSelectPrint::place_entry(int source_row) {
    const QListWidgetItem* entry = lstName->item(source_row);
    book.print_mark[slot_of(entry)] = 1;
    if (!lstSelectName->findItems(entry->text(), Qt::MatchExactly).isEmpty()) return;
    lstSelectName->insertItem(select_count, entry->clone());
    lstSelectName->clearSelection();
    ++select_count;
}

void frmSelectPrint::take_back_entry(int target_row) {
    const QString text = lstSelectName->item(target_row)->text();
    const QList<QListWidgetItem*> same = lstName->findItems(text, Qt::MatchExactly);
    if (!same.isEmpty()) book.print_mark[slot_of(same.front())] = 0;
    delete lstSelectName->takeItem(target_row);
    lstSelectName->clearSelection();
    --select_count;
}

// Statements come out in member order, whatever order they were chosen in.
qint16 frmSelectPrint::confirm() {
    if (!std::exchange(previews, false)) {
        tavu.print_meisai();
        return 0;
    }
    open_preview(
        tavu, QStringLiteral("セレクト"), report_name(Report::Statements),
        [](Book& b, ui::Printer& printer) { print_meisai(b, printer); },
        [this] { return confirm_period_and_organizer(tavu) != -1; });
    return 0;
}
