#pragma once
// The two-list dialog: entries are picked from a left list into a right
// list, and a confirm button acts on the right list. The item order dialog
// and the print selection dialog are both built on it; each gives its
// layout and fills in the hooks below, and adds whatever else it needs.
//
// Shared behaviour:
//   load (construction)  centred on the screen
//   Form_Activate        every time the dialog is activated (shown, or moved
//                        to from another form; ui/form_activation.h):
//                        clear_lists, then fill_source (starts over)
//   "＞＞", double click or Enter on the left list   select_entry
//   "＜＜", Enter on the right list                   unselect_entry
//   select_entry / unselect_entry do nothing without a selected entry
//   the confirm button   refused with the layout's message (exclamation)
//                        while the right list is empty; else confirm(), and
//                        the dialog hides unless confirm() returned -1
//   "中止"               hides, changes nothing
//
// Each entry keeps the slot (item or member) it was listed from in its
// Qt::UserRole data, wherever it is moved. A dialog whose choosing copies an
// entry instead of moving it overrides place_entry and take_back_entry; its
// work values (marks, counters) are reset in reset_work.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

class QFrame;
class QLabel;

namespace ui {

class TwoListDialog : public QWidget {
    Q_OBJECT
public:
    struct ListSpec {
        const char* name;
        QRect place; // twips, inside the frame
        QString tooltip;
    };
    struct Layout {
        const char* name;
        QString caption;
        QSize client;    // twips
        QRect frame;     // twips, inside the window
        ListSpec source; // left list
        ListSpec target; // right list
        QRect select;    // "＞＞"
        QRect unselect;  // "＜＜"
        QString confirm_caption;
        QRect confirm;
        QRect cancel;           // "中止"
        QString nothing_chosen; // refusal of the confirm button with an empty right list
    };

    TwoListDialog(const Layout& layout, QWidget* owner);

    // Controls every two-list dialog has, under the names both dialogs use.
    QFrame* frame = nullptr; // holds every control
    QListWidget* lstSource = nullptr;
    QListWidget* lstTarget = nullptr;
    QPushButton* cmdSelct = nullptr;
    QPushButton* cmdUnselect = nullptr;
    QPushButton* cmdKakutei = nullptr;
    QPushButton* cmdYame = nullptr;

    void Form_Load();
    void Form_Activate();
    void cmdSelct_Click();
    void cmdUnselect_Click();
    void source_DblClick();
    void source_KeyPress(int key_ascii);
    void target_KeyPress(int key_ascii);
    void cmdKakutei_Click();
    void cmdYame_Click();

    // Empties both lists and the dialog's work tables (reset_work).
    void clear_lists();
    void select_entry();
    void unselect_entry();

    // The row of the list's selected entry, -1 when none is selected.
    static int selected_row(const QListWidget* list);
    // The slot an entry stands for.
    static int slot_of(const QListWidgetItem* entry);

protected:
    // Adds an entry for `slot` at the end of the left list.
    void add_source_entry(const QString& text, int slot);

    // Hooks: what differs between the dialogs.
    virtual void reset_work() = 0;  // the book's work tables, at clear_lists
    virtual void fill_source() = 0; // the left list, after clear_lists
    // Picking and taking back, with the row of the selected entry. By
    // default an entry moves to the end of the other list.
    virtual void place_entry(int source_row);
    virtual void take_back_entry(int target_row);
    // The confirm button once the right list holds something: -1 keeps the
    // dialog open (a message has been shown).
    virtual qint16 confirm() = 0;

    // Names a screen reader gives the lists, and "＞＞" / "＜＜" by what
    // they do with them.
    void name_lists(const QString& source, const QString& target);

    // The dialogs' own extra controls, placed in twips inside the frame.
    QPushButton* add_button(const char* name, const QString& caption, const QRect& place);
    QLabel* add_label(const char* name, const QString& caption, const QRect& place);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString nothing_chosen;
};

} // namespace ui
