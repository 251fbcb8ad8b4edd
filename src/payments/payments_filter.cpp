#include "payments/payments_filter.h"
#include "book/text_rules.h"
#include "payments/payments_model.h"

namespace payments {

void PaymentsFilter::set_only_owing(bool only) {
    only_owing_ = only;
    invalidateRowsFilter();
}

void PaymentsFilter::set_name_search(const QString& text) {
    // Blanks do not count, so "佐藤3" finds "佐藤 3".
    search_ = name_key(text).remove(QChar(u'\u3000'));
    invalidateRowsFilter();
}

bool PaymentsFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QModelIndex first = sourceModel()->index(row, 0, parent);
    if (only_owing_ && !first.data(StillOwesRole).toBool()) return false;
    if (search_.isEmpty()) return true;
    const QString name = name_key(first.data(NameRole).toString()).remove(QChar(u'\u3000'));
    return name.contains(search_, Qt::CaseInsensitive);
}

} // namespace payments
