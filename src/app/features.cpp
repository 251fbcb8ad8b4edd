#include "app/features.h"
#include "payments/frmSyukin.h"
#include "payments/payments_feature.h"
#include "periods/new_period_feature.h"
#include "periods/periods_feature.h"
#include "print/csv_feature.h"
#include "print/member_papers.h"
#include "print/preview_feature.h"
#include "print/unpaid_feature.h"
#include "roster/roster_file_feature.h"
#include "sheet/frmTavu.h"

namespace app {

namespace {

// 集金チェック's 領収書 prints through the receipts of the print menu.
void hook_receipts(payments::PaymentsFeature* payments, MemberPapers* papers) {
    if (!payments || !papers) return;
    QObject::connect(
        payments, &payments::PaymentsFeature::window_made, papers, [papers](frmSyukin* window) {
            QObject::connect(window, &frmSyukin::receipt_asked, papers, &MemberPapers::receipt_for);
        });
}

} // namespace

Features attach_sheet_features(frmTavu& sheet) {
    Features f;
    f.roster = new roster::RosterFileFeature(sheet);
    QObject::connect(sheet.file_meibo_in, &QAction::triggered, f.roster,
                     &roster::RosterFileFeature::file_meibo_in_Click);
    QObject::connect(sheet.file_meibo_out, &QAction::triggered, f.roster,
                     &roster::RosterFileFeature::file_meibo_out_Click);
    QObject::connect(sheet.hensyu_meibo_undo, &QAction::triggered, f.roster,
                     &roster::RosterFileFeature::hensyu_meibo_undo_Click);

    f.csv = new print::CsvFeature(sheet);
    QObject::connect(sheet.file_csv, &QAction::triggered, f.csv,
                     &print::CsvFeature::file_csv_Click);
    QObject::connect(sheet.file_csv_pay, &QAction::triggered, f.csv,
                     &print::CsvFeature::file_csv_pay_Click);

    f.new_period = new periods::NewPeriodFeature(sheet);
    QObject::connect(sheet.file_new_period, &QAction::triggered, f.new_period,
                     &periods::NewPeriodFeature::file_new_period_Click);

    // Each adds its entries to the print menu, in this order: the preview
    // and the printer choice at the end, 未収一覧 after セレクト印刷, the
    // member papers after 未収一覧; the later two join the preview's menu.
    f.preview = new print::PreviewFeature(sheet);
    f.unpaid = new print::UnpaidFeature(sheet, *f.preview);
    f.papers = new MemberPapers(sheet, *f.preview, *f.unpaid);
    return f;
}

Features attach_features(frmTavu& sheet) {
    Features f = attach_sheet_features(sheet);
    f.payments = new payments::PaymentsFeature(sheet);
    QObject::connect(sheet.syukin_check, &QAction::triggered, f.payments,
                     &payments::PaymentsFeature::open);
    hook_receipts(f.payments, f.papers);
    f.periods = new periods::PeriodsFeature(sheet);
    QObject::connect(sheet.file_kako, &QAction::triggered, f.periods,
                     &periods::PeriodsFeature::open);
    QObject::connect(f.periods, &periods::PeriodsFeature::past_window_opened, f.periods,
                     [](frmTavu* past) { attach_past_features(*past); });
    return f;
}

Features attach_past_features(frmTavu& past) {
    Features f = attach_sheet_features(past);
    f.payments = past.findChild<payments::PaymentsFeature*>(QString(), Qt::FindDirectChildrenOnly);
    hook_receipts(f.payments, f.papers);
    return f;
}

} // namespace app
