#include "print/member_papers.h"
#include "book/print_rules.h"
#include "book/receipts.h"
#include "book/reminders.h"
#include "print/frmSirase.h"
#include "print/per_member_pdf.h"
#include "print/preview_feature.h"
#include "print/print_confirm.h"
#include "print/print_run.h"
#include "print/unpaid_feature.h"
#include "sheet/frmTavu.h"
#include "ui/file_choice.h"
#include "ui/message_box.h"
#include "ui/reminder_note.h"
#include "ui/text_question.h"

#include <QDir>
#include <QMenu>

namespace {

const QString kNoteSuggestion = QStringLiteral("お支払いは、担当者まで現金でお願いいたします。");

QString nobody_text(Report report, const ReportScope& scope) {
    if (report == Report::Reminders)
        return QStringLiteral("払うてへん 人は おらへんで ！") + ui::kGap +
               QStringLiteral("お願いの 紙は 要らんわ。");
    if (report == Report::Receipts && scope.day.isValid())
        return QStringLiteral("この日 （%1） は まだ 何も 受け取ってへんで ！")
            .arg(scope.day.toString(QStringLiteral("M/d")));
    if (report == Report::Receipts)
        return QStringLiteral("まだ 誰からも 受け取ってへんで ！") + ui::kGap +
               QStringLiteral("領収書は 出されへんわ。");
    return QStringLiteral("名前の ある人が おらへんで ！");
}

QString report_title(Report report) {
    switch (report) {
    case Report::Receipts:
        return QStringLiteral("領収書");
    case Report::Reminders:
        return QStringLiteral("お支払いのお願い");
    default:
        break;
    }
    return QStringLiteral("個別");
}

} // namespace

MemberPapers::MemberPapers(frmTavu& window, print::PreviewFeature& preview,
                           print::UnpaidFeature& unpaid)
    : QObject(&window), w(window) {
    setObjectName(QStringLiteral("member_papers"));
    add_menus(preview.print_preview, unpaid.print_unpaid);
}

void MemberPapers::add_menus(QMenu* preview_menu, QMenu* unpaid_menu) {
    // After 未収一覧 under 印刷, and last in the preview's list.
    QMenu* print = w.file_print;
    const QList<QAction*> entries = print->actions();
    QAction* before = entries.value(entries.indexOf(unpaid_menu->menuAction()) + 1);
    print_receipts = new QAction(QStringLiteral("領収書"), print);
    print_reminders = new QAction(QStringLiteral("お支払いのお願い"), print);
    print->insertAction(before, print_receipts);
    print->insertAction(before, print_reminders);
    print_each = new QMenu(QStringLiteral("一人ずつ PDF"), print);
    print_each->setObjectName(QStringLiteral("print_each"));
    print->insertMenu(before, print_each);
    each_statements = print_each->addAction(QStringLiteral("個別（明細）…"));
    each_receipts = print_each->addAction(QStringLiteral("領収書…"));
    each_reminders = print_each->addAction(QStringLiteral("お支払いのお願い…"));
    reminder_wording = new QAction(QStringLiteral("お願いの 一言…"), print);
    print->insertAction(before, reminder_wording);

    preview_receipts = preview_menu->addAction(QStringLiteral("領収書"));
    preview_reminders = preview_menu->addAction(QStringLiteral("お支払いのお願い"));

    connect(print_receipts, &QAction::triggered, this, &MemberPapers::print_receipts_Click);
    connect(print_reminders, &QAction::triggered, this, &MemberPapers::print_reminders_Click);
    connect(preview_receipts, &QAction::triggered, this, &MemberPapers::preview_receipts_Click);
    connect(preview_reminders, &QAction::triggered, this, &MemberPapers::preview_reminders_Click);
    connect(each_statements, &QAction::triggered, this, [this] { each_Click(Report::Statements); });
    connect(each_receipts, &QAction::triggered, this, [this] { each_Click(Report::Receipts); });
    connect(each_reminders, &QAction::triggered, this, [this] { each_Click(Report::Reminders); });
    connect(reminder_wording, &QAction::triggered, this, &MemberPapers::reminder_wording_Click);
}

std::optional<ReportScope> MemberPapers::reminder_scope() {
    ReportScope scope;
    scope.as_of = QDate::currentDate();
    std::optional<QString> note = ui::reminder_note();
    if (!note) {
        note = ui::ask_text(&w, QStringLiteral("お支払いのお願い"),
                            QStringLiteral("お願いの 紙に 載せる 一言を 書いといてや。"
                                           "（払い方とか 期限とか。 次からは これを 使うで）"),
                            kNoteSuggestion);
        if (!note) return std::nullopt;
        ui::keep_reminder_note(*note);
    }
    scope.note = *note;
    return scope;
}

bool MemberPapers::anyone(Report report, const ReportScope& scope) {
    if (!report_members(report, w.book, scope).empty()) return true;
    ui::msg_box(nobody_text(report, scope), ui::Icon::Information);
    return false;
}

void MemberPapers::print_receipts_Click() {
    if (!w.commit_sheet()) return;
    if (!anyone(Report::Receipts, {})) return;
    if (confirm_period_and_organizer(w) == -1) return;
    print_run(w.book, w.printing_notice(), report_name(Report::Receipts),
              [](Book& b, ui::Printer& printer) { draw_report(Report::Receipts, b, printer); });
}

void MemberPapers::receipt_for(int member, const QDate& day) {
    if (!w.commit_sheet()) return;
    ReportScope scope;
    scope.member = member;
    scope.day = day;
    if (receipts(w.book, day, member).empty()) {
        ui::msg_box(day.isValid() ? nobody_text(Report::Receipts, scope)
                                  : QStringLiteral("この人からは まだ 何も 受け取ってへんで ！"),
                    ui::Icon::Information);
        return;
    }
    if (confirm_period_and_organizer(w) == -1) return;
    print_run(w.book, w.printing_notice(), report_name(Report::Receipts),
              [scope](Book& b, ui::Printer& printer) {
                  draw_report(Report::Receipts, b, printer, scope);
              });
}

void MemberPapers::print_reminders_Click() {
    if (!w.commit_sheet()) return;
    if (!anyone(Report::Reminders, {})) return;
    if (confirm_period_and_organizer(w) == -1) return;
    const std::optional<ReportScope> scope = reminder_scope();
    if (!scope) return;
    print_run(w.book, w.printing_notice(), report_name(Report::Reminders),
              [s = *scope](Book& b, ui::Printer& printer) {
                  draw_report(Report::Reminders, b, printer, s);
              });
}

void MemberPapers::preview_receipts_Click() {
    if (!w.commit_sheet()) return;
    if (!anyone(Report::Receipts, {})) return;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    open_preview(
        w, report_title(Report::Receipts), report_name(Report::Receipts),
        [](Book& b, ui::Printer& printer) { draw_report(Report::Receipts, b, printer); },
        [this] { return confirm_period_and_organizer(w) != -1; });
}

void MemberPapers::preview_reminders_Click() {
    if (!w.commit_sheet()) return;
    if (!anyone(Report::Reminders, {})) return;
    const std::optional<ReportScope> scope = reminder_scope();
    if (!scope) return;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    open_preview(
        w, report_title(Report::Reminders), report_name(Report::Reminders),
        [s = *scope](Book& b, ui::Printer& printer) {
            draw_report(Report::Reminders, b, printer, s);
        },
        [this] { return confirm_period_and_organizer(w) != -1; });
}

void MemberPapers::each_Click(Report report) {
    if (!w.commit_sheet()) return;
    if (!anyone(report, {})) return;
    if (confirm_period_and_organizer(w) == -1) return;
    ReportScope scope;
    if (report == Report::Reminders) {
        const std::optional<ReportScope> asked = reminder_scope();
        if (!asked) return;
        scope = *asked;
    }
    const QString folder = ui::choose_folder(
        &w, QStringLiteral("%1 の PDF を 置く フォルダ").arg(report_title(report)),
        QDir::currentPath());
    if (folder.isEmpty()) return;
    w.printing_notice().show_now();
    print_syukei(w.book);
    const EachOutcome outcome = write_each_member(report, w.book, scope, folder);
    w.printing_notice().hide();
    const QString where = QDir::toNativeSeparators(folder);
    if (outcome.failed) {
        ui::msg_box(QStringLiteral("PDF「%1」が 書かれへん。  フォルダの 空きと 書き込みの "
                                   "許可を 見てや ！")
                            .arg(QDir::toNativeSeparators(outcome.failed_path)) +
                        ui::kGap +
                        QStringLiteral("（その前の %1 人分は 「%2」に 書いてあるで）")
                            .arg(outcome.written.size())
                            .arg(where) +
                        ui::kGap + u'(' + outcome.detail + u')',
                    ui::Icon::Critical);
        return;
    }
    ui::msg_box(QStringLiteral("%1 の PDF を %2 人分、 「%3」に 書いたで ！")
                    .arg(report_title(report))
                    .arg(outcome.written.size())
                    .arg(where),
                ui::Icon::Information);
}

void MemberPapers::reminder_wording_Click() {
    const std::optional<QString> note =
        ui::ask_text(&w, QStringLiteral("お支払いのお願い"),
                     QStringLiteral("お願いの 紙に 載せる 一言を 書いといてや。"
                                    "（払い方とか 期限とか）"),
                     ui::reminder_note().value_or(kNoteSuggestion));
    if (note) ui::keep_reminder_note(*note);
}
