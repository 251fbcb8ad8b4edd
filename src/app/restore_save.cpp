#include "app/restore_save.h"
#include "book/previous_save.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/payments_messages.h"
#include "ui/save_messages.h"
#include "ui/write_refusal.h"

namespace {

const QString kTitle = QStringLiteral("前の保存に戻す");

QString refusal(PreviousSave::State state) {
    switch (state) {
    case PreviousSave::State::Missing:
        return QStringLiteral("前の 保存の 写し (allitem.bak) が あらへんネン。") + ui::kGap +
               QStringLiteral("２回 保存したら できるように なりまっせ。");
    case PreviousSave::State::Unreadable:
        return QStringLiteral("前の 保存の 写し (allitem.bak) が 読まれへんネン ！") + ui::kGap +
               QStringLiteral("何も 変えてまへん。");
    case PreviousSave::State::PaymentsApart:
        return QStringLiteral("前の 保存の 集金の 記録 (allitem.pay.bak) が、 その 帳面と 一緒に "
                              "保存した もんと ちゃうネン ！") +
               ui::kGap +
               QStringLiteral("片方だけ 戻したら 受け取りが 合わへんから、 何も 変えてまへん。");
    case PreviousSave::State::Ready:
        break;
    }
    return QString();
}

} // namespace

namespace app {

void restore_previous_save(frmTavu& w) {
    Book& book = w.book;
    if (!ui::write_allowed(w.write_guard, kTitle)) return;
    const PreviousSave previous = look_at_previous_save();
    if (previous.state != PreviousSave::State::Ready) {
        ui::msg_box(refusal(previous.state), ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
        return;
    }
    QString question =
        QStringLiteral("%1 に 保存した データに 戻しまっか ？")
            .arg(previous.saved.toString(QStringLiteral("yyyy年M月d日 H時mm分"))) +
        ui::kGap +
        QStringLiteral("帳面も 集金の 記録も 一緒に 戻して、 今の 保存は 写しに まわしとくから、 "
                       "もう一回 やったら 今に 戻れまっせ。");
    if (book.hozon_flag == 0)
        question += ui::kGap + QStringLiteral("まだ 保存してへん 変更は 消えてまうで ！");
    if (ui::msg_box(question, ui::Icon::Question, ui::Buttons::OkCancel, kTitle) ==
        ui::Answer::Cancel)
        return;
    // Another program's save is never replaced unseen, as for 全体保存.
    if (w.check_book_file_unchanged() == -1) return;
    const PairSave put_back = put_back_previous_save(previous, [&] {
        const FileStamp now = stamp_file(QString::fromLatin1(kHrmFile));
        return now.state == ReadResult::Missing || now == w.hrm_stamp;
    });
    if (put_back.outcome == PairSave::Outcome::NotSaved) {
        ui::msg_box(QStringLiteral("前の 保存に 戻されへんかってん ！") + ui::kGap +
                        QStringLiteral("何も 変えてまへん。 フォルダの 空きと 書き込みの 許可を "
                                       "見てや ！"),
                    ui::Icon::Critical, ui::Buttons::Ok, kTitle);
        return;
    }
    if (!put_back.pay.moved_aside.isEmpty()) payments::report_moved_aside(put_back.pay.moved_aside);
    if (put_back.outcome == PairSave::Outcome::BookOnly)
        payments::report_write_failure(put_back.pay.aside_failed);
    w.show_saved_book();
    w.txtMotojime->setText(trim_blanks(book.motojime));
    w.txtNengetu->setText(trim_blanks(book.nengetu));
    book.hozon_flag = -1;
    ui::msg_box(QStringLiteral("前の 保存に 戻したで ！"), ui::Icon::Information, ui::Buttons::Ok,
                kTitle);
}

} // namespace app
