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
        const bool cancelled = !active_script->answers.front().has_value();
        const QString answer = active_script->answers.front().value_or(QString());
        active_script->answers.pop_front();
        if (cancelled) return std::nullopt;
        return answer;
    }
    bool ok = false;
    const QString entered =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return entered;
}

} // namespace ui
