#include "app/write_guard.h"
#include "ui/message_box.h"

namespace app {

WriteGuard WriteGuard::read_only(Reason reason) {
    WriteGuard guard;
    guard.reason_ = reason;
    guard.tidy_ = false;
    return guard;
}

WriteGuard WriteGuard::without_lock() {
    WriteGuard guard;
    guard.tidy_ = false;
    guard.unlocked_ = true;
    return guard;
}

bool WriteGuard::allows(const QString& command) const {
    if (!read_only()) return true;
    const QString gap = QStringLiteral("\r\n\r\n");
    QString why;
    switch (reason_) {
    case Reason::HeldByAnother:
        why = QStringLiteral("この 帳簿は 別の ＴＡＶＵ が 開いてるから、") +
              QStringLiteral("こっちは 見るだけ (読み取り専用) やねん。") + gap +
              QStringLiteral("書き換えるんは 向こうの ＴＡＶＵ で やってや。") +
              QStringLiteral("  印刷と ＣＳＶ出力は こっちでも できまっせ ！");
        break;
    case Reason::PastPeriod:
        why = QStringLiteral("これは 締めた 期間やから 見るだけ (読み取り専用) やねん。") + gap +
              QStringLiteral("印刷と ＣＳＶ出力は できまっせ ！");
        break;
    case Reason::None:
        break;
    }
    ui::msg_box(QStringLiteral("%1 は でけへんで ！").arg(command) + gap + why,
                ui::Icon::Exclamation);
    return false;
}

QString WriteGuard::title(const QString& base) const {
    switch (reason_) {
    case Reason::HeldByAnother:
        return base + QStringLiteral("  【見るだけ (読み取り専用)】");
    case Reason::PastPeriod:
        return base + QStringLiteral("  【過去の期間：見るだけ】");
    case Reason::None:
        break;
    }
    return unlocked_ ? base + QStringLiteral("  【鍵なし】") : base;
}

} // namespace app
