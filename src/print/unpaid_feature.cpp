#include "print/unpaid_feature.h"
#include "print/preview_feature.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/reports.h"
#include "print/unpaid_report.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include <QMenu>

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

namespace print {

UnpaidFeature::UnpaidFeature(frmTavu& sheet, PreviewFeature& preview) : QObject(&sheet), w(sheet) {
    setObjectName(QStringLiteral("unpaid_feature"));
    // Right after セレクト印刷, and last in the preview's list.
    QMenu* menu = w.file_print;
    print_unpaid = new QMenu(QStringLiteral("未収一覧"), menu);
    print_unpaid->setObjectName(QStringLiteral("print_unpaid"));
    const QList<QAction*> entries = menu->actions();
    menu->insertMenu(entries.value(entries.indexOf(w.print_select) + 1), print_unpaid);
    print_unpaid_roster = print_unpaid->addAction(QStringLiteral("名簿の順"));
    print_unpaid_remaining = print_unpaid->addAction(QStringLiteral("残りの多い順"));

    preview_unpaid = preview.print_preview->addMenu(QStringLiteral("未収一覧"));
    preview_unpaid_roster = preview_unpaid->addAction(QStringLiteral("名簿の順"));
    preview_unpaid_remaining = preview_unpaid->addAction(QStringLiteral("残りの多い順"));

    const auto by = [this](auto handler, UnpaidOrder order) {
        return [this, handler, order] { (this->*handler)(order); };
    };
    connect(print_unpaid_roster, &QAction::triggered, this,
            by(&UnpaidFeature::print_unpaid_Click, UnpaidOrder::Roster));
    connect(print_unpaid_remaining, &QAction::triggered, this,
            by(&UnpaidFeature::print_unpaid_Click, UnpaidOrder::Remaining));
    connect(preview_unpaid_roster, &QAction::triggered, this,
            by(&UnpaidFeature::preview_unpaid_Click, UnpaidOrder::Roster));
    connect(preview_unpaid_remaining, &QAction::triggered, this,
            by(&UnpaidFeature::preview_unpaid_Click, UnpaidOrder::Remaining));
}

void UnpaidFeature::print_unpaid_Click(UnpaidOrder order) {
    if (!someone_owes(w)) return;
    if (confirm_period_and_organizer(w) == -1) return;
    print_run(w.book, w.printing_notice(), report_name(Report::Unpaid), unpaid_drawing(order));
}

void UnpaidFeature::preview_unpaid_Click(UnpaidOrder order) {
    if (!someone_owes(w)) return;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    open_preview(w, QStringLiteral("未収一覧"), report_name(Report::Unpaid), unpaid_drawing(order),
                 [this] { return someone_owes(w) && confirm_period_and_organizer(w) != -1; });
}

} // namespace print
