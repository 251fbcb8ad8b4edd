// The keys of the menus. A key works only while its entry is on the menu
// bar: while name editing takes the menus away, Qt does not run the commands
// of a hidden menu, and the Alt keys of a hidden menu do nothing.
//
// The menu captions stay as they are written: Alt+letter opens a menu
// through a shortcut of the window, not a mnemonic in its caption. Entries
// beyond the sheet's own get their mnemonic letter "(&I)" in the manner of
// Japanese desktop programs, when their menu opens, so entries added by any
// part of the program are covered.
#include "sheet/frmTavu.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

namespace {

// Caption → mnemonic letter of the entries that have one, unique within
// each menu (the preview's list and 一人ずつ PDF take the letters of the
// print entries they stand for).
struct Mnemonic {
    const char* caption;
    char letter;
};
constexpr Mnemonic kMnemonics[] = {
    {"ＣＳＶ出力", 'C'},     {"ＣＳＶ出力 (集金の記録)", 'K'},
    {"名簿の読み込み", 'I'}, {"名簿の書き出し", 'O'},
    {"新しい期間", 'N'},     {"過去の期間", 'Y'},
    {"前の保存に戻す", 'B'}, {"名簿の読み込みを取り消す", 'U'},
    {"集金チェック", 'S'},   {"印刷プレビュー", 'V'},
    {"印刷先の選択", 'D'},   {"未収一覧", 'M'},
    {"領収書", 'R'},         {"お支払いのお願い", 'O'},
    {"一人ずつ PDF", 'P'},   {"お願いの 一言", 'W'},
    {"個別（明細）", 'K'},   {"帳票", '1'},
    {"個別", '2'},           {"セレクト", '3'},
    {"名簿の順", '1'},       {"残りの多い順", '2'},
};

// "印刷先の選択…" becomes "印刷先の選択(&D)…": the letter before the dots
// that say a dialog follows.
void add_mnemonics(QMenu* menu) {
    const QString dots = QStringLiteral("…");
    for (QAction* action : menu->actions()) {
        if (action->menu()) add_mnemonics(action->menu());
        const QString text = action->text();
        if (text.contains(u'&')) continue;
        const bool dialog = text.endsWith(dots);
        const QString caption = dialog ? text.chopped(dots.size()) : text;
        for (const Mnemonic& m : kMnemonics)
            if (caption == QString::fromUtf8(m.caption))
                action->setText(caption + QStringLiteral("(&%1)").arg(QChar::fromLatin1(m.letter)) +
                                (dialog ? dots : QString()));
    }
}

} // namespace

void frmTavu::setup_menu_keys() {
    file_all_hozon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    print_thohyo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    tavu_help->setShortcut(QKeySequence(Qt::Key_F1));
    syukin_check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

    const std::pair<QMenu*, Qt::Key> menus[] = {{menu_file, Qt::Key_F},
                                                {file_print, Qt::Key_P},
                                                {menu_hensyu, Qt::Key_E},
                                                {tavu, Qt::Key_M},
                                                {help, Qt::Key_H}};
    for (const auto& [menu, key] : menus) {
        auto* open = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(open, &QShortcut::activated, this, [this, menu = menu] { open_menu(menu); });
        connect(menu, &QMenu::aboutToShow, this, [menu = menu] { add_mnemonics(menu); });
    }
    // F10 opens the first menu on the bar, highlighted, as desktops do.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        for (QAction* entry : menuBar()->actions())
            if (entry->isVisible() && entry->menu()) return open_menu(entry->menu());
    });
}

void frmTavu::open_menu(QMenu* menu) {
    if (!menu->menuAction()->isVisible() || !menu->menuAction()->isEnabled()) return;
    menuBar()->setActiveAction(menu->menuAction());
    // As a mnemonic opens a menu: its first entry that can be chosen is
    // highlighted, so that Enter chooses it.
    for (QAction* entry : menu->actions())
        if (entry->isVisible() && entry->isEnabled() && !entry->isSeparator())
            return menu->setActiveAction(entry);
}
