#pragma once
// Receipts (領収書), reminder slips (お支払いのお願い) and one PDF per member,
// as the main window offers them: under 印刷 (for everyone, and the PDFs per
// member into a folder the user picks), under 印刷プレビュー, and from
// 集金チェック for the member chosen there (what came in on the day shown,
// or over the period). Its own object beside the sheet, made after the
// preview and the unpaid list, whose menus it joins.

#include "book/book.h"
#include "print/reports.h"

#include <QDate>
#include <QObject>
#include <optional>

class frmTavu;
class QAction;
class QMenu;
namespace print {
class PreviewFeature;
class UnpaidFeature;
} // namespace print

class MemberPapers : public QObject {
    Q_OBJECT
public:
    MemberPapers(frmTavu& window, print::PreviewFeature& preview, print::UnpaidFeature& unpaid);

    QAction* print_receipts = nullptr;  // 印刷 → 領収書
    QAction* print_reminders = nullptr; // 印刷 → お支払いのお願い
    QMenu* print_each = nullptr;        // 印刷 → 一人ずつ PDF
    QAction* each_statements = nullptr;
    QAction* each_receipts = nullptr;
    QAction* each_reminders = nullptr;
    QAction* reminder_wording = nullptr; // 印刷 → お願いの一言…
    QAction* preview_receipts = nullptr;
    QAction* preview_reminders = nullptr;

    void print_receipts_Click();
    void print_reminders_Click();
    void preview_receipts_Click();
    void preview_reminders_Click();
    void each_Click(Report report);
    void reminder_wording_Click();
    // 集金チェック's 領収書: member m's receipt for what came in on `day`
    // (invalid: over the whole period), straight to the printer.
    void receipt_for(int member, const QDate& day);

private:
    void add_menus(QMenu* preview_menu, QMenu* unpaid_menu);
    // The scope of reminders: today, and the organizer's line (asked for the
    // first time); nullopt when the user cancelled that question.
    std::optional<ReportScope> reminder_scope();
    // Whether anyone gets a page; says so when nobody does.
    bool anyone(Report report, const ReportScope& scope);

    frmTavu& w;
};
