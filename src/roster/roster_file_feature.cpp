#include "roster/roster_file_feature.h"
#include "book/book_document.h"
#include "book/csv_table.h"
#include "book/roster_import.h"
#include "book/text_rules.h"
#include "book/work_files.h"
#include "roster/frmRosterImport.h"
#include "sheet/frmTavu.h"
#include "ui/file_choice.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "ui/payments_messages.h"
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

namespace roster {

RosterFileFeature::RosterFileFeature(frmTavu& sheet) : QObject(&sheet), w(sheet) {
    setObjectName(QStringLiteral("roster_file"));
    w.hensyu_meibo_undo->setEnabled(false);
    connect(&w.document, &BookDocument::reloaded, this, &RosterFileFeature::forget_roster_undo);
    connect(&w.document, &BookDocument::period_closed, this,
            &RosterFileFeature::forget_roster_undo);
}

void RosterFileFeature::file_meibo_in_Click() {
    if (!ui::write_allowed(w.write_guard, QStringLiteral("名簿の 読み込み"))) return;
    // The sheet's marks go into the book first, as every whole-book command does.
    if (!w.commit_sheet()) return;
    const QString path =
        ui::choose_file_to_open(&w, QStringLiteral("名簿の読み込み"), QDir::currentPath(),
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
    frmRosterImport preview(w.book, bytes, QFileInfo(path).fileName(), &w);
    if (ui::run_modal(preview) != QDialog::Accepted) return;

    undo_ = apply_roster(w.book, preview.placement());
    w.hensyu_meibo_undo->setEnabled(true);
    w.book.hozon_flag = 0;
    w.name_hyoji();
    w.name_font();
    w.gamen_kosin();
    ui::msg_box(QStringLiteral("%1人 入れたで ！").arg(undo_->filled.size()) + ui::kGap +
                    QStringLiteral("あかんかったら 「編集」→「名簿の読み込みを取り消す」で "
                                   "元に 戻せるで。"),
                ui::Icon::Information);
    payments::report_renamed_payments(undo_->set_aside_rows, undo_->set_aside);
}

void RosterFileFeature::hensyu_meibo_undo_Click() {
    if (!undo_) return;
    if (!w.commit_sheet()) return;
    // Marks, amounts or payments recorded for the new names since would go
    // with them: only when the user says so.
    if (const int in_use = roster_rows_in_use(w.book, *undo_);
        in_use > 0 && roster_names_unchanged(w.book, *undo_) &&
        ui::msg_box(QStringLiteral("読み込んだ 人のうち %1人に もう 印か 金額か 入金が "
                                   "付いてるで ！")
                            .arg(in_use) +
                        ui::kGap +
                        QStringLiteral("元に 戻したら それも 一緒に 消えてしまうけど、ええか？"),
                    ui::Icon::Exclamation, ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    if (!undo_roster(w.book, *undo_)) {
        ui::msg_box(QStringLiteral("読み込んだ 名前が もう 変わってるから 元に 戻されへん ！") +
                        ui::kGap + QStringLiteral("「名前の編集」で 直してや。"),
                    ui::Icon::Exclamation);
    } else {
        w.book.hozon_flag = 0;
        w.name_hyoji();
        w.name_font();
        w.gamen_kosin();
    }
    forget_roster_undo();
}

void RosterFileFeature::forget_roster_undo() {
    undo_.reset();
    w.hensyu_meibo_undo->setEnabled(false);
}

void RosterFileFeature::file_meibo_out_Click() {
    if (!w.commit_sheet()) return;
    bool named = false;
    for (int i = 0; i < kMembers && !named; ++i) named = !is_blank(w.book.member_name[i]);
    if (!named) {
        ui::msg_box(QStringLiteral("名前が まだ 一人も おまへんで ！"), ui::Icon::Exclamation);
        return;
    }
    const QString path = ui::choose_file_to_save(&w, QStringLiteral("名簿の書き出し"),
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
    if (!is_written(write_file_atomically(path, roster_csv_text(w.book)))) {
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

} // namespace roster
