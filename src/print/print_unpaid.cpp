// 未収一覧 under 印刷 and under 印刷プレビュー, as part of frmTavu: who still
// owes, by roster position or by the amount left.
#include "book/unpaid_list.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "print/unpaid_report.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

namespace {

const QString kNobodyOwes =
    QStringLiteral("未収は ありまへん ！\r\n\r\nみんな きっちり 払うてくれてはるで。  "
                   "印刷する もんが あらへんわ。");

// The sheet committed, then: is anyone still owing? When nobody is, says so
// (false) instead of printing an empty list.
bool someone_owes(frmTavu& w) {
    if (!w.commit_sheet()) return false;
    if (!unpaid_list(w.book, UnpaidOrder::Roster).rows.empty()) return true;
    ui::msg_box(kNobodyOwes, ui::Icon::Information);
    return false;
}

std::function<void(Book&, ui::Printer&)> unpaid_drawing(UnpaidOrder order) {
    return
        [order](Book& b, ui::Printer& printer) { print_unpaid(b, unpaid_list(b, order), printer); };
}

} // namespace

void frmTavu::print_unpaid_Click(UnpaidOrder order) {
    if (!someone_owes(*this)) return;
    if (confirm_period_and_organizer(*this) == -1) return;
    print_run(book, printing_notice(), report_name(Report::Unpaid), unpaid_drawing(order));
}

void frmTavu::preview_unpaid_Click(UnpaidOrder order) {
    if (!someone_owes(*this)) return;
    book.nengetu = txtNengetu->text();
    book.motojime = txtMotojime->text();
    open_preview(QStringLiteral("未収一覧"), report_name(Report::Unpaid), unpaid_drawing(order));
}

void frmTavu::connect_unpaid_handlers() {
    // Right after セレクト印刷, and last in the preview's list.
    print_unpaid = new QMenu(QStringLiteral("未収一覧"), file_print);
    print_unpaid->setObjectName(QStringLiteral("print_unpaid"));
    const QList<QAction*> entries = file_print->actions();
    file_print->insertMenu(entries.value(entries.indexOf(print_select) + 1), print_unpaid);
    print_unpaid_roster = print_unpaid->addAction(QStringLiteral("名簿の順"));
    print_unpaid_remaining = print_unpaid->addAction(QStringLiteral("残りの多い順"));

    preview_unpaid = print_preview->addMenu(QStringLiteral("未収一覧"));
    preview_unpaid_roster = preview_unpaid->addAction(QStringLiteral("名簿の順"));
    preview_unpaid_remaining = preview_unpaid->addAction(QStringLiteral("残りの多い順"));

    const auto by = [this](auto handler, UnpaidOrder order) {
        return [this, handler, order] { (this->*handler)(order); };
    };
    connect(print_unpaid_roster, &QAction::triggered, this,
            by(&frmTavu::print_unpaid_Click, UnpaidOrder::Roster));
    connect(print_unpaid_remaining, &QAction::triggered, this,
            by(&frmTavu::print_unpaid_Click, UnpaidOrder::Remaining));
    connect(preview_unpaid_roster, &QAction::triggered, this,
            by(&frmTavu::preview_unpaid_Click, UnpaidOrder::Roster));
    connect(preview_unpaid_remaining, &QAction::triggered, this,
            by(&frmTavu::preview_unpaid_Click, UnpaidOrder::Remaining));
}
