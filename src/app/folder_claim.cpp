#include "app/folder_claim.h"
#include "book/new_period.h"
#include "ui/message_box.h"

#include <QDir>

namespace app {

bool claim_working_folder(FolderLock& lock, WriteGuard& guard) {
    // A closed period is never changed: its archive opens to be looked at,
    // without taking a lock.
    if (is_archive_folder(QDir::currentPath())) {
        guard = WriteGuard::read_only(WriteGuard::Reason::PastPeriod);
        return true;
    }
    switch (lock.take()) {
    case FolderLock::State::Held:
        guard = WriteGuard();
        return true;
    case FolderLock::State::Unavailable:
        // A folder that takes no lock (read-only, a lock file that is a
        // folder or a link, a share without flock): saves there say for
        // themselves whether they can be done; the user is told once that
        // nothing keeps a second window out.
        guard = WriteGuard::without_lock();
        ui::msg_box(
            QStringLiteral("この フォルダには 鍵 (.allitem.lock) が 掛けられへんネン ！") +
                ui::kGap +
                QStringLiteral("保存は できるけど、 別の ＴＡＶＵ が 同じ フォルダを 開いても "
                               "気ぃ 付かれへんから、 後から 保存した 方しか 残らへんで。 "
                               "ここは １つだけで 開いてや。 (窓の 題に 【鍵なし】 て 出てまっせ)"),
            ui::Icon::Exclamation);
        return true;
    case FolderLock::State::HeldElsewhere:
        break;
    }
    const QString question =
        QStringLiteral("この フォルダの 帳簿は、 別の ＴＡＶＵ が もう 開いてまっせ ！") +
        ui::kGap + QStringLiteral("二つで 保存したら、 後から 保存した 方しか 残らへんねん。") +
        ui::kGap + QStringLiteral("見るだけ (読み取り専用) で 開きまっか ？") +
        QStringLiteral("\r\n") +
        QStringLiteral("「はい」 で 見るだけ、 「いいえ」 で やめときます。");
    if (ui::msg_box(question, ui::Icon::Question, ui::Buttons::YesNo) != ui::Answer::Yes)
        return false;
    guard = WriteGuard::read_only(WriteGuard::Reason::HeldByAnother);
    return true;
}

} // namespace app
