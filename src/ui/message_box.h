#pragma once
// The one way the program shows a message. In the application it is a modal
// QMessageBox; tests install a script instead, which answers from a queue
// and records every box shown.

#include <QString>
class QWidget;
#include <deque>
#include <vector>

namespace ui {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo }; // YesNo has No preselected
enum class Answer { Ok, Cancel, Yes, No };

inline const QString kAppTitle = QStringLiteral("TAVU");
// The blank line between a message's paragraphs.
inline const QString kGap = QStringLiteral("\r\n\r\n");

Answer msg_box(const QString& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
               const QString& title = kAppTitle);

// A refused input: the critical message with OK, then the focus goes to the
// box at fault.
void refuse(const QString& text, QWidget* box);

struct ShownBox {
    QString text;
    Icon icon;
    Buttons buttons;
    QString title;
};

// Test seam: while a script is installed no real box appears. Each box takes
// the next queued answer; with the queue empty it takes the default button
// (OK, or No for Yes/No).
class MessageScript {
public:
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void answer(Answer a) { answers.push_back(a); }
    std::deque<Answer> answers;
    std::vector<ShownBox> shown;
};

} // namespace ui
