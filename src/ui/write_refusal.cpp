#include "ui/write_refusal.h"
#include "ui/message_box.h"

namespace ui {

bool write_allowed(const WriteGuard& guard, const QString& command) {
    if (!guard.read_only()) return true;
    QString why;
    switch (guard.reason()) {
    case WriteGuard::Reason::HeldByAnother:
        why = QStringLiteral("この 帳簿は 別の ＴＡＶＵ が 開いてるから、") +
              QStringLiteral("こっちは 見るだけ (読み取り専用) やねん。") + kGap +
              QStringLiteral("書き換えるんは 向こうの ＴＡＶＵ で やってや。") +
              QStringLiteral("  印刷と ＣＳＶ出力は こっちでも できまっせ ！");
        break;
    case WriteGuard::Reason::PastPeriod:
        why = QStringLiteral("これは 締めた 期間やから 見るだけ (読み取り専用) やねん。") + kGap +
              QStringLiteral("印刷と ＣＳＶ出力は できまっせ ！");
        break;
    case WriteGuard::Reason::None:
        break;
    }
    msg_box(QStringLiteral("%1 は でけへんで ！").arg(command) + kGap + why, Icon::Exclamation);
    return false;
}

QString guarded_title(const WriteGuard& guard, const QString& base) {
    switch (guard.reason()) {
    case WriteGuard::Reason::HeldByAnother:
        return base + QStringLiteral("  【見るだけ (読み取り専用)】");
    case WriteGuard::Reason::PastPeriod:
        return base + QStringLiteral("  【過去の期間：見るだけ】");
    case WriteGuard::Reason::None:
        break;
    }
    return base;
}

} // namespace ui
