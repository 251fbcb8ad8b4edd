// Which activations of the program's forms are form activations: the item
// order dialog starts its arrangement over at one, the main window hides the
// list dialogs at one. Each row makes a path of windows active, then the
// form; what the form did tells whether it was activated.
#include "items/frmKomokuSort.h"
#include "print/frmSelectPrint.h"
#include "print/frmSirase.h"
#include "sheet_fixture.h"
#include "ui/form_activation.h"

#include <QMenu>
#include <QMessageBox>
#include <QWindow>

namespace {

enum class Step {
    Outside,      // another application: no window of the program active
    Main,         // the main window
    SelectDialog, // the print selection dialog, shown by the program
    Box,          // a message box over the active window, then closed
    Notice,       // the printing notice, shown and hidden
    Popup,        // a popup menu over the active window, then closed
};
enum class Target { SortDialog, SortDialogShown, Main };

struct Row {
    const char* previous;
    std::vector<Step> path; // after the item order dialog, with one title placed
    Target target;
    bool activation;
};

class FormActivation : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        book.komoku_name[0] = QStringLiteral("会費");
        book.komoku_name[1] = QStringLiteral("お祝い");
        book.komoku_kingaku = {500, 3000};
        start(5);
        other.resize(100, 100);
    }

    bool make_active(QWidget* window) {
        window->activateWindow();
        return wait_active(window);
    }
    void take(Step step) {
        switch (step) {
        case Step::Outside:
            other.show();
            other.requestActivate();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            ASSERT_EQ(QApplication::activeWindow(), nullptr);
            break;
        case Step::Main:
            ASSERT_TRUE(make_active(w.get()));
            break;
        case Step::SelectDialog:
            ui::show_form(w->select_print_form);
            ASSERT_TRUE(wait_active(w->select_print_form));
            break;
        case Step::Box: {
            QMessageBox box(QMessageBox::Information, QStringLiteral("TAVU"), QStringLiteral("box"),
                            QMessageBox::Ok, QApplication::activeWindow());
            box.setModal(true);
            box.show();
            ASSERT_TRUE(wait_active(&box));
            box.hide();
            break;
        }
        case Step::Notice: {
            frmSirase& notice = w->printing_notice();
            notice.show_now();
            ASSERT_TRUE(make_active(&notice));
            notice.hide();
            break;
        }
        case Step::Popup: {
            QMenu menu(QApplication::activeWindow());
            menu.addAction(QStringLiteral("entry"));
            menu.popup(QPoint(10, 10));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
            menu.close();
            break;
        }
        }
    }

    QWindow other; // a window of another application
};

TEST_F(FormActivation, OnlyFromAnotherFormOrWhenShown) {
    const Row rows[] = {
        {"main window", {Step::Outside, Step::Main}, Target::SortDialog, true},
        {"print selection dialog", {Step::SelectDialog}, Target::SortDialog, true},
        {"message box", {Step::Box}, Target::SortDialog, false},
        {"printing notice", {Step::Notice}, Target::SortDialog, false},
        {"popup menu", {Step::Popup}, Target::SortDialog, false},
        {"another application", {Step::Outside}, Target::SortDialog, false},
        {"message box, shown again by the program", {Step::Box}, Target::SortDialogShown, true},
        {"item order dialog", {}, Target::Main, true},
        // clang-format off
        {"message box over the main window", {Step::Outside, Step::Main, Step::Box}, Target::Main, false},
        // clang-format on
        {"another application", {Step::Outside}, Target::Main, false},
    };
    frmKomokuSort* dialog = w->komoku_sort_form;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.previous);
        ASSERT_TRUE(make_active(w.get()));
        w->komoku_sort->trigger();
        ASSERT_TRUE(wait_active(dialog));
        dialog->lstKomoku->setCurrentRow(1);
        dialog->cmdSelct_Click();
        ASSERT_EQ(texts(dialog->lstSelectKomoku), QStringList{QStringLiteral("お祝い")});

        for (Step step : row.path) {
            take(step);
            if (HasFatalFailure()) return;
        }
        if (row.target == Target::Main) {
            ASSERT_TRUE(make_active(w.get()));
            EXPECT_EQ(dialog->isHidden(), row.activation);
        } else {
            if (row.target == Target::SortDialogShown) ui::show_form(dialog);
            ASSERT_TRUE(row.target == Target::SortDialogShown ? wait_active(dialog)
                                                              : make_active(dialog));
            EXPECT_EQ(dialog->lstSelectKomoku->count() == 0, row.activation);
        }
        other.hide();
        w->select_print_form->hide();
    }
}

} // namespace
