#include "app/folder_claim.h"
#include "ui/message_box.h"

namespace app {

bool claim_working_folder(FolderLock& lock, WriteGuard& guard) {
    switch (lock.take()) {
    case FolderLock::State::Held:
        guard = WriteGuard();
        return true;
    case FolderLock::State::Unavailable:
        // A folder that takes no lock file (read-only, say): saves there say
        // for themselves whether they can be done.
        guard = WriteGuard::without_lock();
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
