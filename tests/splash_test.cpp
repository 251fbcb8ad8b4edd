// The splash window's timer rules, on a fake clock.
#include "app/frmOpen.h"
#include "book/data_files.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/clock.h"
#include "ui/message_box.h"

#include <QTest>

namespace {

class Splash : public TempWorkdir {
protected:
    ui::MessageScript script;
    Book book;
};

TEST_F(Splash, MakerAfterTwoWholeSecondsMainWindowAfterFive) {
    ui::FakeClock clock(1000.0);
    frmOpen splash(book);
    EXPECT_EQ(splash.windowTitle(), QStringLiteral("TAVU"));
    EXPECT_EQ(splash.start_time, 1000);
    EXPECT_EQ(splash.tmrTora->interval(), 100);
    EXPECT_TRUE(splash.tmrTora->isActive());
    EXPECT_TRUE(splash.lblTora->isHidden());
    EXPECT_EQ(splash.imgTora->pixmap().size(), QSize(197, 161));
    EXPECT_EQ(splash.pctTora->pixmap().size(), QSize(32, 32));

    int maker_tick = 0, main_tick = 0;
    for (int tick = 1; tick <= 60 && !main_tick; ++tick) {
        clock.set(1000.0 + tick / 10.0);
        splash.tmrTora_Timer();
        if (!maker_tick && !splash.lblTora->isHidden()) maker_tick = tick;
        if (splash.main_window()) main_tick = tick;
    }
    // 1001.5 rounds (ties to even) to 1002: two whole seconds.
    EXPECT_EQ(maker_tick, 15);
    // 1004.5 rounds to 1004, 1004.6 to 1005: five whole seconds.
    EXPECT_EQ(main_tick, 46);
    ASSERT_NE(splash.main_window(), nullptr);
    EXPECT_TRUE(splash.main_window()->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.tmrTora->isActive());
    EXPECT_EQ(book.hozon_flag, -1); // the main window ran its start-up
}

TEST_F(Splash, ClickOpensTheMainWindowOnceAndAtOnce) {
    ui::FakeClock clock(500.0);
    frmOpen splash(book);
    splash.show();
    clock.advance(0.9);
    splash.tmrTora_Timer();
    EXPECT_TRUE(splash.lblTora->isHidden());
    EXPECT_EQ(splash.main_window(), nullptr);
    emit splash.pctTora->clicked();
    frmTavu* first = splash.main_window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(splash.lblTora->isHidden()); // never in the first second
    emit splash.imgTora->clicked();
    splash.tmrTora_Timer();
    EXPECT_EQ(splash.main_window(), first);
}

TEST_F(Splash, LoadedJustBeforeMidnightDoesNotWait) {
    ui::FakeClock clock(86394.4);
    {
        frmOpen splash(book);
        splash.tmrTora_Timer();
        EXPECT_EQ(splash.main_window(), nullptr);
    }
    clock.set(86395.0);
    frmOpen splash(book);
    clock.advance(0.1);
    splash.tmrTora_Timer();
    EXPECT_NE(splash.main_window(), nullptr);
}

// The main window is built behind the drawn splash, but its start-up (the
// data file read, the roster, the first item) waits until it is shown.
TEST_F(Splash, MainWindowIsBuiltWhileTheSplashWaitsAndLoadedOnlyWhenShown) {
    Book saved;
    saved.member_name[0] = QStringLiteral("山田");
    saved.komoku_name[0] = QStringLiteral("歓迎会");
    write_bytes("allitem.hrm", pair_swap(data_text(saved)));
    ui::FakeClock clock(1000.0);
    frmOpen splash(book);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    ASSERT_TRUE(QTest::qWaitFor([&] { return splash.main_prepared(); }));
    EXPECT_EQ(splash.main_window(), nullptr);
    EXPECT_EQ(book.member_name[0], QString());
    EXPECT_EQ(book.hozon_flag, 0);

    emit splash.imgTora->clicked();
    ASSERT_NE(splash.main_window(), nullptr);
    EXPECT_TRUE(splash.main_window()->isVisible());
    EXPECT_EQ(book.member_name[0], QStringLiteral("山田"));
    EXPECT_EQ(splash.main_window()->lbl1[0]->text(), QStringLiteral("山田"));
    EXPECT_EQ(splash.main_window()->txtKomoku->text(), QStringLiteral("歓迎会"));
    EXPECT_EQ(book.hozon_flag, -1);
    EXPECT_TRUE(script.shown.empty());
}

} // namespace
