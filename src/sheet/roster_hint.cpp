// The line the sheet shows while the roster is empty: a first start says how
// names get in, in place of the empty rows. It goes with the first name.

#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/twips.h"

void frmTavu::show_roster_hint() {
    bool empty = true;
    for (int i = 0; i < kMembers && empty; ++i) empty = is_blank(book.member_name[i]);
    const bool shown = empty && book.name_mode != -1;
    if (!lblMeiboHint) {
        if (!shown) return;
        lblMeiboHint = new ui::ClickLabel(tabTavu);
        lblMeiboHint->setObjectName(QStringLiteral("lblMeiboHint"));
        lblMeiboHint->setFont(ui::gothic_font(9.75));
        ui::set_fore_color(lblMeiboHint, 0xC00000);
        ui::place(lblMeiboHint, 240, 600, 9015, 375);
    }
    // A window open to look at only refuses both ways in, so it does not offer them.
    lblMeiboHint->setText(write_guard.read_only()
                              ? QStringLiteral("名前が まだ おまへん。 この 窓は 見るだけ やから、"
                                               "名前は 入れられへんで。")
                              : QStringLiteral("名前が まだ おまへん。 「編集」→「名前の編集」か、"
                                               "「ファイル」→「名簿の読み込み」で 入れてや ！"));
    lblMeiboHint->setVisible(shown);
    if (shown) lblMeiboHint->raise();
}
