#include "payments/payment_commands.h"

namespace payments {

CellsCommand::CellsCommand(PaymentsModel& model, const QString& text,
                           std::vector<PaymentsModel::CellValue> before,
                           std::vector<PaymentsModel::CellValue> after)
    : QUndoCommand(text), model_(model), before_(std::move(before)), after_(std::move(after)) {}

RecordCommand::RecordCommand(PaymentsModel& model, const QString& text, PaymentRecord before,
                             PaymentRecord after)
    : QUndoCommand(text), model_(model), before_(std::move(before)), after_(std::move(after)) {}

} // namespace payments
