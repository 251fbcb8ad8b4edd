#include "ui/payments_messages.h"
#include "book/payments.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "book/yen_text.h"
#include "ui/message_box.h"

namespace payments {

namespace {

const QString kTitle = QStringLiteral("集金チェック");

bool ask_delete(const QString& whose, qint64 received) {
    const QString question =
        QStringLiteral("%1 もう %2 受け取ってまっせ ！").arg(whose, yen(received)) + ui::kGap +
        QStringLiteral("消したら その 受け取りの 記録も 一緒に 消えてまうで。") + ui::kGap +
        QStringLiteral("ほんまに 消しまっか ？");
    return ui::msg_box(question, ui::Icon::Question, ui::Buttons::YesNo, kTitle) == ui::Answer::Yes;
}

} // namespace

void report_read(const PayRead& read, bool read_only) {
    const QString untouched =
        QStringLiteral("この 窓は 見るだけ やから、 ファイルは そのまま やで。");
    const QString kept_aside = QStringLiteral(
        "元の ファイルは 消さんと、 次の 保存で 「allitem.pay.unread-日付-時刻」 に よけとくで。");
    if (read.result == ReadResult::Damaged) {
        QString text = QStringLiteral("集金の 記録 (allitem.pay) が ");
        if (read.unread_whole)
            text +=
                QStringLiteral("読まれへんかってん ！") + ui::kGap +
                QStringLiteral("ちゃう 形の ファイルか、 ふつうの ファイルや あらへん みたいや。 "
                               "中身は 何も 使わへんで。 ");
        else
            text +=
                QStringLiteral("壊れてて、%1 行 読まれへんかってん ！").arg(read.damaged_lines) +
                ui::kGap + QStringLiteral("読めた 分だけ 使いまっせ。 ");
        ui::msg_box(text + (read_only ? untouched : kept_aside), ui::Icon::Exclamation,
                    ui::Buttons::Ok, kTitle);
    }
    if (read.origin == PayOrigin::Bak) {
        ui::msg_box(
            QStringLiteral("集金の 記録 (allitem.pay) は 別の 保存の 帳面の もん やったから、 "
                           "この 帳面と 一緒に 保存した 写し (allitem.pay.bak) を "
                           "読んだで。") +
                ui::kGap + QStringLiteral("保存したら それが allitem.pay に なりまっせ。"),
            ui::Icon::Information, ui::Buttons::Ok, kTitle);
    }
    if (read.origin == PayOrigin::OtherBook && read.set_aside > 0) {
        ui::msg_box(QStringLiteral("集金の 記録 (allitem.pay) は この 帳面と 一緒に 保存した "
                                   "もん と ちゃうねん ！") +
                        ui::kGap +
                        QStringLiteral("%1 件 ぜんぶ 脇に よけて、 だれにも 付けてへんで。 ")
                            .arg(read.set_aside) +
                        (read_only ? untouched
                                   : QStringLiteral("「集金チェック」で 付け直すか 捨てるか "
                                                    "決めてや ！")),
                    ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
        return;
    }
    if (read.set_aside > 0) {
        ui::msg_box(QStringLiteral("集金の 記録に、 名前か 項目が 帳面と 合わへんのが %1 件 "
                                   "おましてん。")
                            .arg(read.set_aside) +
                        ui::kGap +
                        (read_only ? QStringLiteral("間違うた 人に 付けたら えらいこっちゃ から、 "
                                                    "脇に よけて 見せてまへん。 ") +
                                         untouched
                                   : QStringLiteral("間違うた 人に 付けたら えらいこっちゃ から、 "
                                                    "脇に よけときました。 「集金チェック」で "
                                                    "付け直すか 捨てるか 決めてや ！")),
                    ui::Icon::Information, ui::Buttons::Ok, kTitle);
    }
}

void report_write_failure(bool unread_in_the_way) {
    ui::msg_box(
        QStringLiteral("帳面は 保存したけど、 集金の 記録 (allitem.pay) は 置き換えられへん"
                       "かってん ！") +
            ui::kGap +
            (unread_in_the_way
                 ? QStringLiteral("読まれへん 元の allitem.pay を よけられへんかったから、 "
                                  "上書き せんと 置いてあるで。 ")
                 : QStringLiteral("新しい 受け取りの 記録は 隠し ファイル (.allitem.pay.～) に "
                                  "全部 書いてあって、 次に 起動したら 入れとくで。 ")) +
            QStringLiteral("フォルダの 書き込みの 許可を 見てから、 もう一回 保存してや ！"),
        ui::Icon::Critical);
}

void report_moved_aside(const QString& name) {
    ui::msg_box(
        QStringLiteral("読まれへん とこが あった 集金の 記録 (allitem.pay) は、 "
                       "「%1」 に よけといたで。")
                .arg(name) +
            ui::kGap +
            QStringLiteral("消してへんから、 中身を 確かめてや。 要らんかったら 捨ててや。"),
        ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
}

bool confirm_item_delete(const Book& book, int k) {
    const qint64 received = item_totals(book, k).received;
    if (!item_has_payments(book, k)) return true;
    const QString title = trim_blanks(book.komoku_name[k]);
    return ask_delete(title.isEmpty() ? QStringLiteral("%1番目の 項目には").arg(k + 1)
                                      : QStringLiteral("「%1」には").arg(title),
                      received);
}

bool confirm_member_delete(const Book& book, int m) {
    if (!member_has_payments(book, m)) return true;
    const QString name = trim_blanks(book.member_name[m]);
    return ask_delete(name.isEmpty() ? QStringLiteral("%1番の 人からは").arg(m + 1)
                                     : QStringLiteral("「%1」さんからは").arg(name),
                      member_totals(book, m).received);
}

void report_renamed_payments(int rows, qint64 amount) {
    if (rows == 0) return;
    ui::msg_box(QStringLiteral("名前が 変わった %1人分の 受け取り、 合わせて %2 は、 新しい 人の "
                               "分には せえへんで。")
                        .arg(rows)
                        .arg(yen(amount)) +
                    ui::kGap +
                    QStringLiteral("脇に よけときました。 「集金チェック」で 付け直すか 捨てるか "
                                   "決めてや ！"),
                ui::Icon::Information, ui::Buttons::Ok, kTitle);
}

} // namespace payments
