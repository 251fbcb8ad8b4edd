#pragma once
// Labels and text boxes that report Click and DblClick as the forms runtime
// does; the other controls are Qt's own (see the event mapping in frmTavu.h).

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace ui {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A text box. Enter and Return emit enterPressed (the key is not consumed).
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void clicked();
    void doubleClicked();
    void enterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Puts a member's name on a button as it stands: an "&" in a name is shown,
// not taken as a keyboard shortcut.
void set_caption(QAbstractButton* button, const QString& text);

} // namespace ui
