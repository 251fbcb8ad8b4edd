#include "app/features.h"
#include "payments/frmSyukin.h"
#include "payments/payments_feature.h"
#include "periods/periods_feature.h"
#include "print/member_papers.h"
#include "sheet/frmTavu.h"

namespace app {

Features attach_features(frmTavu& sheet) {
    Features f;
    f.payments = new payments::PaymentsFeature(sheet);
    QObject::connect(sheet.syukin_check, &QAction::triggered, f.payments,
                     &payments::PaymentsFeature::open);
    // 集金チェック's 領収書 prints through the receipts of the print menu.
    if (auto* papers = sheet.findChild<MemberPapers*>())
        QObject::connect(f.payments, &payments::PaymentsFeature::window_made, papers,
                         [papers](frmSyukin* window) {
                             QObject::connect(window, &frmSyukin::receipt_asked, papers,
                                              &MemberPapers::receipt_for);
                         });
    f.periods = new periods::PeriodsFeature(sheet);
    QObject::connect(sheet.file_kako, &QAction::triggered, f.periods,
                     &periods::PeriodsFeature::open);
    return f;
}

} // namespace app
