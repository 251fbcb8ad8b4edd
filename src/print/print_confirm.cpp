#include "print/print_confirm.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

namespace {

// A header box filled in (else `missing` is said) and confirmed with
// `question`; the focus goes to the box when either stops.
qint16 ask_filled(ui::TextBox* box, bool blank, const QString& missing, const QString& question) {
    if (blank) {
        ui::msg_box(missing, ui::Icon::Exclamation);
        box->setFocus();
        return -1;
    }
    if (ui::msg_box(question, ui::Icon::None, ui::Buttons::OkCancel) == ui::Answer::Cancel) {
        box->setFocus();
        return -1;
    }
    return 0;
}

const QString kPeriodQuestion = QStringLiteral("年 月  は   これで   ＯＫやろネ ？");

} // namespace

qint16 confirm_period(frmTavu& w) {
    if (!w.commit_sheet()) return -1;
    w.book.nengetu = w.txtNengetu->text();
    return ask_filled(w.txtNengetu, is_blank(w.book.nengetu),
                      QStringLiteral("年 とか 月 が ありまへん ！"), kPeriodQuestion);
}

qint16 confirm_period_and_organizer(frmTavu& w) {
    if (!w.commit_sheet()) return -1;
    w.book.nengetu = w.txtNengetu->text();
    w.book.motojime = w.txtMotojime->text();
    if (ask_filled(w.txtNengetu, is_blank(w.book.nengetu),
                   QStringLiteral("年 とか 月 が  ありまへん ！"), kPeriodQuestion) == -1)
        return -1;
    // The text itself is compared: two blanks pass and print as blanks.
    const QString& organizer = w.book.motojime;
    return ask_filled(w.txtMotojime, organizer.isEmpty() || organizer == QStringLiteral(" "),
                      QStringLiteral("担当ネーム が  ありまへん ！"),
                      QStringLiteral("担当ネーム  は   ＯＫやろネ ？"));
}
