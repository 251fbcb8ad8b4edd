// The main window without a mouse and through a screen reader: Tab in
// reading order, the keys of the amount boxes and the mode options, and the
// names a screen reader gives the boxes.
#include "sheet_fixture.h"

#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>
#include <map>
#include <set>

namespace {

class Keyboard : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start(3);
    }
    void to_bara() {
        w->txtKomoku->setText(QStringLiteral("餞別"));
        w->optBara->setChecked(true);
    }
    // The object names of the first `count` Tab stops from the item title.
    QStringList tab_stops(int count) {
        w->txtKomoku->setFocus();
        QStringList stops;
        for (int i = 0; i < count; ++i) {
            stops << focus()->objectName();
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return stops;
    }
    static QString spoken(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
};

TEST_F(Keyboard, TabGoesInReadingOrderPastTheBoxesOnlyTheProgramWrites) {
    // The two mode options are one stop (the arrows move between them);
    // the member pages are their tab bar's stop.
    const QStringList kinto = {"txtKomoku",  "cmdNext",    "cmdBack",     "cmdKomokuDel",
                               "optKinto",   "txtNengetu", "txtSogaku",   "txtNin",
                               "txtKingaku", "cmdCalc",    "txtMotojime", "qt_tabwidget_tabbar",
                               "chk1_0",     "chk1_1",     "chk1_2",      "txtKomoku"};
    EXPECT_EQ(tab_stops(int(kinto.size())), kinto);
    to_bara();
    const QStringList bara = {
        "txtKomoku",           "cmdNext", "cmdBack", "cmdKomokuDel", "optKinto",
        "txtNengetu",          "optBoss", "txtBoss", "txtHira",      "txtMotojime",
        "qt_tabwidget_tabbar", "txt1_0",  "txt1_1",  "txt1_2",       "txtKomoku"};
    EXPECT_EQ(tab_stops(int(bara.size())), bara);
}

TEST_F(Keyboard, ArrowsMoveBetweenTheModesWithoutSwitching) {
    w->optKinto->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) {
        QWidget* from = focus();
        QTest::keyClick(from, key);
        EXPECT_EQ(focus(), from == w->optKinto ? w->optBara : w->optKinto) << key;
        EXPECT_TRUE(w->optKinto->isChecked()) << key;
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Keyboard, EnterAndSpaceInAnAmountBoxPutThePreset) {
    to_bara();
    w->txtBoss->setText(QStringLiteral("1000"));
    struct Case {
        Qt::Key key;
        QString expected;
    };
    const Case cases[] = {
        {Qt::Key_Return, QStringLiteral("1000")},
        {Qt::Key_Enter, QStringLiteral("1000")},
        {Qt::Key_Space, QStringLiteral("1000")},
        {Qt::Key_5, QStringLiteral("5")}, // other keys type as usual
    };
    for (const Case& c : cases) {
        w->txt1[1]->clear();
        w->txt1[1]->setFocus();
        QTest::keyClick(w->txt1[1], c.key);
        EXPECT_EQ(w->txt1[1]->text(), c.expected) << c.key;
    }
    EXPECT_EQ(w->txtChkCnt->text(), QStringLiteral(" 1"));
    // Without a preset, the same message as a click.
    w->txtBoss->clear();
    QTest::keyClick(w->txt1[2], Qt::Key_Space);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("金額を入れてから クリックしてや ！"),
                               ui::Icon::Exclamation}}));
}

TEST_F(Keyboard, EveryBoxHasANameAndAmountBoxesFollowTheNames) {
    to_bara();
    const std::pair<QWidget*, QString> names[] = {
        {w->txtKomoku, QStringLiteral("項目")},
        {w->txtKomokuNo, QStringLiteral("項目の番号")},
        {w->txtNengetu, QStringLiteral("年 月")},
        {w->txtMotojime, QStringLiteral("担当者")},
        {w->txtSogaku, QStringLiteral("総額")},
        {w->txtNin, QStringLiteral("人数")},
        {w->txtKingaku, QStringLiteral("割額")},
        {w->txtChkCnt, QStringLiteral("ﾏｰｸNow")},
        {w->txtSyokei, QStringLiteral("計Now")},
        {w->optBoss, QStringLiteral("上役の金額を入れる")},
        {w->txtBoss, QStringLiteral("上役の金額")},
        {w->optHira, QStringLiteral("一般の金額を入れる")},
        {w->txtHira, QStringLiteral("一般の金額")},
        {w->txtName_Input, QStringLiteral("名  前")},
        {w->txtBango, QStringLiteral("メンバーの番号")},
        {w->txt1[0], QStringLiteral("名前0 の金額")},
        {w->txt1[50], QStringLiteral("51番 の金額")},
    };
    for (const auto& [widget, name] : names)
        EXPECT_EQ(spoken(widget), name) << widget->objectName().toStdString();

    // A name changed on the sheet: the box says the new one once shown
    // again, and as soon as it has the focus.
    w->lbl1[0]->setText(QStringLiteral("新しい人"));
    w->gamen_kosin();
    EXPECT_EQ(spoken(w->txt1[0]), QStringLiteral("新しい人 の金額"));
    w->lbl1[1]->setText(QStringLiteral("もう一人"));
    w->txt1[1]->setFocus();
    EXPECT_EQ(spoken(w->txt1[1]), QStringLiteral("もう一人 の金額"));
}

// What each menu shows once opened: the entries the sheet was described
// with as written, the others with their letter, no letter twice in a menu.
TEST_F(Keyboard, MenuEntriesShowTheirLettersOncePerMenu) {
    const std::map<QString, QString> shown = {
        {"再読込", "再読込"},
        {"保存", "保存"},
        {"ＣＳＶ出力", "ＣＳＶ出力(&C)"},
        {"名簿の読み込み", "名簿の読み込み(&I)"},
        {"終了", "終了"},
        {"帳票の印刷", "帳票の印刷"},
        {"セレクト印刷", "セレクト印刷"},
        {"領収書", "領収書(&R)"},
        {"お支払いのお願い", "お支払いのお願い(&O)"},
        {"一人ずつ PDF", "一人ずつ PDF(&P)"},
        {"個別（明細）…", "個別（明細）(&K)…"},
        {"領収書…", "領収書(&R)…"},
        {"お支払いのお願い…", "お支払いのお願い(&O)…"},
        {"お願いの 一言…", "お願いの 一言(&W)…"},
        {"印刷先の選択…", "印刷先の選択(&D)…"},
        {"帳票", "帳票(&1)"},
        {"名前の編集", "名前の編集"},
        {"集金チェック", "集金チェック(&S)"},
        {"全マーク", "全マーク"},
        {"Ｔａｖｕのヘルプ", "Ｔａｖｕのヘルプ"},
    };
    std::map<QString, int> found;
    const auto check = [&](auto& self, QMenu* menu) -> void {
        emit menu->aboutToShow();
        std::set<QString> letters;
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator()) continue;
            QString caption = entry->text();
            caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
            if (auto it = shown.find(caption); it != shown.end()) {
                EXPECT_EQ(entry->text(), it->second) << menu->title().toStdString();
                ++found[caption];
            }
            const QString letter = QKeySequence::mnemonic(entry->text()).toString();
            if (!letter.isEmpty()) {
                EXPECT_TRUE(letters.insert(letter).second)
                    << letter.toStdString() << " twice in " << menu->title().toStdString();
            }
            if (entry->menu()) self(self, entry->menu());
        }
    };
    for (QAction* top : w->menuBar()->actions()) {
        EXPECT_FALSE(top->text().contains(u'&')) << top->text().toStdString();
        check(check, top->menu());
    }
    for (const auto& [caption, text] : shown) EXPECT_GE(found[caption], 1) << caption.toStdString();
}

} // namespace
