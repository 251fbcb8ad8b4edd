#pragma once
// The features beyond the collection sheet, made for one main window over
// its document and connected to its menu entries. They are children of the
// window and live as long as it does.

class frmTavu;
namespace payments {
class PaymentsFeature;
}
namespace periods {
class PeriodsFeature;
}

namespace app {

struct Features {
    payments::PaymentsFeature* payments = nullptr; // 集金チェック
    periods::PeriodsFeature* periods = nullptr;    // 過去の期間
};

Features attach_features(frmTavu& sheet);

} // namespace app
