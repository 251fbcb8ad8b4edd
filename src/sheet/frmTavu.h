#pragma once
// frmTavu, the main window: the collection sheet with its four member pages.
//
// Map of the window (members are defined in the folder of their subsystem):
//   src/sheet/frmTavu_setup.cpp    construction: controls, positions, fonts, menus;
//                                  connect_sheet_handlers
//   src/sheet/refresh.cpp          gamen_kosin
//   src/sheet/mode_switch.cpp      optKinto_Click, optBara_Click
//   src/sheet/change_handlers.cpp  chk1_Click, text_changed, header Change handlers
//   src/sheet/commit.cpp           newdata_memo, ninzu_check, suji_henkan, clip_names
//   src/sheet/paging.cpp           cmdNext_Click, cmdBack_Click, Enter in txtKomoku
//   src/sheet/split.cpp            cmdCalc_Click
//   src/sheet/marking.cpp          mark-all, txt1 clicks, presets
//   src/sheet/entry_wiring.cpp     connect_entry_handlers
//   src/sheet/accessibility.cpp    names for a screen reader, Tab order, keys
//   src/sheet/name_editing.cpp     name editing mode; connect_roster_handlers
//   src/sheet/member_shift.cpp     member insert and delete
//   src/sheet/name_paste.cpp       several names pasted in name editing
//   src/sheet/roster_hint.cpp      the line shown while the roster is empty
//   src/sheet/read_only.cpp        a book that may not be written: what is greyed
//   src/app/startup.cpp            Form_Load, name_hyoji, name_font, read_data_files,
//                                  report_read_result, prepare_drawing
//   src/app/save_exit.cpp          data_hozon, 全体保存, 再読込, 終了, closing, help;
//                                  closeEvent, event, connect_app_handlers
//   src/items/item_commands.cpp    item delete, the item order dialog;
//                                  connect_items_handlers
//   src/print/print_thohyo.cpp     帳票の印刷, the printing notice; connect_print_handlers
//   src/print/print_kobetu.cpp     個別印刷, セレクト印刷, the statement print run;
//                                  connect_statement_handlers
// Each subsystem wires its own handlers in its connect_* function, which the
// constructor calls.
//
// Features beyond the sheet are objects of their own in their folders, made
// by app/features.cpp for this window (and for a closed period's window) and
// connected to its menu entries; those that add entries of their own keep
// them:
//   src/roster/roster_file_feature   名簿の読み込み (frmRosterImport), its undo,
//                                    名簿の書き出し
//   src/print/csv_feature            ＣＳＶ出力 (the book, the payments)
//   src/periods/new_period_feature   新しい期間: archive the book, start the next period
//   src/print/preview_feature        印刷プレビュー, 印刷先の選択; open_preview
//   src/print/unpaid_feature         未収一覧 (print and preview)
//   src/print/member_papers          領収書, お支払いのお願い, 一人ずつ PDF
//   src/payments/payments_feature    集金チェック (frmSyukin)
//   src/periods/periods_feature      過去の期間 (frmKako), the year's totals
// They reach the window only through what is public here: the book's
// document, the controls and menus, commit_sheet and the handlers that show
// the book again (name_hyoji, name_font, gamen_kosin) or save it (data_hozon).
//
// State: the window keeps none of its own beyond its controls; everything
// lives in the document of the open book (book/book_document.h): the Book,
// whether it may be written (write_guard, asked by every writing command)
// and the state of "allitem.hrm" as last read or saved (hrm_stamp). The
// window tells the document when it drew, saved or read the book again.
//
// Event rules: check box Click = toggled; option Click = toggled(true); text
// box Change = textChanged; Label/TextBox Click and DblClick from ui/controls;
// "visible" means the control's own flag (!isHidden()), which holds for
// members on tab pages that are not shown.

#include "book/book.h"
#include "book/book_document.h"
#include "book/data_files.h"
#include "book/write_guard.h"
#include "ui/controls.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <array>
#include <memory>

class frmSirase;

class frmTavu : public QMainWindow {
    Q_OBJECT
public:
    // Over the document of the program's open book.
    explicit frmTavu(BookDocument& document, QWidget* parent = nullptr);
    // Over a document of its own for `book`, in the current folder.
    explicit frmTavu(Book& book, QWidget* parent = nullptr);
    ~frmTavu() override;

private:
    std::unique_ptr<BookDocument> own_document_; // when made over a bare Book

public:
    BookDocument& document;
    // The document's, under the names every handler uses. The guard is set
    // before Form_Load.
    Book& book;
    WriteGuard& write_guard;
    FileStamp& hrm_stamp;

    // ---- top band ----
    QFrame* fraCheck = nullptr;
    ui::ClickLabel* Label7 = nullptr;
    ui::TextBox* txtKomokuNo = nullptr;
    ui::TextBox* txtKomoku = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdKomokuDel = nullptr;
    QFrame* fraDochi = nullptr;
    QRadioButton* optKinto = nullptr;
    QRadioButton* optBara = nullptr;
    QFrame* fraHyoji = nullptr;
    ui::ClickLabel* Label6 = nullptr;
    ui::TextBox* txtChkCnt = nullptr;
    ui::ClickLabel* Label2 = nullptr;
    ui::TextBox* txtNengetu = nullptr;
    ui::ClickLabel* Label3 = nullptr;
    ui::TextBox* txtMotojime = nullptr;

    // ---- equal-split panel ----
    QFrame* fraOkane = nullptr;
    ui::ClickLabel* lblOkane = nullptr;
    ui::TextBox* txtSogaku = nullptr;
    ui::TextBox* txtNin = nullptr;
    ui::ClickLabel* Label4 = nullptr;
    ui::ClickLabel* Label5 = nullptr;
    ui::TextBox* txtKingaku = nullptr;
    QPushButton* cmdCalc = nullptr;

    // ---- individual-amount panel ----
    QFrame* fraBara = nullptr;
    QRadioButton* optBoss = nullptr;
    ui::TextBox* txtBoss = nullptr;
    QRadioButton* optHira = nullptr;
    ui::TextBox* txtHira = nullptr;
    ui::ClickLabel* Label8 = nullptr;
    ui::TextBox* txtSyokei = nullptr;

    // ---- member pages ----
    QTabWidget* tabTavu = nullptr;
    std::array<QWidget*, 4> tab_pages{};
    std::array<QCheckBox*, kMembers> chk1{};
    std::array<ui::ClickLabel*, kMembers> lbl1{};
    std::array<ui::TextBox*, kMembers> txt1{};

    // ---- name editing panel (over the top band) ----
    QGroupBox* fraGetname = nullptr;
    ui::TextBox* txtBango = nullptr;
    QScrollBar* vsbName = nullptr;
    ui::ClickLabel* Label1 = nullptr;
    ui::TextBox* txtName_Input = nullptr;
    QPushButton* cmdName_insert = nullptr;
    QPushButton* CmdName_Del = nullptr;
    QPushButton* cmdGetname_yame = nullptr;

    // ---- menus ----
    QMenu* menu_file = nullptr;
    QAction* data_reload = nullptr;
    QMenu* file_hozon = nullptr;
    QAction* file_all_hozon = nullptr;
    QAction* file_csv = nullptr;        // ＣＳＶ出力
    QAction* file_csv_pay = nullptr;    // ＣＳＶ出力 (集金の記録)
    QAction* file_meibo_in = nullptr;   // 名簿の読み込み
    QAction* file_meibo_out = nullptr;  // 名簿の書き出し
    QAction* file_new_period = nullptr; // 新しい期間
    QAction* file_kako = nullptr;       // 過去の期間
    QAction* file_restore = nullptr;    // 前の保存に戻す
    QAction* file_end = nullptr;
    QMenu* file_print = nullptr;
    QAction* print_thohyo = nullptr;
    QAction* print_kobetu = nullptr;
    QAction* print_select = nullptr;
    QMenu* menu_hensyu = nullptr;
    QAction* hensyu_name = nullptr;
    QAction* komoku_sort = nullptr;
    QAction* hensyu_meibo_undo = nullptr; // 名簿の読み込みを取り消す
    QAction* syukin_check = nullptr;      // 集金チェック
    QMenu* tavu = nullptr;
    QAction* all_tavu = nullptr;
    QAction* all_tavu_off = nullptr;
    QMenu* help = nullptr;
    QAction* tavu_help = nullptr;

    // ---- sheet: refresh ----
    void gamen_kosin();

    // ---- sheet: item entry, validation and commit ----
    qint16 newdata_memo(qint16 dochi);
    qint16 ninzu_check(qint16 dochi);
    // What every command that reads the whole book does first: the shown
    // item into the book (newdata_memo) and its head count checked
    // (ninzu_check). False when either refused; the user has been told.
    bool commit_sheet();
    QString suji_henkan(const QString& text);
    void clip_names(int width);
    void cmdNext_Click();
    void cmdBack_Click();
    void txtKomoku_KeyPress(int key);

    // ---- sheet: split calculation and mode switches ----
    void cmdCalc_Click();
    void optKinto_Click();
    void optBara_Click();

    // ---- sheet: marking and amount input ----
    void chk1_Click(int index);
    void all_tavu_Click();
    void all_tavu_off_Click();
    void txt1_Click(int index);
    void txt1_DblClick(int index);
    void optBoss_Click();
    void optHira_Click();
    void text_changed(); // the Change handlers of the six sheet boxes: hozon_flag := 0
    // The period and the person in charge also go into the book as typed, so
    // that the redraw of another item does not wipe what was typed.
    void txtNengetu_Change();
    void txtMotojime_Change();
    // The accessible name of member i's amount box ("<name> の金額"), kept
    // with the name shown (src/sheet/accessibility.cpp).
    void name_amount_box(int i);
    void name_amount_boxes();

    // ---- app: start-up ----
    void Form_Load();
    void name_hyoji();
    void name_font();
    // After a read of the data file (shared with reload): tells the user
    // when it was damaged; after a read in the current layout also hides the
    // check boxes of rows without a name and every amount box, until the
    // roster and the refresh show what the item needs.
    // A file refused before reading (no regular file, too large, unreadable)
    // is named in the message: `file` is the one read.
    void report_read_result(ReadResult result, bool older_layout,
                            const QString& file = QString::fromLatin1(kHrmFile));
    // Reads "allitem.hrm" (or a working file left without it) into the book
    // and reports the result (shared with reload); false when there is
    // neither.
    bool read_data_files();
    // Readies the first drawing while the window is still hidden (behind
    // the splash): draws it once off screen and loads the names' fonts.
    void prepare_drawing();

    // ---- app: save, reload, exit, help ----
    qint16 data_hozon();
    // Whether "allitem.hrm" may be replaced: it is gone, or still the file
    // hrm_stamp describes. When not, says so (−1).
    qint16 check_book_file_unchanged();
    bool may_drop_read_only_changes();
    // The part of a save after the sheet's commit: refuses a period or
    // person in charge the file cannot hold (−1, message shown), else copies
    // the names and the header boxes into the book as the file holds them.
    qint16 take_window_into_book();
    void file_all_hozon_Click();
    void data_reload_Click();
    // Reads the saved book and its payments and shows them (再読込 and
    // 前の保存に戻す); false when there is no book.
    bool show_saved_book();
    void file_end_Click();
    void Form_QueryUnload(bool& cancel, int unload_mode);
    void Form_Unload();
    void Form_Activate();
    void tavu_help_Click();

    // ---- items: delete and the order dialog ----
    void cmdKomokuDel_Click();
    void komoku_sort_Click();
    // The item order dialog, loaded (built and centred) on first use.
    class frmKomokuSort* komoku_sort_dialog();
    class frmKomokuSort* komoku_sort_form = nullptr; // null until loaded, and after unloading

    // ---- sheet: name editing ----
    void hensyu_name_Click();
    // -1 when the name was refused (message shown, focus on the input box):
    // the caller then stops, so a name never turns into garbage on disk.
    qint16 store_input_name();
    void txtName_Input_KeyPress(int key);
    void vsbName_Change();
    void txtBango_KeyPress(int key); // a typed member number
    void lbl1_Click(int index);
    void lbl1_DblClick(int index);
    void cmdGetname_yame_Click();
    void paint_changed_names();

    // ---- sheet: member insert and delete ----
    void cmdName_insert_Click();
    void CmdName_Del_Click();

    // ---- sheet: a read-only book, pasted names, the empty roster's hint ----
    // Greys what would edit the book when write_guard is read-only.
    void show_read_only();
    // Text with line breaks in the name box (a paste): names for the rows
    // from name_no down.
    void txtName_Input_Paste(const QString& text);
    // Shows the hint line while the roster is empty and name editing is off.
    void show_roster_hint();
    ui::ClickLabel* lblMeiboHint = nullptr; // made on first need

    // ---- print: the summary table and the printing notice ----
    void print_thohyo_Click();
    frmSirase& printing_notice(); // created on first use
    void unload_printing_notice();

    // ---- print: member statements and the print selection dialog ----
    void print_kobetu_Click();
    void print_select_Click();
    // The statements of the members whose print_mark is 1, as a print run:
    // the notice, the print calculation, the document, the outcome told.
    void print_meisai();
    // The print selection dialog, loaded (built and centred) on first use.
    class frmSelectPrint* select_print_dialog();
    class frmSelectPrint* select_print_form = nullptr; // null until loaded, and after unloading

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setup_window();
    void setup_top_band();
    void setup_panels();
    void setup_member_rows();
    void setup_name_frame();
    void setup_menus();
    void setup_menu_keys();      // src/sheet/menu_keys.cpp
    void setup_accessibility();  // src/sheet/accessibility.cpp
    void open_menu(QMenu* menu); // a menu of the bar, open and highlighted

    // Each subsystem connects its own handlers.
    void connect_sheet_handlers();
    void connect_entry_handlers();
    void connect_app_handlers();
    void connect_items_handlers();
    void connect_roster_handlers();
    void connect_print_handlers();
    void connect_statement_handlers();

    frmSirase* sirase_ = nullptr; // the printing notice, once loaded
};
