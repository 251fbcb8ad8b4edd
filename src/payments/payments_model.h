#pragma once
// The table of the payments window over the book: a row per member who owes
// anything or has paid anything, a column per titled item (or an item that
// holds payments), then the member's totals. Every change goes through the
// undo stack as a command, so undo comes with the change and tests drive
// the model without a view.

#include "book/book.h"
#include "book/payments.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QUndoStack>
#include <functional>
#include <vector>

namespace payments {

// The columns after the items.
enum class SumColumn { Owed, Received, Remaining };
inline constexpr int kSumColumns = 3;

// Roles beyond Qt's own.
enum Role {
    StateRole = Qt::UserRole, // PayState of an item cell, as int
    StillOwesRole,            // on any cell: the row's member has 未 or 一部 cells
    NameRole,                 // on any cell: the row's member's name
};

class PaymentsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PaymentsModel(Book& book, QUndoStack& undo, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A typed amount: received for that cell (0 or blank takes it back).
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Member and item slots behind a row and a column (-1 outside).
    int member_at(int row) const;
    int item_at(int column) const;
    QModelIndex index_of(int member, int item) const;

    // The day new payments are recorded for.
    QDate date;
    // Asked before any change to the record; false refuses it (a book
    // opened read-only). Unset: every change may go on.
    std::function<bool()> may_change;

    // A click or Space on an item cell: records what is owed as received,
    // or takes back what is recorded. False when nothing changed.
    bool toggle(const QModelIndex& index);
    // 全部受け取った for the member of a row.
    bool receive_all(int row);
    // The set-aside entry i goes to the cell (member, item): refused when
    // that cell holds a payment already.
    bool assign_set_aside(size_t i, int member, int item);
    bool drop_set_aside(size_t i);

    // The book changed elsewhere: rows and columns are built again. When
    // names or titles moved, or the record was read again, undo is cleared,
    // as its cells are no longer the ones it recorded.
    void book_changed();

    // Applies cells (member, item, payment) to the book and redraws them;
    // used by the undo commands.
    struct CellValue {
        int member, item;
        Payment payment;
    };
    void put_cells(const std::vector<CellValue>& cells);
    void put_record(const PaymentRecord& record);

signals:
    // Payments changed (totals, set-aside list).
    void payments_changed();

private:
    void rebuild();
    bool allowed() const { return !may_change || may_change(); }
    QString identity() const;
    QVariant cell_data(int m, int k, int role) const;
    QVariant sum_data(int m, SumColumn column, int role) const;

    Book& book_;
    QUndoStack& undo_;
    std::vector<int> rows_, items_;
    std::array<int, 97> row_of_{};
    std::array<int, 21> column_of_{};
    QString identity_;
    PaymentRecord seen_; // the record as this model last left it
};

} // namespace payments
