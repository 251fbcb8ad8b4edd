#pragma once
// The messages of entering an item that more than one handler shows.

#include "ui/message_box.h"

#include <QString>

namespace entry_msg {

inline const QString kNotDigits = QStringLiteral("数字以外は  あきまへんで！！");
inline const QString kHeadCount = QStringLiteral("メンバーは  １人以上 ９６人 以下 でっせ！");
// A middle item cannot be emptied by clearing its title.
inline const QString kUseDel = QStringLiteral("「項 目」 が ありまへん ！") + ui::kGap +
                               QStringLiteral("消すのは Ｄｅｌボタン やで ！");

// Limits the book and the data file can hold.
inline const QString kTotalTooLarge =
    QStringLiteral("総額が 大きすぎて 勘定でけへんがな ！") + ui::kGap +
    QStringLiteral("２１億４７４８万３６４７円 までに しといてや ！");
inline const QString kShareOutOfRange =
    QStringLiteral("そんな 割額 集められまへんで ！") + ui::kGap +
    QStringLiteral("０円 から ９９万９９９９円 までに してや ！");
inline const QString kAmountOutOfRange =
    QStringLiteral("そんな 金額 書ききれまへんで ！") + ui::kGap +
    QStringLiteral("－９万９９９９円 から ９９万９９９９円 までに してや ！");
// The data file keeps titles in code page 932; the characters are named.
inline QString title_unsavable(const QString& characters) {
    return QStringLiteral("「項 目」 に 保存でけへん 字が 入ってまっせ ！") + ui::kGap +
           QStringLiteral("「") + characters + QStringLiteral("」 は 別の字に してや ！");
}

} // namespace entry_msg
