// Inserting and deleting member slots while name editing is on. The input
// box keeps its member number; typed text that was not stored is dropped.

#include "book/member_shift.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/payments_messages.h"

namespace {

// Labels and check box captions from the shifted names.
void show_roster(frmTavu& form) {
    for (int i = 0; i < kMembers; ++i) {
        const QString& name = form.book.member_name[i];
        form.lbl1[i]->setVisible(!is_blank(name));
        form.lbl1[i]->setText(name);
        ui::set_caption(form.chk1[i], name);
    }
    form.document.tell_changed();
}

} // namespace

void frmTavu::cmdName_insert_Click() {
    // The last member would fall off the roster with all their marks.
    if (last_member_taken(book)) {
        ui::msg_box(QStringLiteral("９６番目に 人が いてまっせ！\r\n\r\n"
                                   "インサート したら はみ出してしまいまんねん ！！"),
                    ui::Icon::Exclamation);
        txtName_Input->setFocus();
        return;
    }
    if (!insert_member(book, book.name_no - 1)) return;
    txtName_Input->setText(QString());
    txtName_Input->setFocus();
    show_roster(*this);
}

void frmTavu::CmdName_Del_Click() {
    const int slot = book.name_no - 1;
    // Payments go with the member: asked first.
    if (!payments::confirm_member_delete(book, slot)) {
        txtName_Input->setFocus();
        return;
    }
    if (!delete_member(book, slot)) return;
    txtName_Input->setText(book.member_name[slot]);
    txtName_Input->setFocus();
    show_roster(*this);
}
