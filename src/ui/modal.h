#pragma once
// Showing a dialog modally. In the application it is QDialog::exec; a test
// installs a script whose function gets the dialog instead (to look at it and
// accept or reject it) and returns the dialog's result.

#include <functional>

class QDialog;

namespace ui {

int run_modal(QDialog& dialog);

class ModalScript {
public:
    explicit ModalScript(std::function<int(QDialog&)> answer);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    std::function<int(QDialog&)> answer;
    int shown = 0;
};

} // namespace ui
