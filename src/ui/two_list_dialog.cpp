#include "ui/two_list_dialog.h"

#include "ui/fonts.h"
#include "ui/form_activation.h"
#include "ui/message_box.h"
#include "ui/screen.h"
#include "ui/twips.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

namespace ui {

namespace {

const QString kPickTip = QStringLiteral("選択は Ｗクリックでも リターンキーでも ”ＯＫ”");

QListWidget* make_list(QWidget* frame, const TwoListDialog::ListSpec& list_layout) {
    auto* list = new QListWidget(frame);
    list->setObjectName(QString::fromLatin1(list_layout.name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    if (!list_layout.tooltip.isEmpty()) list->setToolTip(list_layout.tooltip);
    place(list, list_layout.place.x(), list_layout.place.y(), list_layout.place.width(),
          list_layout.place.height());
    return list;
}

// The key as the forms runtime reports it to KeyPress: Enter and Return are
// 13, other keys their character (0 without one).
int key_ascii(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return 13;
    return key->text().isEmpty() ? 0 : key->text().at(0).unicode();
}

} // namespace

TwoListDialog::TwoListDialog(const Layout& layout, QWidget* owner)
    : QWidget(owner, Qt::Dialog), nothing_chosen(layout.nothing_chosen) {
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(layout.caption);
    setFont(gothic_font(9));
    setFixedSize(twips(layout.client.width()), twips(layout.client.height()));

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    place(frame, layout.frame.x(), layout.frame.y(), layout.frame.width(), layout.frame.height());

    lstSource = make_list(frame, layout.source);
    lstTarget = make_list(frame, layout.target);
    cmdSelct = add_button("cmdSelct", QStringLiteral("＞＞"), layout.select);
    cmdSelct->setToolTip(kPickTip);
    cmdUnselect = add_button("cmdUnselect", QStringLiteral("＜＜"), layout.unselect);
    cmdKakutei = add_button("cmdKakutei", layout.confirm_caption, layout.confirm);
    cmdYame = add_button("cmdYame", QStringLiteral("中止"), layout.cancel);

    connect(cmdSelct, &QPushButton::clicked, this, &TwoListDialog::cmdSelct_Click);
    connect(cmdUnselect, &QPushButton::clicked, this, &TwoListDialog::cmdUnselect_Click);
    connect(cmdKakutei, &QPushButton::clicked, this, &TwoListDialog::cmdKakutei_Click);
    connect(cmdYame, &QPushButton::clicked, this, &TwoListDialog::cmdYame_Click);
    // Tab in reading order: the left list, the buttons between the lists
    // from the top, the right list.
    setTabOrder(lstSource, cmdSelct);
    setTabOrder(cmdSelct, cmdUnselect);
    setTabOrder(cmdUnselect, cmdKakutei);
    setTabOrder(cmdKakutei, cmdYame);
    setTabOrder(cmdYame, lstTarget);
    // Esc is 中止.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TwoListDialog::cmdYame_Click);
    lstSource->viewport()->installEventFilter(this);
    lstSource->installEventFilter(this);
    lstTarget->installEventFilter(this);

    watch_activations();
    Form_Load();
}

QPushButton* TwoListDialog::add_button(const char* name, const QString& caption,
                                       const QRect& where) {
    auto* cmd = new QPushButton(caption, frame);
    cmd->setObjectName(QString::fromLatin1(name));
    cmd->setAutoDefault(false);
    place(cmd, where.x(), where.y(), where.width(), where.height());
    return cmd;
}

QLabel* TwoListDialog::add_label(const char* name, const QString& caption, const QRect& where) {
    auto* lbl = new QLabel(caption, frame);
    lbl->setObjectName(QString::fromLatin1(name));
    lbl->setTextFormat(Qt::PlainText);
    place(lbl, where.x(), where.y(), where.width(), where.height());
    return lbl;
}

void TwoListDialog::name_lists(const QString& source, const QString& target) {
    lstSource->setAccessibleName(source);
    lstTarget->setAccessibleName(target);
    cmdSelct->setAccessibleName(target + QStringLiteral("に入れる"));
    cmdUnselect->setAccessibleName(target + QStringLiteral("から外す"));
}

void TwoListDialog::Form_Load() {
    center_on_screen(this);
}

// Every activation starts over from the book as it is now.
void TwoListDialog::Form_Activate() {
    clear_lists();
    fill_source();
}

void TwoListDialog::clear_lists() {
    reset_work();
    lstSource->clear();
    lstTarget->clear();
}

void TwoListDialog::add_source_entry(const QString& text, int slot) {
    auto* entry = new QListWidgetItem(text);
    entry->setData(Qt::UserRole, slot);
    lstSource->addItem(entry);
}

int TwoListDialog::selected_row(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

int TwoListDialog::slot_of(const QListWidgetItem* entry) {
    return entry->data(Qt::UserRole).toInt();
}

void TwoListDialog::select_entry() {
    const int row = selected_row(lstSource);
    if (row >= 0) place_entry(row);
}

void TwoListDialog::unselect_entry() {
    const int row = selected_row(lstTarget);
    if (row >= 0) take_back_entry(row);
}

namespace {
// Moves an entry to the end of another list; nothing stays selected, so the
// next press needs a new choice.
void move_entry(QListWidget* from, int row, QListWidget* to) {
    to->addItem(from->takeItem(row));
    from->clearSelection();
    to->clearSelection();
}
} // namespace

void TwoListDialog::place_entry(int source_row) {
    move_entry(lstSource, source_row, lstTarget);
}

void TwoListDialog::take_back_entry(int target_row) {
    move_entry(lstTarget, target_row, lstSource);
}

void TwoListDialog::cmdSelct_Click() {
    select_entry();
}

void TwoListDialog::cmdUnselect_Click() {
    unselect_entry();
}

void TwoListDialog::source_DblClick() {
    select_entry();
}

void TwoListDialog::source_KeyPress(int key) {
    if (key == 13) select_entry();
}

void TwoListDialog::target_KeyPress(int key) {
    if (key == 13) unselect_entry();
}

void TwoListDialog::cmdKakutei_Click() {
    if (lstTarget->count() == 0) {
        msg_box(nothing_chosen, Icon::Exclamation);
        return;
    }
    if (confirm() == -1) return;
    hide();
}

void TwoListDialog::cmdYame_Click() {
    hide();
}

// The focus coming back from a message box, the printing notice or another
// application is no activation: the arrangement the user is making stays.
bool TwoListDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && form_activated(this)) Form_Activate();
    return QWidget::event(event);
}

bool TwoListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && watched == lstSource->viewport()) {
        // The first press has selected the entry under the pointer. The list
        // does not see the double click: it would take it as a press on
        // whatever entry has moved up under the pointer.
        source_DblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == lstSource || watched == lstTarget)) {
        const int key = key_ascii(static_cast<QKeyEvent*>(event));
        watched == lstSource ? source_KeyPress(key) : target_KeyPress(key);
        // Enter is the list's command here; other keys keep their usual work.
        return key == 13;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
