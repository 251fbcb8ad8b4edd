#include "ui/text_question.h"

#include <QInputDialog>

namespace ui {

namespace {
TextScript* active_script = nullptr;
} // namespace

TextScript::TextScript() {
    active_script = this;
}
TextScript::~TextScript() {
    if (active_script == this) active_script = nullptr;
}

std::optional<QString> ask_text(QWidget* parent, const QString& title, const QString& label,
                                const QString& text) {
    if (active_script) {
        active_script->asked.push_back(label);
        if (active_script->answers.empty()) return std::nullopt;
        std::optional<QString> answer = active_script->answers.front();
        active_script->answers.pop_front();
        return answer;
    }
    bool ok = false;
    const QString entered =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return entered;
}

} // namespace ui
