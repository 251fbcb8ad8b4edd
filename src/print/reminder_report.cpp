#include "print/reminder_report.h"
#include "book/print_rules.h"
#include "book/unpaid_list.h"
#include "book/yen_text.h"
#include "ui/report_text.h"

namespace {

const ReminderLayout& L = kReminderLayout;

using ui::report_font;
using ui::text_at;

void slip(const Book& book, const Reminder& r, const QDate& as_of, const QString& note,
          ui::Printer& printer, double y) {
    slip_top(printer, L.frame, y,
             {book.nengetu, QStringLiteral("お支払いのお願い"), reminder_as_of_text(as_of),
              book.member_name[r.member].trimmed()});
    const double x = L.frame.left;
    fitted_at(printer, x + L.person_dx, y + L.person_dy,
              QStringLiteral("担当者　") + book.motojime.trimmed(), L.person_pt, L.min_pt,
              L.person_width);

    report_font(printer, L.intro_pt);
    text_at(printer, x + L.intro_dx, y + L.intro_dy,
            QStringLiteral("下記のお支払いが、まだ確認できておりません。"
                           "お手数ですが、よろしくお願いいたします。"));

    // A member owes for at most twenty items: two columns of ten.
    for (std::size_t i = 0; i < r.lines.size() && i < std::size_t(2 * L.rows); ++i) {
        const ReminderLine& line = r.lines[i];
        const double cx = x + L.column_dx[i / L.rows];
        const double cy = y + L.rows_dy + L.row * double(i % L.rows);
        const QString amount = reminder_amount_text(line.remaining);
        const double amount_x = amount_start(amount, L.item_pt, cx + L.amount_right);
        fitted_at(printer, cx, cy, unpaid_item_text(book, r.member, line.item), L.item_pt, L.min_pt,
                  amount_x - cx - 2);
        report_font(printer, L.item_pt);
        text_at(printer, amount_x, cy, amount);
    }

    printer.line_width(1);
    printer.line(x + L.total_dx - 2, y + L.total_line_dy, x + L.frame.width - 4,
                 y + L.total_line_dy);
    report_font(printer, L.total_pt, true);
    text_at(printer, x + L.total_dx, y + L.total_dy, QStringLiteral("お支払い残高　合計"));
    const QString total = reminder_amount_text(r.total);
    text_at(printer, amount_start(total, L.total_pt, x + L.total_amount_right), y + L.total_dy,
            total);
    if (r.set_off() > 0) {
        report_font(printer, L.set_off_pt);
        text_at(printer, x + L.set_off_dx, y + L.total_dy + 0.8,
                QStringLiteral("（過払い・返金分 %1 を差し引いています）")
                    .arg(reminder_amount_text(r.set_off())));
    }
    if (!note.trimmed().isEmpty())
        fitted_at(printer, x + L.note_dx, y + L.note_dy, note.trimmed(), L.note_pt, L.min_pt,
                  L.note_width);
    report_font(printer, L.excuse_pt);
    text_at(printer, x + L.excuse_dx, y + L.excuse_dy,
            QStringLiteral("※本状と行き違いにお支払いいただいている場合は、"
                           "何卒ご容赦くださいますようお願い申し上げます。"));
}

} // namespace

QString reminder_amount_text(qint64 amount) {
    return yen(amount);
}

double amount_start(const QString& text, double points, double right) {
    double ems = 0;
    for (const QChar c : text) ems += c.isDigit() ? 0.485 : c == u',' ? 0.275 : 1.0;
    return right - ems * points * 25.4 / 72;
}

void print_reminders(const Book& book, const std::vector<Reminder>& list, const QDate& as_of,
                     const QString& note, ui::Printer& printer) {
    print_slips(printer, L.frame, L.top, L.cut_y, list.size(),
                [&](std::size_t i, double y) { slip(book, list[i], as_of, note, printer, y); });
}
