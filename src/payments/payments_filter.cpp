#include "payments/payments_filter.h"
#include "book/text_rules.h"
#include "payments/payments_model.h"

namespace payments {

void PaymentsFilter::set_only_owing(bool only) {
    only_owing_ = only;
    invalidateRowsFilter();
}

void PaymentsFilter::set_name_search(const QString& text) {
    search_ = search_key(text);
    invalidateRowsFilter();
}

bool PaymentsFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QModelIndex first = sourceModel()->index(row, 0, parent);
    if (only_owing_ && !first.data(StillOwesRole).toBool()) return false;
    if (search_.isEmpty()) return true;
    return search_key(first.data(NameRole).toString()).contains(search_);
}

} // namespace payments
