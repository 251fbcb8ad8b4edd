// 集金チェック's 領収書 button: a receipt for the chosen member, for what came
// in on the day shown or over the whole period. The window only asks; the
// printing side makes the receipt (receipt_asked).
#include "payments/frmSyukin.h"
#include "ui/message_box.h"

#include <QHBoxLayout>
#include <QMenu>

void frmSyukin::setup_receipt_button(QHBoxLayout* tools) {
    cmdRyosyu = new QPushButton(QStringLiteral("領収書(&R)"), this);
    cmdRyosyu->setToolTip(QStringLiteral("選んだ人の 領収書を 出しまっせ"));
    cmdRyosyu->setAccessibleName(QStringLiteral("選んだ人の領収書"));
    auto* menu = new QMenu(cmdRyosyu);
    ryosyu_day = menu->addAction(QStringLiteral("受け取った日の分だけ"));
    ryosyu_all = menu->addAction(QStringLiteral("今期の 全部"));
    cmdRyosyu->setMenu(menu);
    tools->addWidget(cmdRyosyu);
    connect(ryosyu_day, &QAction::triggered, this, [this] { cmdRyosyu_Click(true); });
    connect(ryosyu_all, &QAction::triggered, this, [this] { cmdRyosyu_Click(false); });
}

void frmSyukin::cmdRyosyu_Click(bool day_only) {
    const int m = current_member();
    if (m < 0) {
        ui::msg_box(QStringLiteral("先に 表で 人を 選んでや ！"), ui::Icon::Exclamation);
        return;
    }
    emit receipt_asked(m, day_only ? dtpHiduke->date() : QDate());
}
