#pragma once
// A main window on its own book in its own folder, with scripted message
// boxes, and the few user gestures the roster tests need.

#include "app/features.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/colors.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class RosterTest : public TempWorkdir {
protected:
    // Starts the window as the program does, on whatever the folder and the
    // book hold.
    void open() {
        form = std::make_unique<frmTavu>(book);
        app::attach_features(*form);
        form->Form_Load();
        form->show();
    }

    // Names for members 0..n-1: "名前01", "名前02", ...
    void name_members(int n) {
        for (int i = 0; i < n; ++i)
            book.member_name[i] = QStringLiteral("名前%1").arg(i + 1, 2, 10, QChar(u'0'));
    }

    static void press(QWidget* w, QEvent::Type type) {
        const QPointF at(2, 2);
        QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    static void click(QWidget* w) {
        press(w, QEvent::MouseButtonPress);
        press(w, QEvent::MouseButtonRelease);
    }
    static void double_click(QWidget* w) {
        click(w);
        press(w, QEvent::MouseButtonDblClick);
        press(w, QEvent::MouseButtonRelease);
    }
    static void key(QWidget* w, int key, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &event);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }

    // Types a name into the input box over what it holds, then Enter.
    void type_name(const QString& name, bool enter = true) {
        form->txtName_Input->selectAll();
        form->txtName_Input->insert(name);
        if (enter) key(form->txtName_Input, Qt::Key_Return, QStringLiteral("\r"));
    }
    void start_editing() { form->hensyu_name->trigger(); }
    void finish_editing() { form->cmdGetname_yame->click(); }

    bool red(int i) const {
        return ui::fore_color(form->lbl1[i]) == 0x0000FF &&
               ui::fore_color(form->chk1[i]) == 0x0000FF;
    }
    bool menus_shown() const {
        for (QMenu* m : {form->menu_file, form->file_print, form->menu_hensyu, form->tavu})
            if (!m->menuAction()->isVisible()) return false;
        return true;
    }
    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (const auto& box : script.shown) out.push_back(box.text);
        return out;
    }

    ui::MessageScript script;
    Book book;
    std::unique_ptr<frmTavu> form;
};
