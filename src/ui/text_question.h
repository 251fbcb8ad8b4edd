#pragma once
// Asking the user for one line of text. In the application it is Qt's input
// dialog; tests install a script that answers from a queue (std::nullopt is
// the user's cancel) and records the questions.

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace ui {

// The text entered, or std::nullopt when the user cancelled.
std::optional<QString> ask_text(QWidget* parent, const QString& title, const QString& label,
                                const QString& text);

class TextScript {
public:
    TextScript();
    ~TextScript();
    TextScript(const TextScript&) = delete;
    TextScript& operator=(const TextScript&) = delete;

    std::deque<std::optional<QString>> answers;
    std::vector<QString> asked; // the labels
};

} // namespace ui
