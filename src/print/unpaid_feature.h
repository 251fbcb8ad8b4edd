#pragma once
// 未収一覧 as a feature of its own: who still owes, by roster position or by
// the amount left, under 印刷 (right after セレクト印刷) and under
// 印刷プレビュー.

#include "book/unpaid_list.h"

#include <QObject>

class frmTavu;
class QAction;
class QMenu;

namespace print {

class PreviewFeature;

class UnpaidFeature : public QObject {
    Q_OBJECT
public:
    // Adds its entries to the print menu of `sheet` (a child of it) and to
    // the preview's menu.
    UnpaidFeature(frmTavu& sheet, PreviewFeature& preview);

    QMenu* print_unpaid = nullptr; // 未収一覧 under 印刷
    QAction* print_unpaid_roster = nullptr;
    QAction* print_unpaid_remaining = nullptr;
    QMenu* preview_unpaid = nullptr; // 未収一覧 under 印刷プレビュー
    QAction* preview_unpaid_roster = nullptr;
    QAction* preview_unpaid_remaining = nullptr;

    void print_unpaid_Click(UnpaidOrder order);
    void preview_unpaid_Click(UnpaidOrder order);

private:
    frmTavu& w;
};

} // namespace print
