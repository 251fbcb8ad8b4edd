#pragma once
// When a window of the program becoming active is a form activation (the
// forms runtime's Activate), decided in one place for every form.
//
// A form is activated when the program has just shown it, or when the user
// moves to it from another of the program's forms (main window, item order
// dialog, print selection dialog, ...). Getting the focus back from one of
// the program's message boxes, from the printing notice, from a popup menu,
// or from another application or the desktop is not an activation: it must
// not start over what the user is making in the form.
//
// A form overrides event() and asks form_activated() on each
// QEvent::WindowActivate; the program shows its forms with show_form().

class QWidget;

namespace ui {

// The window that was active before: one of the program's forms, one of its
// message boxes (any window the program waits on), the printing notice, a
// popup menu, or nothing of the program's.
enum class PreviousWindow { Form, MessageBox, Notice, PopupMenu, Outside };

// The rule itself.
bool is_form_activation(bool just_shown, PreviousWindow previous);

// Starts keeping track of which window is active; each form calls it when
// it is made, before it can become active.
void watch_activations();

// For a form's QEvent::WindowActivate: whether it is a form activation.
bool form_activated(QWidget* form);

// Shows, raises and activates a form; its next activation counts as "just
// shown", also when the form was on screen already.
void show_form(QWidget* form);

// The printing notice is no form: becoming active after it is no activation.
void mark_as_notice(QWidget* window);

} // namespace ui
