#pragma once
// The features beyond the collection sheet, made for one main window over
// its document and connected to its menu entries. They are children of the
// window and live as long as it does.

class MemberPapers;
class frmTavu;
namespace payments {
class PaymentsFeature;
}
namespace periods {
class NewPeriodFeature;
class PeriodsFeature;
} // namespace periods
namespace print {
class CsvFeature;
class PreviewFeature;
class UnpaidFeature;
} // namespace print
namespace roster {
class RosterFileFeature;
}

namespace app {

struct Features {
    roster::RosterFileFeature* roster = nullptr;     // 名簿の読み込み, 書き出し
    print::CsvFeature* csv = nullptr;                // ＣＳＶ出力
    periods::NewPeriodFeature* new_period = nullptr; // 新しい期間
    print::PreviewFeature* preview = nullptr;        // 印刷プレビュー, 印刷先の選択
    print::UnpaidFeature* unpaid = nullptr;          // 未収一覧
    MemberPapers* papers = nullptr; // 領収書, お支払いのお願い, 一人ずつ PDF
    payments::PaymentsFeature* payments = nullptr; // 集金チェック
    periods::PeriodsFeature* periods = nullptr;    // 過去の期間
};

// Every feature, for the live book's window. A closed period's window opened
// from its 過去の期間 gets those of attach_past_features.
Features attach_features(frmTavu& sheet);

// The features of every sheet window, the live one and a closed period's
// (which makes its own 集金チェック and greys the writing commands): the
// roster file, the CSV, 新しい期間, the previews, 未収一覧 and the member
// papers. Payments and periods stay null.
Features attach_sheet_features(frmTavu& sheet);

// A closed period's window (periods/past_book_window.h): the sheet's
// features, and its own 集金チェック (which it made) printing its receipts
// through them. Its periods stays null.
Features attach_past_features(frmTavu& past);

} // namespace app
