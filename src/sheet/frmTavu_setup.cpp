// Construction of the main window: every control at its place in twips,
// its captions, tooltips, fonts and colours, and the menus.
#include "sheet/frmTavu.h"
#include "ui/colors.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QStyle>
#include <QTabBar>

using ui::place;

namespace {

// Frames without a caption draw the etched border of a group.
QFrame* plain_frame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

ui::ClickLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* lbl = named(new ui::ClickLabel(caption, parent), name);
    lbl->setTextFormat(Qt::PlainText);
    return lbl;
}

ui::TextBox* text_box(QWidget* parent, const char* name, const QString& tooltip = {}) {
    auto* box = named(new ui::TextBox(parent), name);
    if (!tooltip.isEmpty()) box->setToolTip(tooltip);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& tooltip = {}) {
    auto* cmd = named(new QPushButton(caption, parent), name);
    if (!tooltip.isEmpty()) cmd->setToolTip(tooltip);
    cmd->setAutoDefault(false);
    return cmd;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption,
                     const QString& tooltip) {
    auto* opt = named(new QRadioButton(caption, parent), name);
    opt->setToolTip(tooltip);
    return opt;
}

// Screen size of the whole window's client area, in twips.
constexpr int kClientWidth = 9375;
constexpr int kClientHeight = 5895;

} // namespace

frmTavu::frmTavu(Book& book_, QWidget* parent)
    : frmTavu(*new BookDocument(book_, QDir::currentPath()), parent) {
    own_document_.reset(&document);
}

frmTavu::frmTavu(BookDocument& document_, QWidget* parent)
    : QMainWindow(parent), document(document_), book(document_.book),
      write_guard(document_.write_guard), hrm_stamp(document_.hrm_stamp) {
    setup_window();
    setup_top_band();
    setup_panels();
    setup_member_rows();
    setup_name_frame();
    setup_menus();
    setup_accessibility();
    connect_sheet_handlers();
    connect_entry_handlers();
    connect_app_handlers();
    connect_items_handlers();
    connect_roster_handlers();
    connect_print_handlers();
}

frmTavu::~frmTavu() = default;

void frmTavu::setup_window() {
    setObjectName(QStringLiteral("frmTavu"));
    setWindowTitle(QStringLiteral("集金管理システム  ＴＡＶＵ"));
    setFont(ui::gothic_font(9));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twips(kClientWidth), ui::twips(kClientHeight));
    setCentralWidget(client);
}

void frmTavu::setup_top_band() {
    QWidget* client = centralWidget();
    fraCheck = plain_frame(client, "fraCheck");
    place(fraCheck, 0, 0, 9375, 1455);

    Label7 = label(fraCheck, "Label7", QStringLiteral("項目"));
    place(Label7, 120, 360, 615, 375);
    txtKomokuNo = text_box(fraCheck, "txtKomokuNo");
    txtKomokuNo->setReadOnly(true);
    place(txtKomokuNo, 720, 360, 495, 270);
    txtKomoku = text_box(fraCheck, "txtKomoku",
                         QStringLiteral("全体を見る時は 「編集」→「項目の並べ替え」 "));
    place(txtKomoku, 1200, 360, 2055, 285);
    cmdNext = button(fraCheck, "cmdNext", QStringLiteral("Ｎｅｘｔ"));
    place(cmdNext, 3360, 240, 855, 495);
    cmdBack = button(fraCheck, "cmdBack", QStringLiteral("Ｂａｃｋ"));
    place(cmdBack, 4200, 240, 855, 495);
    cmdKomokuDel = button(fraCheck, "cmdKomokuDel", QStringLiteral("Ｄｅｌ"),
                          QStringLiteral("現在の 項目を 削除 します"));
    place(cmdKomokuDel, 5160, 240, 615, 495);

    fraDochi = plain_frame(fraCheck, "fraDochi");
    place(fraDochi, 5880, 120, 1095, 855);
    optKinto = option(fraDochi, "optKinto", QStringLiteral("割勘"),
                      QStringLiteral("ワリカン(同額支払)を マークします"));
    place(optKinto, 120, 120, 855, 255);
    optBara = option(fraDochi, "optBara", QStringLiteral("任意"),
                     QStringLiteral("金額が 個々に違うとき"));
    place(optBara, 120, 480, 855, 255);

    fraHyoji = plain_frame(fraCheck, "fraHyoji");
    place(fraHyoji, 5400, 960, 1575, 480);
    Label6 = label(fraHyoji, "Label6", QStringLiteral("ﾏｰｸNow"));
    place(Label6, 120, 120, 735, 255);
    txtChkCnt = text_box(fraHyoji, "txtChkCnt", QStringLiteral("現在の マークされた人数"));
    txtChkCnt->setReadOnly(true);
    place(txtChkCnt, 960, 120, 495, 270);

    Label2 = label(fraCheck, "Label2", QStringLiteral("年 月"));
    place(Label2, 7080, 360, 615, 255);
    txtNengetu = text_box(fraCheck, "txtNengetu");
    place(txtNengetu, 7800, 360, 1335, 285);
    Label3 = label(fraCheck, "Label3", QStringLiteral("担当者"));
    place(Label3, 7080, 720, 735, 255);
    txtMotojime = text_box(fraCheck, "txtMotojime");
    place(txtMotojime, 7080, 960, 2175, 285);
}

void frmTavu::setup_panels() {
    fraOkane = plain_frame(fraCheck, "fraOkane");
    place(fraOkane, 0, 720, 5415, 735);
    lblOkane = label(fraOkane, "lblOkane", QStringLiteral("総額"));
    place(lblOkane, 120, 240, 615, 375);
    txtSogaku = text_box(
        fraOkane, "txtSogaku",
        QStringLiteral("日本語モードで ＯＫ ！！  ワリカンの時 入力します（必須では ない）"));
    place(txtSogaku, 840, 240, 1095, 330);
    txtNin =
        text_box(fraOkane, "txtNin",
                 QStringLiteral("日本語モードで ＯＫ ！！  チェックに使えるので できれば入力する"));
    place(txtNin, 2160, 240, 495, 330);
    Label4 = label(fraOkane, "Label4", QStringLiteral("人"));
    place(Label4, 2760, 360, 375, 255);
    Label5 = label(fraOkane, "Label5", QStringLiteral("割額"));
    place(Label5, 3000, 240, 615, 255);
    txtKingaku = text_box(fraOkane, "txtKingaku",
                          QStringLiteral("日本語モードで ＯＫ ！！ データは 必ず入力する"));
    place(txtKingaku, 3600, 240, 855, 330);
    cmdCalc = button(fraOkane, "cmdCalc", QStringLiteral("計算"),
                     QStringLiteral("総額を 人数で 割り 100円以下を 切り上げます"));
    place(cmdCalc, 4560, 240, 735, 375);

    fraBara = plain_frame(fraCheck, "fraBara");
    place(fraBara, 0, 720, 5415, 735);
    const QString preset_option_tip = QStringLiteral("クリックで入力する金額を 指定する");
    const QString preset_box_tip = QStringLiteral("ここに 金額を入れて 名前横ボックスを クリック");
    optBoss = option(fraBara, "optBoss", QString(), preset_option_tip);
    place(optBoss, 120, 240, 255, 255);
    txtBoss = text_box(fraBara, "txtBoss", preset_box_tip);
    place(txtBoss, 480, 240, 1095, 270);
    optHira = option(fraBara, "optHira", QString(), preset_option_tip);
    place(optHira, 1920, 240, 255, 255);
    txtHira = text_box(fraBara, "txtHira", preset_box_tip);
    place(txtHira, 2280, 240, 1095, 270);
    Label8 = label(fraBara, "Label8", QStringLiteral("計Now"));
    place(Label8, 3600, 240, 615, 255);
    txtSyokei = text_box(fraBara, "txtSyokei", QStringLiteral("現在の 小計額"));
    txtSyokei->setReadOnly(true);
    place(txtSyokei, 4200, 240, 1095, 270);
    // The start-up's first mode switch decides which panel shows.
    fraBara->hide();
}

void frmTavu::setup_member_rows() {
    tabTavu = named(new QTabWidget(centralWidget()), "tabTavu");
    place(tabTavu, 0, 1440, 9375, 4455);
    for (int page = 0; page < 4; ++page) {
        auto* widget = new QWidget;
        widget->setObjectName(QStringLiteral("tabTavu_page%1").arg(page + 1));
        tab_pages[page] = widget;
        tabTavu->addTab(widget, QStringLiteral("No. %1").arg(page + 1));
    }
    // Member positions are measured from the top of the tab control, tab
    // strip included; the pages start below the strip and the pane border.
    const int strip = tabTavu->tabBar()->sizeHint().height() +
                      tabTavu->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabTavu);
    const int border =
        tabTavu->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, tabTavu);

    const QFont names_font = ui::gothic_font(12);
    const QFont amount_font = ui::gothic_font(9.75);
    const QColor label_color = ui::to_qcolor(0xC00000);
    QPalette label_palette = tab_pages[0]->palette();
    label_palette.setColor(QPalette::WindowText, label_color);
    const QString amount_tip = QStringLiteral(
        "日本語モードで ＯＫ ！！  クリックで 指定金額を 入力します   （編集も 可能）");
    constexpr int kChkLeft[3] = {240, 3480, 6600};
    constexpr int kLblLeft[3] = {600, 3840, 6960};
    constexpr int kTxtLeft[3] = {2040, 5280, 8400};

    for (int i = 0; i < kMembers; ++i) {
        QWidget* page = tab_pages[i / 24];
        const int j = i % 24;
        const int column = j / 8;
        const int row = j % 8;
        const QString index = QString::number(i);

        auto* chk = new QCheckBox(page);
        chk->setObjectName(QStringLiteral("chk1_") + index);
        chk->setFont(names_font);
        chk->setGeometry(ui::twips(kChkLeft[column]) - border, ui::twips(480 + 480 * row) - strip,
                         ui::twips(1455), ui::twips(375));
        chk1[i] = chk;

        auto* lbl = new ui::ClickLabel(page);
        lbl->setObjectName(QStringLiteral("lbl1_") + index);
        lbl->setTextFormat(Qt::PlainText);
        lbl->setFont(names_font);
        lbl->setPalette(label_palette);
        lbl->setGeometry(ui::twips(kLblLeft[column]) - border, ui::twips(600 + 480 * row) - strip,
                         ui::twips(1335), ui::twips(255));
        lbl1[i] = lbl;

        auto* txt = new ui::TextBox(page);
        txt->setObjectName(QStringLiteral("txt1_") + index);
        txt->setFont(amount_font);
        txt->setGeometry(ui::twips(kTxtLeft[column]) - border, ui::twips(600 + 480 * row) - strip,
                         ui::twips(735), ui::twips(285));
        if (j % 8 < 3 && i < 24) txt->setToolTip(amount_tip);
        txt1[i] = txt;
    }
}

void frmTavu::setup_name_frame() {
    fraGetname =
        named(new QGroupBox(QStringLiteral("メンバーの入力"), centralWidget()), "fraGetname");
    place(fraGetname, 240, 120, 5535, 1215);
    ui::set_fore_color(fraGetname, 0x0000FF);
    txtBango = text_box(fraGetname, "txtBango");
    place(txtBango, 480, 600, 375, 375);
    vsbName = named(new QScrollBar(Qt::Vertical, fraGetname), "vsbName");
    vsbName->setRange(1, 97);
    place(vsbName, 960, 600, 255, 375);
    Label1 = label(fraGetname, "Label1", QStringLiteral("名  前"));
    place(Label1, 1800, 360, 855, 255);
    txtName_Input = text_box(
        fraGetname, "txtName_Input",
        QStringLiteral("リターンキーでも 次に 送れます／／下の名前を クリックしても ＯＫ !!"));
    place(txtName_Input, 1560, 600, 1580, 360);
    cmdName_insert = button(fraGetname, "cmdName_insert", QStringLiteral("インサート"),
                            QStringLiteral("途中にメンバーを 挿入する"));
    place(cmdName_insert, 3240, 240, 1215, 375);
    CmdName_Del = button(fraGetname, "CmdName_Del", QStringLiteral("デリート"),
                         QStringLiteral("メンバーの削除"));
    place(CmdName_Del, 3240, 720, 1215, 375);
    cmdGetname_yame = button(fraGetname, "cmdGetname_yame", QStringLiteral("終 了"));
    place(cmdGetname_yame, 4680, 480, 735, 375);
    // Only the caption is red: the children take the usual colours again,
    // set explicitly so that they do not inherit the frame's.
    QPalette usual = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        usual.setColor(role, usual.color(role));
    for (QWidget* child : fraGetname->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setPalette(usual);
    fraGetname->hide();
}

void frmTavu::setup_menus() {
    QMenuBar* bar = menuBar();
    menu_file = bar->addMenu(QStringLiteral("ファイル"));
    menu_file->setObjectName(QStringLiteral("menu_file"));
    data_reload = menu_file->addAction(QStringLiteral("再読込"));
    data_reload->setObjectName(QStringLiteral("data_reload"));
    file_hozon = menu_file->addMenu(QStringLiteral("保存"));
    file_hozon->setObjectName(QStringLiteral("file_hozon"));
    file_all_hozon = file_hozon->addAction(QStringLiteral("全体保存"));
    file_all_hozon->setObjectName(QStringLiteral("file_all_hozon"));
    file_csv = menu_file->addAction(QStringLiteral("ＣＳＶ出力"));
    file_csv->setObjectName(QStringLiteral("file_csv"));
    file_csv_pay = menu_file->addAction(QStringLiteral("ＣＳＶ出力 (集金の記録)"));
    file_csv_pay->setObjectName(QStringLiteral("file_csv_pay"));
    file_meibo_in = menu_file->addAction(QStringLiteral("名簿の読み込み"));
    file_meibo_in->setObjectName(QStringLiteral("file_meibo_in"));
    file_meibo_out = menu_file->addAction(QStringLiteral("名簿の書き出し"));
    file_meibo_out->setObjectName(QStringLiteral("file_meibo_out"));
    file_new_period = menu_file->addAction(QStringLiteral("新しい期間"));
    file_new_period->setObjectName(QStringLiteral("file_new_period"));
    file_kako = menu_file->addAction(QStringLiteral("過去の期間"));
    file_kako->setObjectName(QStringLiteral("file_kako"));
    file_end = menu_file->addAction(QStringLiteral("終了"));
    file_end->setObjectName(QStringLiteral("file_end"));

    file_print = bar->addMenu(QStringLiteral("印刷"));
    file_print->setObjectName(QStringLiteral("file_print"));
    print_thohyo = file_print->addAction(QStringLiteral("帳票の印刷"));
    print_thohyo->setObjectName(QStringLiteral("print_thohyo"));
    print_kobetu = file_print->addAction(QStringLiteral("個別印刷"));
    print_kobetu->setObjectName(QStringLiteral("print_kobetu"));
    print_select = file_print->addAction(QStringLiteral("セレクト印刷"));
    print_select->setObjectName(QStringLiteral("print_select"));

    menu_hensyu = bar->addMenu(QStringLiteral("編集"));
    menu_hensyu->setObjectName(QStringLiteral("menu_hensyu"));
    hensyu_name = menu_hensyu->addAction(QStringLiteral("名前の編集"));
    hensyu_name->setObjectName(QStringLiteral("hensyu_name"));
    hensyu_meibo_undo = menu_hensyu->addAction(QStringLiteral("名簿の読み込みを取り消す"));
    hensyu_meibo_undo->setObjectName(QStringLiteral("hensyu_meibo_undo"));
    komoku_sort = menu_hensyu->addAction(QStringLiteral("項目の並び替え"));
    komoku_sort->setObjectName(QStringLiteral("komoku_sort"));
    menu_hensyu->addSeparator();
    syukin_check = menu_hensyu->addAction(QStringLiteral("集金チェック"));
    syukin_check->setObjectName(QStringLiteral("syukin_check"));

    tavu = bar->addMenu(QStringLiteral("マーク"));
    tavu->setObjectName(QStringLiteral("tavu"));
    all_tavu = tavu->addAction(QStringLiteral("全マーク"));
    all_tavu->setObjectName(QStringLiteral("all_tavu"));
    all_tavu_off = tavu->addAction(QStringLiteral("全マークＯＦＦ"));
    all_tavu_off->setObjectName(QStringLiteral("all_tavu_off"));

    help = bar->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("help"));
    tavu_help = help->addAction(QStringLiteral("Ｔａｖｕのヘルプ"));
    tavu_help->setObjectName(QStringLiteral("tavu_help"));
    setup_menu_keys();
}

void frmTavu::connect_sheet_handlers() {
    for (int i = 0; i < kMembers; ++i)
        connect(chk1[i], &QCheckBox::toggled, this, [this, i] { chk1_Click(i); });
    connect(optKinto, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optKinto_Click();
    });
    connect(optBara, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optBara_Click();
    });
    for (ui::TextBox* box : {txtKomoku, txtNengetu, txtMotojime, txtSogaku, txtNin, txtKingaku})
        connect(box, &QLineEdit::textChanged, this, &frmTavu::text_changed);
    connect(txtNengetu, &QLineEdit::textChanged, this, &frmTavu::txtNengetu_Change);
    connect(txtMotojime, &QLineEdit::textChanged, this, &frmTavu::txtMotojime_Change);
}
