#include "periods/periods_feature.h"
#include "book/print_rules.h"
#include "book/year_totals.h"
#include "periods/frmKako.h"
#include "periods/past_book_window.h"
#include "periods/year_report.h"
#include "print/print_run.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "ui/report_files.h"

#include <QDir>
#include <memory>

namespace {

QString heading_of(const std::vector<PeriodCharges>& periods) {
    if (periods.size() == 1) return periods.front().label;
    return periods.front().label + QStringLiteral(" ～ ") + periods.back().label;
}

} // namespace

namespace periods {

PeriodsFeature::PeriodsFeature(frmTavu& sheet) : QObject(&sheet), sheet_(sheet) {}

void PeriodsFeature::open() {
    // The current period may go into the totals as the sheet shows it.
    if (!sheet_.commit_sheet()) return;
    std::vector<PastPeriod> list = list_past_periods(QDir::currentPath());
    if (list.empty()) {
        ui::msg_box(
            QStringLiteral("締めた 期間は まだ おまへん。") + ui::kGap +
                QStringLiteral("「ファイル」→「新しい期間」で 締めたら ここに 並びまっせ。"),
            ui::Icon::Information);
        return;
    }
    frmKako dialog(std::move(list), &sheet_);
    if (ui::run_modal(dialog) != QDialog::Accepted) return;
    if (dialog.action == frmKako::Action::Open) {
        const std::optional<PastPeriod> period = dialog.current();
        if (!period) return;
        if (frmTavu* past = open_past_book(sheet_, *period))
            emit past_window_opened(past);
        else
            ui::msg_box(QStringLiteral("「%1」は 読まれへん ！").arg(period->folder) + ui::kGap +
                            QStringLiteral("データが ないか、こわれてまっせ。"),
                        ui::Icon::Exclamation);
        return;
    }

    PeriodBooks read = read_period_books(dialog.chosen());
    if (dialog.chkIma->isChecked()) {
        sheet_.book.nengetu = sheet_.txtNengetu->text();
        auto current = std::make_unique<Book>(sheet_.book);
        print_syukei(*current);
        read.add_current(std::move(current));
    }
    if (!read.left_out.isEmpty())
        ui::msg_box(QStringLiteral("読まれへん 期間は 抜いとくで ！") + ui::kGap +
                        read.left_out.join(QStringLiteral("\r\n")),
                    ui::Icon::Exclamation);
    if (read.periods.empty()) return;
    const YearTotals totals = year_totals(read.periods);
    const QString heading = heading_of(read.periods);

    if (dialog.action == frmKako::Action::Print) {
        print_run(sheet_.book, sheet_.printing_notice(), QStringLiteral("periods"),
                  [&](Book&, ui::Printer& printer) { draw_year_report(totals, heading, printer); });
        return;
    }
    ui::write_csv_and_tell(year_totals_csv(totals), QStringLiteral("periods"),
                           QStringLiteral("年間集計を "));
}

} // namespace periods
