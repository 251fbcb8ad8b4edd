// What a screen reader and a keyboard find in the main window: a name for
// every control (its caption where it has one), Tab in reading order with the
// boxes the program alone writes left out, the mode options moved between
// with the arrows without switching the mode, and the amount boxes' keys.
#include "book/text_rules.h"
#include "sheet/frmTavu.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

// The amount boxes: Enter or Space puts the chosen preset, as a click does;
// a box that gets the focus says whose amount it is.
class AmountBoxKeys : public QObject {
public:
    explicit AmountBoxKeys(frmTavu* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const int i = int(watched->property("member").toInt());
        if (event->type() == QEvent::FocusIn) form_->name_amount_box(i);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                form_->txt1_Click(i);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmTavu* form_;
};

// The arrows move between the two mode options without selecting one:
// selecting a mode commits the item and may ask questions, so it waits for
// Space as a click would.
class ModeOptionKeys : public QObject {
public:
    ModeOptionKeys(QObject* parent, QRadioButton* first, QRadioButton* second)
        : QObject(parent), first_(first), second_(second) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            (watched == first_ ? second_ : first_)->setFocus(Qt::TabFocusReason);
            return true;
        default:
            return false;
        }
    }

private:
    QRadioButton* first_;
    QRadioButton* second_;
};

} // namespace

void frmTavu::setup_accessibility() {
    // Captions read as the names of their boxes.
    Label7->setBuddy(txtKomoku);
    Label6->setBuddy(txtChkCnt);
    Label2->setBuddy(txtNengetu);
    Label3->setBuddy(txtMotojime);
    lblOkane->setBuddy(txtSogaku);
    Label5->setBuddy(txtKingaku);
    Label8->setBuddy(txtSyokei);
    Label1->setBuddy(txtName_Input);
    // Boxes and options without a caption of their own.
    txtKomokuNo->setAccessibleName(QStringLiteral("項目の番号"));
    txtNin->setAccessibleName(QStringLiteral("人数"));
    optBoss->setAccessibleName(QStringLiteral("上役の金額を入れる"));
    txtBoss->setAccessibleName(QStringLiteral("上役の金額"));
    optHira->setAccessibleName(QStringLiteral("一般の金額を入れる"));
    txtHira->setAccessibleName(QStringLiteral("一般の金額"));
    tabTavu->setAccessibleName(QStringLiteral("メンバーのページ"));
    txtBango->setAccessibleName(QStringLiteral("メンバーの番号"));
    vsbName->setAccessibleName(QStringLiteral("メンバーを選ぶ"));
    cmdNext->setAccessibleDescription(QStringLiteral("次の項目"));
    cmdBack->setAccessibleDescription(QStringLiteral("前の項目"));
    cmdKomokuDel->setAccessibleDescription(QStringLiteral("この項目を削除"));

    // The program alone writes these: they are read, not visited.
    for (ui::TextBox* shown_only : {txtKomokuNo, txtChkCnt, txtSyokei})
        shown_only->setFocusPolicy(Qt::ClickFocus);

    // Reading order: the first line of the band left to right, then the
    // second, then the member pages.
    const std::initializer_list<QWidget*> order = {
        txtKomoku,  cmdNext,   cmdBack, cmdKomokuDel, optKinto, optBara,
        txtNengetu, txtSogaku, txtNin,  txtKingaku,   cmdCalc,  optBoss,
        txtBoss,    optHira,   txtHira, txtMotojime,  tabTavu};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    for (int i = 0; i < kMembers; ++i) {
        setTabOrder(previous, chk1[i]);
        setTabOrder(chk1[i], txt1[i]);
        previous = txt1[i];
    }
    setTabOrder(txtBango, txtName_Input);
    setTabOrder(txtName_Input, cmdName_insert);
    setTabOrder(cmdName_insert, CmdName_Del);
    setTabOrder(CmdName_Del, cmdGetname_yame);

    auto* mode_keys = new ModeOptionKeys(this, optKinto, optBara);
    optKinto->installEventFilter(mode_keys);
    optBara->installEventFilter(mode_keys);
    auto* amount_keys = new AmountBoxKeys(this);
    for (int i = 0; i < kMembers; ++i) {
        txt1[i]->setProperty("member", i);
        txt1[i]->installEventFilter(amount_keys);
    }
    name_amount_boxes();
}

void frmTavu::name_amount_box(int i) {
    const QString name = trim_blanks(lbl1[i]->text());
    txt1[i]->setAccessibleName((name.isEmpty() ? QStringLiteral("%1番").arg(i + 1) : name) +
                               QStringLiteral(" の金額"));
}

void frmTavu::name_amount_boxes() {
    for (int i = 0; i < kMembers; ++i) name_amount_box(i);
}
