#include "app/features.h"
#include "payments/payments_feature.h"
#include "periods/periods_feature.h"
#include "sheet/frmTavu.h"

namespace app {

Features attach_features(frmTavu& sheet) {
    Features f;
    f.payments = new payments::PaymentsFeature(sheet);
    QObject::connect(sheet.syukin_check, &QAction::triggered, f.payments,
                     &payments::PaymentsFeature::open);
    f.periods = new periods::PeriodsFeature(sheet);
    QObject::connect(sheet.file_kako, &QAction::triggered, f.periods,
                     &periods::PeriodsFeature::open);
    return f;
}

} // namespace app
