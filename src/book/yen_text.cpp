#include "book/yen_text.h"
#include "book/print_rules.h"

QString yen_text(qint64 amount) {
    return amount == 0 ? QStringLiteral("0") : grouped_amount(amount);
}

QString yen(qint64 amount) {
    return yen_text(amount) + QStringLiteral("円");
}
