#include "payments/payments_feature.h"
#include "payments/frmSyukin.h"
#include "sheet/frmTavu.h"

namespace payments {

PaymentsFeature::PaymentsFeature(frmTavu& sheet) : QObject(&sheet), sheet_(sheet) {}

// The window shows the committed book, so the sheet is committed first.
void PaymentsFeature::open() {
    if (!sheet_.commit_sheet()) return;
    if (!window_) {
        window_ = new frmSyukin(sheet_.book, sheet_.write_guard, &sheet_);
        connect(&sheet_.document, &BookDocument::changed, window_, &frmSyukin::book_changed);
    }
    window_->book_changed();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace payments
