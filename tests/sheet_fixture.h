#pragma once
// A main window over a fresh book, started the way the program starts it
// (names in the captions, 割勘 selected, first item drawn), shown off screen
// with its message boxes scripted.

#include "app/features.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <memory>

class SheetTest : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        w = std::make_unique<frmTavu>(book);
        features = app::attach_features(*w);
    }
    void TearDown() override {
        w.reset();
        TempWorkdir::TearDown();
    }

    // Members 0..count-1 get names, the others stay nameless.
    void name_members(int count) {
        for (int i = 0; i < kMembers; ++i) {
            const QString name = i < count ? QStringLiteral("名前%1").arg(i) : QString();
            book.member_name[i] = name;
            w->lbl1[i]->setText(name);
            w->chk1[i]->setText(name);
        }
    }

    void start(int named = 10) {
        name_members(named);
        w->optKinto->setChecked(true);
        w->gamen_kosin();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        book.hozon_flag = -1;
    }

    // Shows item `c` as the sheet would after paging to it.
    void show_item(int c) {
        book.cur_komoku = qint16(c);
        w->gamen_kosin();
    }

    QWidget* focus() const { return QApplication::focusWidget(); }

    // Text and icon of every box shown so far, and forgets them.
    std::vector<std::pair<QString, ui::Icon>> boxes() {
        std::vector<std::pair<QString, ui::Icon>> out;
        for (const ui::ShownBox& b : script.shown) out.emplace_back(b.text, b.icon);
        script.shown.clear();
        return out;
    }
    using Boxes = std::vector<std::pair<QString, ui::Icon>>;

    // QTest::qWaitForWindowActive counts a dialog as active while its owner
    // is: this waits for the window itself.
    static bool wait_active(QWidget* window) {
        for (int i = 0; i < 200 && QApplication::activeWindow() != window; ++i) QTest::qWait(5);
        return QApplication::activeWindow() == window;
    }
    // The entries of a list, top to bottom.
    static QStringList texts(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    static QString two_lines(const char16_t* first, const char16_t* second) {
        return QString::fromUtf16(first) + QStringLiteral("\r\n\r\n") + QString::fromUtf16(second);
    }

    Book book;
    ui::MessageScript script;
    std::unique_ptr<frmTavu> w;
    app::Features features;
};

inline const QString kNotDigits = QStringLiteral("数字以外は  あきまへんで！！");
inline const QString kHeadCount = QStringLiteral("メンバーは  １人以上 ９６人 以下 でっせ！");
