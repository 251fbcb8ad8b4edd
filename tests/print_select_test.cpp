// 個別印刷 and セレクト印刷 on a main window started as the program starts it:
// the questions before printing, and the print selection dialog driven
// through its controls.
#include "print/frmSelectPrint.h"
#include "print/frmSirase.h"
#include "sheet_fixture.h"
#include "ui/print_recorder.h"
#include "ui/twips.h"

#include <QLabel>
#include <QListWidget>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kNoPeriod = QStringLiteral("年 とか 月 が  ありまへん ！");
const QString kPeriodOk = QStringLiteral("年 月  は   これで   ＯＫやろネ ？");
const QString kNoOrganizer = QStringLiteral("担当ネーム が  ありまへん ！");
const QString kOrganizerOk = QStringLiteral("担当ネーム  は   ＯＫやろネ ？");

// The names on the statements of a document, in order ("M0", "M0 No1", ...).
QStringList printed(const QStringList& ops) {
    QStringList out;
    for (const QStringList& page : ui::drawn_pages(ops))
        for (const QString& op : page) {
            const QStringList w = op.split(u' ');
            if (w[0] != QStringLiteral("text") || w[3] != QStringLiteral("11b")) continue;
            const int x = w[1].toInt();
            if (x == 53 || x == 148) out << w.mid(4).join(u' '); // X0 + 38 of either column
        }
    return out;
}

class StatementCommands : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        start(5);
        w->txtNengetu->setText(QStringLiteral("2026年12月"));
        w->txtMotojime->setText(QStringLiteral("幹事"));
        dialog = w->select_print_form;
        ASSERT_NE(dialog, nullptr) << "loaded when the main window became active";
    }
    static QPoint at(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }
    static void pick(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(list, row));
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::vector<int> marked() const {
        std::vector<int> out;
        for (int m = 0; m <= kMembers; ++m)
            if (book.print_mark[m] != 0) out.push_back(m);
        return out;
    }

    ui::PrinterCapture capture;
    frmSelectPrint* dialog = nullptr;
};

// Both commands ask the same; the organizer test compares the text itself.
TEST_F(StatementCommands, QuestionsBeforePrinting) {
    struct Case {
        const char* what;
        QString period, organizer;
        std::vector<ui::Answer> answers;
        std::vector<QString> boxes;
        bool goes_on;         // printed, or the dialog opened
        bool focus_organizer; // else the period box has the focus, when stopped
    };
    const ui::Answer cancel = ui::Answer::Cancel;
    const Case cases[] = {
        {"blank period",
         QStringLiteral("  "),
         QStringLiteral("幹事"),
         {},
         {kNoPeriod},
         false,
         false},
        {"period cancelled",
         QStringLiteral("12月"),
         QStringLiteral("幹事"),
         {cancel},
         {kPeriodOk},
         false,
         false},
        {"no organizer",
         QStringLiteral("12月"),
         QString(),
         {},
         {kPeriodOk, kNoOrganizer},
         false,
         true},
        {"organizer one blank",
         QStringLiteral("12月"),
         QStringLiteral(" "),
         {},
         {kPeriodOk, kNoOrganizer},
         false,
         true},
        {"organizer cancelled",
         QStringLiteral("12月"),
         QStringLiteral("幹事"),
         {ui::Answer::Ok, cancel},
         {kPeriodOk, kOrganizerOk},
         false,
         true},
        {"organizer two blanks",
         QStringLiteral("12月"),
         QStringLiteral("  "),
         {},
         {kPeriodOk, kOrganizerOk},
         true,
         false},
        {"organizer a full-width blank",
         QStringLiteral("12月"),
         QStringLiteral("　"),
         {},
         {kPeriodOk, kOrganizerOk},
         true,
         false},
    };
    bool notice_shown = false; // while the statements print
    capture.at_end = [&] {
        const auto* notice = w->findChild<frmSirase*>();
        notice_shown = notice && notice->isVisible();
    };
    for (const bool select : {false, true}) {
        for (const Case& c : cases) {
            const std::string what = std::string(select ? "select: " : "kobetu: ") + c.what;
            w->activateWindow();
            ASSERT_TRUE(wait_active(w.get()));
            w->txtKomoku->setFocus();
            w->txtNengetu->setText(c.period);
            w->txtMotojime->setText(c.organizer);
            capture.documents.clear();
            book.print_mark.fill(0);
            for (ui::Answer a : c.answers) script.answer(a);
            select ? w->print_select->trigger() : w->print_kobetu->trigger();

            std::vector<QString> shown;
            for (const auto& [text, icon] : boxes()) shown.push_back(text);
            EXPECT_EQ(shown, c.boxes) << what;
            // Taken into the book even when the command stops.
            EXPECT_EQ(book.nengetu, c.period) << what;
            EXPECT_EQ(book.motojime, c.organizer) << what;
            if (!c.goes_on) {
                EXPECT_EQ(focus(),
                          c.focus_organizer ? static_cast<QWidget*>(w->txtMotojime) : w->txtNengetu)
                    << what;
                EXPECT_TRUE(capture.documents.empty()) << what;
                EXPECT_TRUE(dialog->isHidden()) << what;
            } else if (select) {
                EXPECT_TRUE(wait_active(dialog)) << what;
                EXPECT_TRUE(capture.documents.empty()) << what;
            } else {
                ASSERT_EQ(capture.documents.size(), 1u) << what;
                EXPECT_EQ(printed(capture.documents[0]),
                          (QStringList{"名前0", "名前1", "名前2", "名前3", "名前4"}))
                    << what;
                EXPECT_EQ(marked().size(), size_t(kMembers)) << what;
                EXPECT_TRUE(notice_shown && w->findChild<frmSirase*>()->isHidden()) << what;
            }
        }
    }
}

TEST_F(StatementCommands, DialogPlacesItsControls) {
    struct Control {
        const char* name;
        QRect twips;
        QString caption, tooltip;
    };
    const QString list_tip = QStringLiteral("選択は リターンキーでも Ｗクリックでも  \"ＯＫ\"");
    const QString button_tip = QStringLiteral("選択は Ｗクリックでも リターンキーでも ”ＯＫ”");
    const Control controls[] = {
        {"lstName", {240, 360, 2055, 3435}, {}, list_tip},
        {"cmdSelct", {2640, 1080, 615, 375}, QStringLiteral("＞＞"), button_tip},
        {"cmdUnselect", {2640, 1800, 615, 375}, QStringLiteral("＜＜"), {}},
        {"cmdKakutei", {2640, 2640, 615, 495}, QStringLiteral("印刷"), {}},
        {"cmdYame", {2640, 3480, 615, 495}, QStringLiteral("中止"), {}},
        {"Label1", {3840, 480, 1455, 255}, QStringLiteral("印刷メンバー"), {}},
        {"lstSelectName", {3600, 840, 1935, 2760}, {}, {}},
    };
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("セレクト印刷"));
    EXPECT_TRUE(dialog->findChildren<QPushButton*>(QStringLiteral("cmdOjan")).isEmpty());
    for (const Control& c : controls) {
        const auto* control = dialog->frame->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        const QRect& r = c.twips;
        EXPECT_EQ(control->geometry(), ui::twips_rect(r.x(), r.y(), r.width(), r.height()))
            << c.name;
        EXPECT_EQ(control->property("text").toString(), c.caption) << c.name;
        EXPECT_EQ(control->toolTip(), c.tooltip) << c.name;
    }
}

TEST_F(StatementCommands, ChooseTakeBackRefusePrintInMemberOrder) {
    for (int m = 0; m < kMembers; ++m) book.print_mark[m] = 1; // an earlier 個別印刷
    w->print_select->trigger();
    ASSERT_TRUE(wait_active(dialog));
    EXPECT_EQ(boxes(), (Boxes{{kPeriodOk, ui::Icon::None}, {kOrganizerOk, ui::Icon::None}}));
    QListWidget* left = dialog->lstName;
    QListWidget* right = dialog->lstSelectName;
    ASSERT_EQ(left->count(), kMembers);
    EXPECT_EQ(left->item(0)->text(), QStringLiteral(" 1 名前0"));
    EXPECT_EQ(left->item(95)->text(), QStringLiteral(" 96 "));
    EXPECT_TRUE(marked().empty()) << "activation clears every print_mark";

    click(dialog->cmdKakutei);
    EXPECT_EQ(boxes(), (Boxes{{QStringLiteral("一人も 選んで おまへんで ？  印刷 できしまへん!!"),
                               ui::Icon::Exclamation}}));
    EXPECT_FALSE(dialog->isHidden());

    // Member 5 with ＞＞, member 2 with a double click, member 5 again with
    // Enter; member 9 (no name) and member 3 with ＞＞. Choosing copies.
    pick(left, 4);
    click(dialog->cmdSelct);
    pick(left, 1);
    QTest::mouseDClick(left->viewport(), Qt::LeftButton, {}, at(left, 1));
    pick(left, 4);
    QTest::keyClick(left, Qt::Key_Return);
    for (int row : {8, 2}) {
        pick(left, row);
        click(dialog->cmdSelct);
    }
    EXPECT_EQ(texts(right), (QStringList{" 5 名前4", " 2 名前1", " 9 ", " 3 名前2"}));
    EXPECT_EQ(dialog->select_count, 4);
    EXPECT_EQ(left->count(), kMembers);
    EXPECT_EQ(marked(), (std::vector<int>{1, 2, 4, 8}));

    // Taking back with ＜＜ leaves nothing selected, so a second ＜＜ does
    // nothing; nor does a double click on the right list.
    pick(right, 3);
    click(dialog->cmdUnselect);
    click(dialog->cmdUnselect);
    QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, at(right, 0));
    EXPECT_EQ(texts(right), (QStringList{" 5 名前4", " 2 名前1", " 9 "}));
    EXPECT_EQ(dialog->select_count, 3);
    EXPECT_EQ(marked(), (std::vector<int>{1, 4, 8}));

    // The window system may hand the activation back while the notice shows;
    // that does not start the choice over under the printing.
    QCoreApplication::postEvent(dialog, new QEvent(QEvent::WindowActivate));
    dialog->cmdKakutei->click();
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(dialog->isHidden());
    ASSERT_EQ(capture.documents.size(), 1u);
    EXPECT_EQ(printed(capture.documents[0]), (QStringList{"名前1", "名前4"}));
    EXPECT_EQ(marked(), (std::vector<int>{1, 4, 8})) << "kept until the next activation";

    // Opened again, then the main window, then the dialog again: the choice
    // starts over each time the dialog becomes active.
    w->activateWindow();
    ASSERT_TRUE(wait_active(w.get()));
    w->print_select->trigger();
    ASSERT_TRUE(wait_active(dialog));
    EXPECT_TRUE(marked().empty());
    pick(left, 0);
    click(dialog->cmdSelct);
    w->activateWindow();
    ASSERT_TRUE(wait_active(w.get()));
    EXPECT_TRUE(dialog->isHidden());
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(wait_active(dialog));
    EXPECT_EQ(right->count(), 0);
    EXPECT_EQ(dialog->select_count, 0);
    EXPECT_TRUE(marked().empty());

    // 中止 hides without printing; closing the main window unloads the dialog.
    click(dialog->cmdYame);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(capture.documents.size(), 1u);
    w->close();
    EXPECT_EQ(w->select_print_form, nullptr);
}

} // namespace
