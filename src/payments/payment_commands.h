#pragma once
// The payment actions as undo commands: each keeps what it changed before
// and after, so Ctrl+Z puts back exactly those cells.

#include "payments/payments_model.h"

#include <QUndoCommand>

namespace payments {

// Cells of the record changed (a click, a typed amount, 全部受け取った).
class CellsCommand : public QUndoCommand {
public:
    CellsCommand(PaymentsModel& model, const QString& text,
                 std::vector<PaymentsModel::CellValue> before,
                 std::vector<PaymentsModel::CellValue> after);
    void undo() override { model_.put_cells(before_); }
    void redo() override { model_.put_cells(after_); }

private:
    PaymentsModel& model_;
    std::vector<PaymentsModel::CellValue> before_, after_;
};

// The whole record changed (a set-aside entry assigned or dropped).
class RecordCommand : public QUndoCommand {
public:
    RecordCommand(PaymentsModel& model, const QString& text, PaymentRecord before,
                  PaymentRecord after);
    void undo() override { model_.put_record(before_); }
    void redo() override { model_.put_record(after_); }

private:
    PaymentsModel& model_;
    PaymentRecord before_, after_;
};

} // namespace payments
