#include "ui/modal.h"

#include <QDialog>

namespace ui {

namespace {
ModalScript* active_script = nullptr;
} // namespace

ModalScript::ModalScript(std::function<int(QDialog&)> a) : answer(std::move(a)) {
    active_script = this;
}
ModalScript::~ModalScript() {
    if (active_script == this) active_script = nullptr;
}

int run_modal(QDialog& dialog) {
    if (!active_script) return dialog.exec();
    ++active_script->shown;
    return active_script->answer(dialog);
}

} // namespace ui
