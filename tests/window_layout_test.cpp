// The main window's controls: names, captions, pages and menus.
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"

#include <QMenuBar>

namespace {

class WindowLayout : public TempWorkdir {};

TEST_F(WindowLayout, ConstructsEveryControl) {
    Book book;
    frmTavu window(book);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("集金管理システム  ＴＡＶＵ"));
    ASSERT_EQ(window.tabTavu->count(), 4);
    EXPECT_EQ(window.tabTavu->tabText(0), QStringLiteral("No. 1"));
    EXPECT_EQ(window.tabTavu->tabText(3), QStringLiteral("No. 4"));
    for (int i = 0; i < kMembers; ++i) {
        ASSERT_NE(window.chk1[i], nullptr);
        EXPECT_EQ(window.chk1[i]->parentWidget(), window.tab_pages[i / 24]);
        EXPECT_EQ(window.lbl1[i]->parentWidget(), window.tab_pages[i / 24]);
        EXPECT_EQ(window.txt1[i]->parentWidget(), window.tab_pages[i / 24]);
    }
    EXPECT_TRUE(window.fraGetname->isHidden());
    EXPECT_FALSE(window.optKinto->isChecked());
    EXPECT_FALSE(window.optBara->isChecked());
}

} // namespace
