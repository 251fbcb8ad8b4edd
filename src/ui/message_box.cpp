#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace ui {

namespace {
MessageScript* active_script = nullptr;

QMessageBox::Icon qt_icon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageScript::MessageScript() {
    active_script = this;
}
MessageScript::~MessageScript() {
    if (active_script == this) active_script = nullptr;
}

Answer msg_box(const QString& text, Icon icon, Buttons buttons, const QString& title) {
    if (active_script) {
        active_script->shown.push_back({text, icon, buttons, title});
        if (!active_script->answers.empty()) {
            Answer a = active_script->answers.front();
            active_script->answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

    QMessageBox box(qt_icon(icon), title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        break;
    case Buttons::OkCancel:
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.addButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.addButton(QMessageBox::Yes);
        box.setDefaultButton(box.addButton(QMessageBox::No));
        break;
    }
    box.exec();
    auto* clicked = box.clickedButton();
    switch (box.standardButton(clicked)) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    // Closed with Escape or the window's close button.
    return buttons == Buttons::YesNo ? Answer::No
                                     : (buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel);
}

void refuse(const QString& text, QWidget* box) {
    msg_box(text, Icon::Critical);
    box->setFocus();
}

} // namespace ui
