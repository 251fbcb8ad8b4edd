// Name editing: a mode of the main window in which the member labels become
// a pick list and one input box edits one name at a time. A member's marks
// and amounts belong to the person, so finishing clears them for every slot
// whose name changed and paints those rows red.

#include "book/cp932.h"
#include "book/payments.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/message_box.h"
#include "ui/payments_messages.h"
#include "ui/write_refusal.h"

#include <QApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr quint32 kNameColor = 0xC00000;
constexpr quint32 kChangedColor = 0x0000FF;

// Shows the tab page of member number n (1..96); other numbers leave it.
void show_member_page(QTabWidget* tabs, int n) {
    if (n >= 0 && n <= 96) tabs->setCurrentIndex(n <= 24 ? 0 : (n - 1) / 24);
}

// Every key typed into the name box, Enter as 13, before the box takes it.
// Text committed by an input method (how Japanese names are typed) counts
// as one key per character, as typed double-byte characters always did.
class NameKeyFilter : public QObject {
public:
    explicit NameKeyFilter(frmTavu* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const QString text = key->text();
            form_->txtName_Input_KeyPress(enter ? 13 : text.isEmpty() ? 0 : text[0].unicode());
        } else if (event->type() == QEvent::InputMethod) {
            const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
            for (const QChar c : committed) form_->txtName_Input_KeyPress(c.unicode());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmTavu* form_;
};

void release_scroll_bar(QScrollBar* bar) {
    const QPointF at(0, 0);
    QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

// A name must survive the trip to the data file, which holds code page 932.
bool name_storable(const QString& name, QWidget* input) {
    const cp932::Encoded encoded = cp932::encode(name);
    if (encoded.ok()) return true;
    ui::msg_box(QStringLiteral("「%1」 は 名前に 使えまへんで！\r\n\r\n別の字に 直してや ！！")
                    .arg(encoded.unencodable),
                ui::Icon::Exclamation);
    input->setFocus();
    return false;
}

} // namespace

void frmTavu::hensyu_name_Click() {
    if (!ui::write_allowed(write_guard, QStringLiteral("名前の 編集"))) return;
    book.hozon_flag = 0;
    if (newdata_memo(100) == -1) return;
    if (ninzu_check(100) == -1) return;
    book.name_mode = -1;
    show_roster_hint();

    for (int i = 0; i < kMembers; ++i) {
        book.name_before[i] = book.member_name[i];
        txt1[i]->hide();
        chk1[i]->hide();
        lbl1[i]->setVisible(!book.member_name[i].isEmpty());
        // Rows painted red by an earlier round go back to normal.
        ui::set_fore_color(chk1[i], ui::kButtonTextColor);
        ui::set_fore_color(lbl1[i], kNameColor);
    }

    fraGetname->show();
    fraGetname->raise();
    fraOkane->hide();
    fraCheck->hide();
    for (QMenu* menu : {menu_file, file_print, menu_hensyu, tavu})
        menu->menuAction()->setVisible(false);

    tabTavu->setCurrentIndex(0);
    txtName_Input->setText(lbl1[0]->text());
    txtBango->setText(QStringLiteral("1"));
    vsbName->setValue(1);
    txtName_Input->setFocus();
}

qint16 frmTavu::store_input_name() {
    const int n = book.name_no;
    if (n < 1 || n > kMembers) return 0;
    if (!name_storable(txtName_Input->text(), txtName_Input)) return -1;
    lbl1[n - 1]->setText(txtName_Input->text());
    clip_names(12);
    lbl1[n - 1]->show();
    return 0;
}

void frmTavu::txtName_Input_KeyPress(int key) {
    if (key == 13) {
        const int value = vsbName->value();
        if (value <= kMembers && name_storable(txtName_Input->text(), txtName_Input)) {
            lbl1[value - 1]->setText(txtName_Input->text());
            clip_names(12);
            // The scroll bar's change stores the name for name_no and moves on.
            vsbName->setValue(value + 1);
        }
    }
    show_member_page(tabTavu, book.name_no);
}

void frmTavu::vsbName_Change() {
    const int value = vsbName->value();
    if (book.name_no == value) return;
    if (book.name_no <= kMembers && !cp932::can_encode(txtName_Input->text())) {
        // The refused text stays in the box for the member it was typed for.
        // A held arrow or a dragged handle would go on stepping under the
        // message box and raise one box after another: let go of it first.
        release_scroll_bar(vsbName);
        vsbName->setValue(book.name_no);
        store_input_name();
        return;
    }
    store_input_name();
    book.name_no = qint16(value);
    show_member_page(tabTavu, value);
    if (value > kMembers) {
        // One past the last member: step back, which loads member 96.
        vsbName->setValue(kMembers);
        return;
    }
    txtName_Input->setText(lbl1[value - 1]->text());
    txtBango->setText(plain_number_text(value));
    txtName_Input->setFocus();
}

void frmTavu::lbl1_Click(int index) {
    if (book.name_mode != -1) return;
    // Text typed and not stored is dropped on purpose: the click picks a name.
    txtName_Input->setText(lbl1[index]->text());
    txtBango->setText(plain_number_text(index + 1));
    book.name_no = qint16(index + 1);
    vsbName->setValue(index + 1);
}

// A member number typed into the number box and Enter: that member's name
// comes up, as the scroll bar would bring it. Another text shows the number
// of the name being edited again.
void frmTavu::txtBango_KeyPress(int key) {
    if (key != 13) return;
    const QString typed = txtBango->text().trimmed().normalized(QString::NormalizationForm_KC);
    bool digits = !typed.isEmpty() && typed.size() <= 2;
    for (const QChar c : typed) digits = digits && c >= u'0' && c <= u'9';
    const int n = digits ? typed.toInt() : 0;
    if (n >= 1 && n <= kMembers) {
        vsbName->setValue(n);
        if (book.name_no == n) {
            txtName_Input->setFocus();
            return;
        }
    }
    txtBango->setText(plain_number_text(book.name_no));
    txtBango->selectAll();
}

void frmTavu::lbl1_DblClick(int index) {
    lbl1_Click(index);
}

void frmTavu::cmdGetname_yame_Click() {
    if (store_input_name() == -1) return;

    bool warn = false;
    for (int i = 0; i < kMembers; ++i) {
        book.name_changed[i] = 0;
        if (name_key(book.name_before[i]) != name_key(book.member_name[i])) {
            book.name_changed[i] = 1;
            // Emptying a slot needs no new marks; a new person does.
            if (!name_key(book.member_name[i]).isEmpty()) warn = true;
        }
    }
    // The row is another person now: what the earlier one paid is set aside.
    int rows_set_aside = 0;
    qint64 amount_set_aside = 0;
    for (int i = 0; i < kMembers; ++i) {
        if (book.name_changed[i] != 1) continue;
        for (int j = 0; j < kItems; ++j) {
            book.mark[i][j] = 0;
            book.member_kingaku[i][j] = 0;
        }
        if (member_has_payments(book, i)) {
            ++rows_set_aside;
            amount_set_aside += set_aside_member_payments(book, i, book.name_before[i]);
        }
    }

    name_font();
    paint_changed_names();
    gamen_kosin();
    book.name_no = 1;

    for (QMenu* menu : {menu_file, file_print, menu_hensyu, tavu})
        menu->menuAction()->setVisible(true);
    fraCheck->show();
    fraGetname->hide();

    if (warn)
        ui::msg_box(
            QStringLiteral("メンバーが 変わってまんねん！\r\rその人の マークを やり直してや ！！"),
            ui::Icon::Exclamation);
    payments::report_renamed_payments(rows_set_aside, amount_set_aside);
    book.name_mode = 0;
    show_roster_hint();
}

void frmTavu::paint_changed_names() {
    for (int i = 0; i < kMembers; ++i) {
        const bool changed = book.name_changed[i] == 1;
        ui::set_fore_color(chk1[i], changed ? kChangedColor : ui::kButtonTextColor);
        ui::set_fore_color(lbl1[i], changed ? kChangedColor : kNameColor);
    }
    book.name_changed.fill(0);
}

void frmTavu::connect_roster_handlers() {
    connect(hensyu_name, &QAction::triggered, this, &frmTavu::hensyu_name_Click);
    connect(vsbName, &QScrollBar::valueChanged, this, &frmTavu::vsbName_Change);
    connect(cmdGetname_yame, &QPushButton::clicked, this, &frmTavu::cmdGetname_yame_Click);
    connect(cmdName_insert, &QPushButton::clicked, this, &frmTavu::cmdName_insert_Click);
    connect(CmdName_Del, &QPushButton::clicked, this, &frmTavu::CmdName_Del_Click);
    txtName_Input->installEventFilter(new NameKeyFilter(this));
    connect(txtBango, &ui::TextBox::enterPressed, this, [this] { txtBango_KeyPress(13); });
    for (int i = 0; i < kMembers; ++i) {
        connect(lbl1[i], &ui::ClickLabel::clicked, this, [this, i] { lbl1_Click(i); });
        connect(lbl1[i], &ui::ClickLabel::doubleClicked, this, [this, i] { lbl1_DblClick(i); });
    }
    connect(txtName_Input, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.contains(u'\n') || text.contains(u'\r')) txtName_Input_Paste(text);
    });
}
