#include "ui/save_messages.h"
#include "ui/message_box.h"

void warn_unconfirmed(const QString& what) {
    ui::msg_box(QStringLiteral("%1は 書いたけど、ディスクが 「ちゃんと 書けた」 って "
                               "言うてくれへんかってん ！")
                        .arg(what) +
                    ui::kGap +
                    QStringLiteral("念のため、電源を 切る前に もう一回 保存しといてや。"),
                ui::Icon::Exclamation);
}
