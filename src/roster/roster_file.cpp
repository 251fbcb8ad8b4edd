// 名簿の読み込み, its undo and 名簿の書き出し, as part of frmTavu: the roster
// from a spreadsheet's file through the preview frmRosterImport, and back out
// as CSV.

#include "book/csv_table.h"
#include "book/roster_import.h"
#include "book/text_rules.h"
#include "book/work_files.h"
#include "roster/frmRosterImport.h"
#include "sheet/frmTavu.h"
#include "ui/file_choice.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "ui/write_refusal.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A book's own files are never a roster's place to go.
bool is_book_file(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    return name.startsWith(QStringLiteral("allitem")) || name.endsWith(QStringLiteral(".hrm"));
}

} // namespace

void frmTavu::file_meibo_in_Click() {
    if (!ui::write_allowed(write_guard, QStringLiteral("名簿の 読み込み"))) return;
    // The sheet's marks go into the book first, as every whole-book command does.
    if (!commit_sheet()) return;
    const QString path =
        ui::choose_file_to_open(this, QStringLiteral("名簿の読み込み"), QDir::currentPath(),
                                QStringLiteral("名簿 (*.csv *.txt *.tsv);;すべての ファイル (*)"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    if (!read_roster_bytes(path, bytes)) {
        ui::msg_box(
            QStringLiteral("「%1」は 読まれへんかってん ！").arg(QDir::toNativeSeparators(path)) +
                ui::kGap + QStringLiteral("名簿は ふつうの ファイルで １ＭＢ までやで。"),
            ui::Icon::Critical);
        return;
    }
    if (is_workbook(bytes)) {
        ui::msg_box(QStringLiteral("表計算ソフトの ファイルは そのままでは 読まれへんねん ！") +
                        ui::kGap +
                        QStringLiteral("表計算ソフトで 「CSV」 に 保存してから 読んでや。"),
                    ui::Icon::Exclamation);
        return;
    }
    frmRosterImport preview(book, bytes, QFileInfo(path).fileName(), this);
    if (ui::run_modal(preview) != QDialog::Accepted) return;

    roster_undo = apply_roster(book, preview.placement());
    hensyu_meibo_undo->setEnabled(true);
    book.hozon_flag = 0;
    name_hyoji();
    name_font();
    gamen_kosin();
    ui::msg_box(QStringLiteral("%1人 入れたで ！").arg(roster_undo->filled.size()) + ui::kGap +
                    QStringLiteral("あかんかったら 「編集」→「名簿の読み込みを取り消す」で "
                                   "元に 戻せるで。"),
                ui::Icon::Information);
}

void frmTavu::hensyu_meibo_undo_Click() {
    if (!roster_undo) return;
    if (!commit_sheet()) return;
    // Marks, amounts or payments recorded for the new names since would go
    // with them: only when the user says so.
    if (const int in_use = roster_rows_in_use(book, *roster_undo);
        in_use > 0 && roster_names_unchanged(book, *roster_undo) &&
        ui::msg_box(QStringLiteral("読み込んだ 人のうち %1人に もう 印か 金額か 入金が "
                                   "付いてるで ！")
                            .arg(in_use) +
                        ui::kGap +
                        QStringLiteral("元に 戻したら それも 一緒に 消えてしまうけど、ええか？"),
                    ui::Icon::Exclamation, ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    if (!undo_roster(book, *roster_undo)) {
        ui::msg_box(QStringLiteral("読み込んだ 名前が もう 変わってるから 元に 戻されへん ！") +
                        ui::kGap + QStringLiteral("「名前の編集」で 直してや。"),
                    ui::Icon::Exclamation);
    } else {
        book.hozon_flag = 0;
        name_hyoji();
        name_font();
        gamen_kosin();
    }
    roster_undo.reset();
    hensyu_meibo_undo->setEnabled(false);
}

void frmTavu::file_meibo_out_Click() {
    if (!commit_sheet()) return;
    bool named = false;
    for (int i = 0; i < kMembers && !named; ++i) named = !is_blank(book.member_name[i]);
    if (!named) {
        ui::msg_box(QStringLiteral("名前が まだ 一人も おまへんで ！"), ui::Icon::Exclamation);
        return;
    }
    const QString path = ui::choose_file_to_save(this, QStringLiteral("名簿の書き出し"),
                                                 QDir::current().absoluteFilePath("meibo.csv"),
                                                 QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (is_book_file(path)) {
        ui::msg_box(QStringLiteral("「%1」は ＴＡＶＵの データの 名前や ！")
                            .arg(QFileInfo(path).fileName()) +
                        ui::kGap + QStringLiteral("別の 名前に してや。"),
                    ui::Icon::Exclamation);
        return;
    }
    if (!is_written(write_file_atomically(path, roster_csv_text(book)))) {
        ui::msg_box(QStringLiteral("名簿が 書かれへんかってん ！") + ui::kGap +
                        QStringLiteral("「%1」の 空きと 書き込みの 許可を 見てや ！")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
                    ui::Icon::Critical);
        return;
    }
    ui::msg_box(QStringLiteral("名簿を 書き出したで ！") + ui::kGap +
                    QDir::toNativeSeparators(path),
                ui::Icon::Information);
}

void frmTavu::connect_roster_file_handlers() {
    hensyu_meibo_undo->setEnabled(false);
    connect(file_meibo_in, &QAction::triggered, this, &frmTavu::file_meibo_in_Click);
    connect(file_meibo_out, &QAction::triggered, this, &frmTavu::file_meibo_out_Click);
    connect(hensyu_meibo_undo, &QAction::triggered, this, &frmTavu::hensyu_meibo_undo_Click);
    connect(txtName_Input, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.contains(u'\n') || text.contains(u'\r')) txtName_Input_Paste(text);
    });
}
