// The main window's controls: names, captions, places, fonts, colours and menus.
#include "app/features.h"
#include "print/preview_feature.h"
#include "print/unpaid_feature.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>

namespace {

class WindowLayout : public TempWorkdir {
protected:
    Book book;
};

QStringList captions(const QMenu* menu) {
    QStringList list;
    for (const QAction* action : menu->actions()) list << action->text();
    return list;
}

TEST_F(WindowLayout, MembersRunDownThreeColumnsOfFourPages) {
    frmTavu window(book);
    window.show(); // the tab control lays out its pages
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("集金管理システム  ＴＡＶＵ"));
    ASSERT_EQ(window.tabTavu->count(), 4);
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(window.tabTavu->tabText(page), QStringLiteral("No. %1").arg(page + 1));

    const int check_left[3] = {240, 3480, 6600};
    const int amount_left[3] = {2040, 5280, 8400};
    for (int i = 0; i < kMembers; ++i) {
        const int page = i / 24, column = i % 24 / 8, row = i % 8;
        ASSERT_EQ(window.chk1[i]->parentWidget(), window.tab_pages[page]);
        ASSERT_EQ(window.lbl1[i]->parentWidget(), window.tab_pages[page]);
        ASSERT_EQ(window.txt1[i]->parentWidget(), window.tab_pages[page]);
        window.tabTavu->setCurrentIndex(page);
        // Places are measured from the tab control's corner, tab strip included;
        // a pixel or two of the strip's drawing is the toolkit's.
        const QPoint chk = window.chk1[i]->mapTo(window.tabTavu, QPoint());
        EXPECT_NEAR(chk.x(), ui::twips(check_left[column]), 2) << i;
        EXPECT_NEAR(chk.y(), ui::twips(480 + 480 * row), 4) << i;
        const QPoint txt = window.txt1[i]->mapTo(window.tabTavu, QPoint());
        EXPECT_NEAR(txt.x(), ui::twips(amount_left[column]), 2) << i;
        EXPECT_NEAR(txt.y(), ui::twips(600 + 480 * row), 4) << i;
        EXPECT_EQ(window.txt1[i]->size(), QSize(ui::twips(735), ui::twips(285)));
        EXPECT_EQ(window.txt1[i]->toolTip().isEmpty(),
                  !(i < 24 && row < 3))
            << i; // members 0-2, 8-10, 16-18
    }
    // The last row fits inside the page.
    EXPECT_LE(window.chk1[7]->geometry().bottom(), window.tab_pages[0]->height());
    EXPECT_EQ(window.tabTavu->geometry(), ui::twips_rect(0, 1440, 9375, 4455));
}

TEST_F(WindowLayout, CaptionsTooltipsFontsAndColours) {
    frmTavu window(book);
    EXPECT_EQ(window.cmdNext->text(), QStringLiteral("Ｎｅｘｔ"));
    EXPECT_EQ(window.cmdBack->text(), QStringLiteral("Ｂａｃｋ"));
    EXPECT_EQ(window.cmdKomokuDel->toolTip(), QStringLiteral("現在の 項目を 削除 します"));
    EXPECT_EQ(window.txtKomoku->toolTip(),
              QStringLiteral("全体を見る時は 「編集」→「項目の並べ替え」 "));
    EXPECT_EQ(window.Label6->text(), QStringLiteral("ﾏｰｸNow"));
    EXPECT_EQ(window.optBoss->text(), QString());
    EXPECT_EQ(window.cmdCalc->geometry(), ui::twips_rect(4560, 240, 735, 375));
    EXPECT_EQ(window.fraBara->geometry(), window.fraOkane->geometry());
    EXPECT_EQ(window.fraGetname->title(), QStringLiteral("メンバーの入力"));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("名  前"));
    EXPECT_EQ(window.cmdGetname_yame->text(), QStringLiteral("終 了"));
    EXPECT_TRUE(window.fraGetname->isHidden());
    EXPECT_EQ(ui::fore_color(window.fraGetname), 0x0000FFu);
    EXPECT_NE(ui::fore_color(window.cmdGetname_yame), 0x0000FFu);
    EXPECT_FALSE(window.optKinto->isChecked());
    EXPECT_FALSE(window.optBara->isChecked());

    EXPECT_EQ(window.chk1[0]->font().pointSizeF(), 12);
    EXPECT_EQ(window.lbl1[95]->font().pointSizeF(), 12);
    EXPECT_EQ(window.txt1[50]->font().pointSizeF(), 9.75);
    EXPECT_EQ(ui::fore_color(window.lbl1[40]), 0xC00000u);
    // The fallback font must be one that holds Japanese.
    const QString family = QFontInfo(ui::gothic_font(12)).family();
    EXPECT_TRUE(family == QStringLiteral("IPAPGothic") || family.startsWith("Noto Sans CJK") ||
                family == QStringLiteral("ＭＳ Ｐゴシック"))
        << family.toStdString();
}

// The printer narrows a font only when a fallback stands in for it: a font
// asked for by another of its names ("IPA Pゴシック" is IPAPGothic's
// Japanese name) is the real one, whatever name the locale reports.
TEST(UiFonts, TheRequestedFamilyUnderAnyOfItsNames) {
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("IPAPGothic"), true},
        {QStringLiteral("IPA Pゴシック"), true},
        {QStringLiteral("No Such Gothic"), false},
    };
    for (const auto& [family, real] : cases) {
        QFont font = ui::gothic_font(9);
        font.setFamilies(QStringList{family} + font.families());
        EXPECT_EQ(ui::is_family(font, family), real) << family.toStdString();
    }
}

TEST_F(WindowLayout, MenusNestAsTheCommandsDo) {
    frmTavu window(book);
    const app::Features features = app::attach_features(window);
    QStringList bar;
    for (const QAction* action : window.menuBar()->actions()) bar << action->text();
    EXPECT_EQ(bar, (QStringList{"ファイル", "印刷", "編集", "マーク", "ヘルプ"}));
    EXPECT_EQ(
        captions(window.menu_file),
        (QStringList{"再読込", "前の保存に戻す", "保存", "ＣＳＶ出力", "ＣＳＶ出力 (集金の記録)",
                     "名簿の読み込み", "名簿の書き出し", "新しい期間", "過去の期間", "終了"}));
    EXPECT_EQ(window.menu_file->actions()[2]->menu(), window.file_hozon);
    EXPECT_EQ(captions(window.file_hozon), QStringList{"全体保存"});
    EXPECT_EQ(captions(window.file_print),
              (QStringList{"帳票の印刷", "個別印刷", "セレクト印刷", "未収一覧", "領収書",
                           "お支払いのお願い", "一人ずつ PDF", "お願いの 一言…", "",
                           "印刷プレビュー", "印刷先の選択…"}));
    EXPECT_EQ(captions(features.preview->print_preview),
              (QStringList{"帳票", "個別", "セレクト", "未収一覧", "領収書", "お支払いのお願い"}));
    for (const QMenu* unpaid : {features.unpaid->print_unpaid, features.unpaid->preview_unpaid})
        EXPECT_EQ(captions(unpaid), (QStringList{"名簿の順", "残りの多い順"}));
    EXPECT_EQ(captions(window.menu_hensyu), (QStringList{"名前の編集", "名簿の読み込みを取り消す",
                                                         "項目の並び替え", "", "集金チェック"}));
    EXPECT_EQ(captions(window.tavu), (QStringList{"全マーク", "全マークＯＦＦ"}));
    EXPECT_EQ(captions(window.help), QStringList{"Ｔａｖｕのヘルプ"});
}

TEST(UiColours, BbggrrValuesAndButtonText) {
    EXPECT_EQ(ui::to_qcolor(0xC00000), QColor(0, 0, 0xC0));
    EXPECT_EQ(ui::to_qcolor(0x0000FF), QColor(0xFF, 0, 0));
    EXPECT_EQ(ui::to_bbggrr(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(ui::to_qcolor(ui::kButtonTextColor),
              QApplication::palette().color(QPalette::ButtonText));
}

} // namespace
