#include "payments/payments_model.h"
#include "book/balance.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "book/typed_amount.h"
#include "book/yen_text.h"
#include "payments/payment_commands.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace payments {

namespace {

// Light backgrounds from a palette that stays apart for colour-blind eyes
// (blue / orange rather than green / red); the sign before each amount
// tells the state without any colour.
QColor state_background(PayState state) {
    switch (state) {
    case PayState::Paid:
        return QColor(0xD4, 0xE6, 0xF4); // pale blue
    case PayState::Partly:
        return QColor(0xFF, 0xE4, 0xA8); // light orange
    case PayState::Overpaid:
        return QColor(0xE3, 0xD0, 0xEC); // light purple
    case PayState::Unpaid:
        return QColor(0xFF, 0xFF, 0xFF); // plain: still to come
    case PayState::None:
        break;
    }
    return {};
}

QColor state_foreground(PayState state) {
    switch (state) {
    case PayState::Paid:
        return QColor(0x00, 0x46, 0x7A); // dark blue
    case PayState::Partly:
        return QColor(0x7A, 0x3E, 0x00); // dark orange
    case PayState::Overpaid:
        return QColor(0x5A, 0x1E, 0x78);
    case PayState::Unpaid:
        return QColor(0xB0, 0x30, 0x00); // vermilion
    case PayState::None:
        break;
    }
    return {};
}

// A cell whose open amount the member's excess on other items settles
// whole: it owes nothing more, though its own state stays 未 or 一部.
constexpr QChar kCoveredSign = u'＝';
const QColor kCoveredBackground(0xE6, 0xF0, 0xE6);

// A dark (high-contrast) palette keeps its own colours: light cells would
// swallow its light text. The signs still tell the states.
bool palette_is_dark() {
    return QGuiApplication::palette().color(QPalette::Base).lightness() < 128;
}

// What a screen reader says for a cell: the state in words (the signs read
// badly aloud), what is owed, what came in and when, and what is left.
QString spoken_cell(PayState state, qint64 owed, const Payment& p, bool settled) {
    static const char* const kWords[] = {"なし", "未払い", "一部払い", "払い済み", "払いすぎ"};
    static_assert(int(PayState::None) == 0 && int(PayState::Overpaid) == 4);
    QString text = QString::fromUtf8(kWords[int(state)]);
    if (state == PayState::None) return text;
    text += QStringLiteral("　請求 %1円").arg(yen_text(owed));
    if (p.recorded())
        text += QStringLiteral("　受取 %1円 %2")
                    .arg(yen_text(p.received), p.date.toString(QStringLiteral("yyyy年M月d日")));
    if (settled) return text + QStringLiteral("　ほかの項目の払いすぎ分で済み");
    if (owed > p.received) text += QStringLiteral("　残り %1円").arg(yen_text(owed - p.received));
    if (owed < p.received) text += QStringLiteral("　多い分 %1円").arg(yen_text(p.received - owed));
    return text;
}

} // namespace

PaymentsModel::PaymentsModel(Book& book, QUndoStack& undo, QObject* parent)
    : QAbstractTableModel(parent), date(QDate::currentDate()), book_(book), undo_(undo) {
    rebuild();
    identity_ = identity();
    seen_ = book_.payments;
}

void PaymentsModel::rebuild() {
    rows_.clear();
    items_.clear();
    row_of_.fill(-1);
    column_of_.fill(-1);
    for (int k = 0; k < kItems; ++k) {
        if (book_.komoku_name[k].isEmpty() && !item_has_payments(book_, k)) continue;
        column_of_[k] = int(items_.size());
        items_.push_back(k);
    }
    for (int m = 0; m < kMembers; ++m) {
        bool shown = member_has_payments(book_, m);
        for (int k = 0; k < kItems && !shown; ++k) shown = owed_amount(book_, m, k) != 0;
        if (!shown) continue;
        row_of_[m] = int(rows_.size());
        rows_.push_back(m);
    }
}

// The names and titles by slot: what a recorded cell belongs to.
QString PaymentsModel::identity() const {
    QString text;
    for (const QString& name : book_.member_name) text += trim_blanks(name) + u'\n';
    for (const QString& title : book_.komoku_name) text += trim_blanks(title) + u'\n';
    return text;
}

void PaymentsModel::book_changed() {
    beginResetModel();
    rebuild();
    endResetModel();
    const QString now = identity();
    if (now != identity_ || book_.payments != seen_) undo_.clear();
    identity_ = now;
    seen_ = book_.payments;
    emit payments_changed();
}

int PaymentsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int PaymentsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(items_.size()) + kSumColumns;
}

int PaymentsModel::member_at(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[size_t(row)] : -1;
}

int PaymentsModel::item_at(int column) const {
    return column >= 0 && column < int(items_.size()) ? items_[size_t(column)] : -1;
}

QModelIndex PaymentsModel::index_of(int member, int item) const {
    if (member < 0 || member >= kMembers || item < 0 || item >= kItems) return {};
    return index(row_of_[member], column_of_[item]);
}

QVariant PaymentsModel::data(const QModelIndex& index, int role) const {
    const int m = member_at(index.row());
    if (m < 0 || index.column() < 0 || index.column() >= columnCount()) return {};
    if (role == StillOwesRole) return member_balance(book_, m).owes();
    if (role == NameRole) return trim_blanks(book_.member_name[m]);
    const int k = item_at(index.column());
    if (k >= 0) return cell_data(m, k, role);
    return sum_data(m, SumColumn(index.column() - int(items_.size())), role);
}

QVariant PaymentsModel::cell_data(int m, int k, int role) const {
    const ItemBalance item = member_balance(book_, m).item[size_t(k)];
    const Payment& p = book_.payments.cell[m][k];
    const PayState state = item.state;
    const bool settled = item.covered > 0 && item.open() == 0;
    switch (role) {
    case Qt::DisplayRole:
        if (state == PayState::None) return {};
        // What is owed, or what came in where nothing is owed.
        return (settled ? QString(kCoveredSign) : pay_state_sign(state)) + u' ' +
               yen_text(item.owed != 0 ? item.owed : p.received);
    case Qt::EditRole:
        return p.recorded() ? QString::number(p.received) : QString();
    case Qt::AccessibleTextRole:
        return spoken_cell(state, item.owed, p, settled);
    case Qt::ToolTipRole: {
        if (state == PayState::None) return {};
        QString tip =
            pay_state_word(state) + QStringLiteral("　請求 %1円").arg(yen_text(item.owed));
        if (p.recorded())
            tip += QStringLiteral("　受取 %1円 (%2)")
                       .arg(yen_text(p.received), p.date.toString(QStringLiteral("yyyy/MM/dd")));
        if (item.covered > 0)
            tip += QStringLiteral("　充当 %1円 (ほかの 項目の 払い過ぎ から)")
                       .arg(yen_text(item.covered));
        if (item.open() > 0) tip += QStringLiteral("　残り %1円").arg(yen_text(item.open()));
        return tip;
    }
    case Qt::BackgroundRole:
        if (state == PayState::None || palette_is_dark()) return {};
        return QBrush(settled ? kCoveredBackground : state_background(state));
    case Qt::ForegroundRole:
        if (state == PayState::None || palette_is_dark()) return {};
        return QBrush(state_foreground(settled ? PayState::Paid : state));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case StateRole:
        return int(state);
    case CoveredRole:
        return item.covered;
    default:
        return {};
    }
}

QVariant PaymentsModel::sum_data(int m, SumColumn column, int role) const {
    const MemberBalance t = member_balance(book_, m);
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case SumColumn::Owed:
            return yen_text(t.owed);
        case SumColumn::Received:
            return yen_text(t.received);
        case SumColumn::Remaining:
            // What the member still owes; more paid than charged shows as ＋.
            if (t.excess() > 0)
                return pay_state_sign(PayState::Overpaid) + u' ' + yen_text(t.excess());
            return t.still_owed() == 0 ? QString() : yen_text(t.still_owed());
        }
        return {};
    case Qt::AccessibleTextRole: {
        static const char* const kWords[] = {"合計", "受取", "残り"};
        if (column == SumColumn::Remaining && t.excess() > 0)
            return QStringLiteral("払いすぎ %1円").arg(yen_text(t.excess()));
        const qint64 value = column == SumColumn::Owed       ? t.owed
                             : column == SumColumn::Received ? t.received
                                                             : t.still_owed();
        return QStringLiteral("%1 %2円").arg(QString::fromUtf8(kWords[int(column)]),
                                             yen_text(value));
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return QGuiApplication::palette().brush(QPalette::AlternateBase);
    default:
        return {};
    }
}

QVariant PaymentsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && item_at(section) >= 0)
        return trim_blanks(book_.komoku_name[item_at(section)]);
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) {
        const int m = member_at(section);
        if (m < 0) return {};
        const QString name = trim_blanks(book_.member_name[m]);
        return QStringLiteral("%1 %2").arg(m + 1).arg(name.isEmpty() ? QStringLiteral("(名前なし)")
                                                                     : name);
    }
    const int k = item_at(section);
    if (k >= 0) {
        const QString title = trim_blanks(book_.komoku_name[k]);
        return QStringLiteral("%1\n%2").arg(k + 1).arg(title.isEmpty() ? QStringLiteral("(題なし)")
                                                                       : title);
    }
    switch (SumColumn(section - int(items_.size()))) {
    case SumColumn::Owed:
        return QStringLiteral("\n合計");
    case SumColumn::Received:
        return QStringLiteral("\n受取");
    case SumColumn::Remaining:
        return QStringLiteral("\n残り");
    }
    return {};
}

Qt::ItemFlags PaymentsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (item_at(index.column()) >= 0) f |= Qt::ItemIsEditable;
    return f;
}

bool PaymentsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int m = member_at(index.row()), k = item_at(index.column());
    if (role != Qt::EditRole || m < 0 || k < 0) return false;
    const std::optional<qint64> typed = typed_amount(value.toString());
    if (!typed) {
        emit amount_refused(value.toString());
        return false;
    }
    const qint64 amount = *typed;
    const Payment before = book_.payments.cell[m][k];
    const Payment after = amount == 0 ? Payment{} : Payment{amount, date};
    if (before.received == after.received && before.date == after.date) return false;
    if (!allowed()) return false;
    undo_.push(
        new CellsCommand(*this, QStringLiteral("金額の 入力"), {{m, k, before}}, {{m, k, after}}));
    return true;
}

bool PaymentsModel::toggle(const QModelIndex& index) {
    const int m = member_at(index.row()), k = item_at(index.column());
    if (m < 0 || k < 0) return false;
    const Payment before = book_.payments.cell[m][k];
    const qint64 owed = owed_amount(book_, m, k);
    if (!before.recorded() && owed == 0) return false;
    if (!allowed()) return false;
    const Payment after = before.recorded() ? Payment{} : Payment{owed, date};
    undo_.push(new CellsCommand(
        *this, before.recorded() ? QStringLiteral("取り消し") : QStringLiteral("受け取り"),
        {{m, k, before}}, {{m, k, after}}));
    return true;
}

bool PaymentsModel::receive_all(int row) {
    const int m = member_at(row);
    if (m < 0 || !allowed()) return false;
    std::vector<CellValue> before, after;
    Book& b = book_;
    const auto old_row = b.payments.cell[m];
    // Worked out on the book, then put back: the command applies it.
    if (receive_all_open(b, m, date) == 0) return false;
    for (int k = 0; k < kItems; ++k) {
        if (b.payments.cell[m][k].received == old_row[size_t(k)].received &&
            b.payments.cell[m][k].date == old_row[size_t(k)].date)
            continue;
        before.push_back({m, k, old_row[size_t(k)]});
        after.push_back({m, k, b.payments.cell[m][k]});
    }
    b.payments.cell[m] = old_row;
    undo_.push(new CellsCommand(*this, QStringLiteral("全部受け取った"), std::move(before),
                                std::move(after)));
    return true;
}

bool PaymentsModel::assign_set_aside(size_t i, int member, int item) {
    const PaymentRecord& now = book_.payments;
    if (i >= now.set_aside.size() || member < 0 || member >= kMembers || item < 0 ||
        item >= kItems || now.cell[member][item].recorded() || !allowed())
        return false;
    PaymentRecord after = now;
    const PaymentEntry entry = after.set_aside[i];
    after.set_aside.erase(after.set_aside.begin() + qsizetype(i));
    after.cell[member][item] = {entry.received, entry.date};
    undo_.push(new RecordCommand(*this, QStringLiteral("付け直し"), now, std::move(after)));
    return true;
}

bool PaymentsModel::drop_set_aside(size_t i) {
    const PaymentRecord& now = book_.payments;
    if (i >= now.set_aside.size() || !allowed()) return false;
    PaymentRecord after = now;
    after.set_aside.erase(after.set_aside.begin() + qsizetype(i));
    undo_.push(new RecordCommand(*this, QStringLiteral("捨てる"), now, std::move(after)));
    return true;
}

void PaymentsModel::put_cells(const std::vector<CellValue>& cells) {
    const int sums = int(items_.size());
    for (const CellValue& c : cells) {
        book_.payments.cell[c.member][c.item] = seen_.cell[c.member][c.item] = c.payment;
        const QModelIndex at = index_of(c.member, c.item);
        if (!at.isValid()) continue;
        emit dataChanged(at, at);
        emit dataChanged(index(at.row(), sums), index(at.row(), sums + kSumColumns - 1));
    }
    book_.hozon_flag = 0;
    emit payments_changed();
}

void PaymentsModel::put_record(const PaymentRecord& record) {
    book_.payments = seen_ = record;
    book_.hozon_flag = 0;
    beginResetModel();
    rebuild();
    endResetModel();
    emit payments_changed();
}

} // namespace payments
