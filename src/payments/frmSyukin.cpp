#include "payments/frmSyukin.h"
#include "book/balance.h"
#include "book/text_rules.h"
#include "book/yen_text.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/wrapping_row.h"
#include "ui/write_refusal.h"

#include <QAccessible>
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace payments {

void PaymentsView::keyPressEvent(QKeyEvent* event) {
    // Space would otherwise start typing into the cell.
    if (event->key() == Qt::Key_Space && state() != QAbstractItemView::EditingState) {
        emit space_pressed(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

// The day box: Tab goes on to the next control, as everywhere else; the
// arrows move between year, month and day.
class DayBox : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace payments

namespace {

const QString kTitle = QStringLiteral("集金チェック");

} // namespace

frmSyukin::frmSyukin(Book& book_, const WriteGuard& guard_, QWidget* parent)
    : QWidget(parent, Qt::Window), book(book_), guard(guard_), model(book_, undo) {
    setWindowTitle(ui::guarded_title(guard, kTitle));
    model.may_change = [this] { return ui::write_allowed(guard, QStringLiteral("集金の 記録")); };
    setFont(ui::gothic_font(10));
    filter.setSourceModel(&model);
    filter.setDynamicSortFilter(true);
    setup_controls();
    setup_layout();
    connect_handlers();
    show_totals();
    show_set_aside();
    show_read_only();
    // Beside the collection sheet where the screen has room; the table
    // scrolls inside.
    ui::place_beside(this, parent, QSize(1240, 860));
}

void frmSyukin::setup_controls() {
    lblGoukei = new QLabel(this);
    lblGoukei->setFont(ui::gothic_font(13));
    lblHiduke = new QLabel(QStringLiteral("受け取った日(&D)"), this);
    dtpHiduke = new payments::DayBox(model.date, this);
    dtpHiduke->setCalendarPopup(true);
    dtpHiduke->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    chkMadaDake = new QCheckBox(QStringLiteral("まだの人だけ(&M)"), this);
    lblSagasu = new QLabel(QStringLiteral("名前で探す(&F)"), this);
    txtSagasu = new QLineEdit(this);
    txtSagasu->setClearButtonEnabled(true);
    lblSagasuNasi = new QLabel(this);
    lblSagasuNasi->setStyleSheet(QStringLiteral("color: #B03000"));
    cmdZenbu = new QPushButton(QStringLiteral("全部受け取った(&A)"), this);
    cmdZenbu->setToolTip(
        QStringLiteral("選んだ人の まだの分を ぜ～んぶ 受け取ったことに しまっせ"));
    lblHanrei = new QLabel(
        QStringLiteral(
            "○ 済　△ 一部　＋ 過払い　× 未　＝ 充当　　クリック か スペースで 受け取り／取り消し、"
            "数字を 打ったら その額だけ、Ctrl+Z で 元に戻す"),
        this);

    grdSyukin = new payments::PaymentsView(this);
    grdSyukin->setModel(&filter);
    grdSyukin->setFont(ui::gothic_font(9));
    grdSyukin->setSelectionMode(QAbstractItemView::SingleSelection);
    grdSyukin->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                               QAbstractItemView::EditKeyPressed);
    grdSyukin->setWordWrap(false);
    grdSyukin->horizontalHeader()->setDefaultSectionSize(66);
    // Long titles show their beginning; the whole title is in the tooltip.
    grdSyukin->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdSyukin->horizontalHeader()->setMinimumSectionSize(40);
    grdSyukin->verticalHeader()->setDefaultSectionSize(22);
    grdSyukin->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdSyukin->horizontalHeader()->setTextElideMode(Qt::ElideRight);

    fraYoke =
        new QGroupBox(QStringLiteral("脇に よけた 記録 (名前か 項目が 帳面と 合わへん分)"), this);
    lstYoke = new QListWidget(fraYoke);
    cmdTukeru = new QPushButton(QStringLiteral("表で 選んだ 欄に 付ける(&T)"), fraYoke);
    cmdSuteru = new QPushButton(QStringLiteral("捨てる(&S)"), fraYoke);

    undo_action = undo.createUndoAction(this, QStringLiteral("元に戻す"));
    undo_action->setShortcut(QKeySequence::Undo);
    undo_action->setShortcutContext(Qt::WindowShortcut);
    addAction(undo_action);

    // Names for a screen reader: captions where there are some.
    lblHiduke->setBuddy(dtpHiduke);
    lblSagasu->setBuddy(txtSagasu);
    grdSyukin->setAccessibleName(kTitle + QStringLiteral("の表"));
    lstYoke->setAccessibleName(QStringLiteral("脇に よけた 記録"));
    // Tab leaves the table; the arrows move inside it.
    grdSyukin->setTabKeyNavigation(false);
}

// Esc closes the window, once no cell editor or calendar has taken it.
void frmSyukin::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSyukin::setup_layout() {
    auto* actions = new QHBoxLayout;
    actions->addWidget(lblHiduke);
    actions->addWidget(dtpHiduke);
    actions->addSpacing(16);
    actions->addWidget(cmdZenbu);
    setup_receipt_button(actions);
    actions->addStretch();
    auto* filters = new QHBoxLayout;
    filters->addWidget(chkMadaDake);
    filters->addSpacing(16);
    filters->addWidget(lblSagasu);
    filters->addWidget(txtSagasu);
    filters->addWidget(lblSagasuNasi);
    filters->addStretch();
    QBoxLayout* tools = ui::wrapping_row(this, actions, filters);
    lblHanrei->setWordWrap(true);
    lblGoukei->setWordWrap(true);

    auto* yoke = new QHBoxLayout(fraYoke);
    yoke->addWidget(lstYoke, 1);
    auto* yoke_buttons = new QVBoxLayout;
    yoke_buttons->addWidget(cmdTukeru);
    yoke_buttons->addWidget(cmdSuteru);
    yoke_buttons->addStretch();
    yoke->addLayout(yoke_buttons);
    lstYoke->setMaximumHeight(90);
    fraYoke->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto* page = new QVBoxLayout(this);
    page->addWidget(lblGoukei);
    page->addLayout(tools);
    page->addWidget(lblHanrei);
    page->addWidget(grdSyukin, 1);
    page->addWidget(fraYoke);

    // Tab in reading order: the tools line left to right, the table, the
    // set-aside entries.
    const std::initializer_list<QWidget*> order = {dtpHiduke,   cmdZenbu,  cmdRyosyu,
                                                   chkMadaDake, txtSagasu, grdSyukin,
                                                   lstYoke,     cmdTukeru, cmdSuteru};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void frmSyukin::connect_handlers() {
    connect(grdSyukin, &QTableView::clicked, this, &frmSyukin::grdSyukin_Click);
    connect(grdSyukin, &payments::PaymentsView::space_pressed, this, &frmSyukin::grdSyukin_Click);
    connect(cmdZenbu, &QPushButton::clicked, this, &frmSyukin::cmdZenbu_Click);
    connect(cmdTukeru, &QPushButton::clicked, this, &frmSyukin::cmdTukeru_Click);
    connect(cmdSuteru, &QPushButton::clicked, this, &frmSyukin::cmdSuteru_Click);
    connect(dtpHiduke, &QDateEdit::dateChanged, this, &frmSyukin::dtpHiduke_Change);
    connect(chkMadaDake, &QCheckBox::toggled, &filter, &payments::PaymentsFilter::set_only_owing);
    connect(txtSagasu, &QLineEdit::textChanged, &filter,
            &payments::PaymentsFilter::set_name_search);
    connect(txtSagasu, &QLineEdit::textChanged, this, &frmSyukin::show_search_result);
    connect(chkMadaDake, &QCheckBox::toggled, this, &frmSyukin::show_search_result);
    connect(&model, &payments::PaymentsModel::amount_refused, this, [](const QString& text) {
        ui::msg_box(QStringLiteral("「%1」は 金額に 読まれへんで ！").arg(text.trimmed()) +
                        ui::kGap +
                        QStringLiteral("数字だけで 入れてや (1000 でも 1,000 でも ええで)。 "
                                       "取り消すんやったら 空か 0 や。 記録は そのまま やで。"),
                    ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
    });
    // A screen reader hears what a cell says now, as it changes.
    connect(&filter, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (from == to) announce_cell(from);
            });
    connect(&model, &payments::PaymentsModel::payments_changed, this, [this] {
        show_totals();
        show_set_aside();
    });
}

void frmSyukin::book_changed() {
    const int m = current_member(), k = current_item();
    model.book_changed();
    const QModelIndex again = filter.mapFromSource(model.index_of(m, k));
    if (again.isValid()) grdSyukin->setCurrentIndex(again);
}

void frmSyukin::show_totals() {
    const PayTotals t = period_totals(book);
    // 残り is what the members still owe; one member's excess settles no
    // other member's debt.
    lblGoukei->setText(QStringLiteral("集める額 %1　　受け取った %2　　残り %3")
                           .arg(yen(t.owed), yen(t.received), yen(period_still_owed(book))));
}

void frmSyukin::show_set_aside() {
    lstYoke->clear();
    for (const PaymentEntry& e : book.payments.set_aside)
        lstYoke->addItem(
            QStringLiteral("%1番 %2 ／ %3番目 %4 ／ %5 ／ %6")
                .arg(e.member)
                .arg(e.name)
                .arg(e.item)
                .arg(e.title, yen(e.received), e.date.toString(QStringLiteral("yyyy/MM/dd"))));
    fraYoke->setVisible(!book.payments.set_aside.empty());
}

void frmSyukin::show_search_result() {
    const QString typed = txtSagasu->text().trimmed();
    lblSagasuNasi->setText(!typed.isEmpty() && filter.rowCount() == 0
                               ? QStringLiteral("「%1」の 人は 見つからへんで").arg(typed)
                               : QString());
}

void frmSyukin::show_read_only() {
    viewing_only = guard.read_only();
    if (!viewing_only) return;
    grdSyukin->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmdZenbu, cmdTukeru, cmdSuteru, dtpHiduke})
        control->setEnabled(false);
    undo_action->setEnabled(false);
}

int frmSyukin::current_member() const {
    return model.member_at(filter.mapToSource(grdSyukin->currentIndex()).row());
}

int frmSyukin::current_item() const {
    return model.item_at(filter.mapToSource(grdSyukin->currentIndex()).column());
}

void frmSyukin::grdSyukin_Click(const QModelIndex& index) {
    if (viewing_only) return;
    model.toggle(filter.mapToSource(index));
}

void frmSyukin::cmdZenbu_Click() {
    const QModelIndex at = filter.mapToSource(grdSyukin->currentIndex());
    if (!at.isValid()) {
        ui::msg_box(QStringLiteral("誰の 分か、 表で 先に 選んでや ！"), ui::Icon::Exclamation,
                    ui::Buttons::Ok, kTitle);
        return;
    }
    model.receive_all(at.row());
}

void frmSyukin::cmdTukeru_Click() {
    const int row = lstYoke->currentRow();
    const int m = current_member(), k = current_item();
    if (row < 0 || m < 0 || k < 0) {
        ui::msg_box(QStringLiteral("よけた 記録と、 付ける 欄を 表で 選んでや ！"),
                    ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
        return;
    }
    if (book.payments.cell[m][k].recorded()) {
        ui::msg_box(QStringLiteral("その 欄には もう 受け取りが 入ってまっせ ！"),
                    ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
        return;
    }
    model.assign_set_aside(size_t(row), m, k);
}

void frmSyukin::cmdSuteru_Click() {
    const int row = lstYoke->currentRow();
    if (row < 0) return;
    model.drop_set_aside(size_t(row));
}

void frmSyukin::dtpHiduke_Change() {
    model.date = dtpHiduke->date();
}

void frmSyukin::announce_cell(const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid()) return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grdSyukin);
    if (!table || !table->tableInterface()) return;
    QAccessibleInterface* cell = table->tableInterface()->cellAt(index.row(), index.column());
    if (!cell) return;
    QAccessibleEvent changed(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
