#include "payments/payments_messages.h"
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
    if (read.result == ReadResult::Damaged) {
        ui::msg_box(QStringLiteral("集金の 記録 (allitem.pay) が 壊れてて、") +
                        (read.damaged_lines > 0
                             ? QStringLiteral("%1 行 読まれへんかってん ！").arg(read.damaged_lines)
                             : QStringLiteral("読まれへんかってん ！")) +
                        ui::kGap +
                        (read_only ? QStringLiteral("読めた 分だけ 見せまっせ。 ") + untouched
                                   : QStringLiteral("読めた 分だけ 使いまっせ。 元の ファイルは "
                                                    "次の 保存で allitem.pay.bak に 残しとくで。")),
                    ui::Icon::Exclamation, ui::Buttons::Ok, kTitle);
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

void report_write_failure() {
    ui::msg_box(QStringLiteral("集金の 記録 (allitem.pay) が 書かれへんかってん ！") + ui::kGap +
                    QStringLiteral("帳面は 保存したけど、 受け取りの 記録は 前に 保存した まま "
                                   "やで。  フォルダの 空きと 書き込みの 許可を 見てから、"
                                   "もう一回 保存してや ！"),
                ui::Icon::Critical);
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

} // namespace payments
