#include "periods/new_period_feature.h"
#include "book/book_document.h"
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/payments.h"
#include "book/print_rules.h"
#include "book/text_rules.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"
#include "ui/program.h"
#include "ui/save_messages.h"
#include "ui/write_refusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("新しい期間");

QString period_words(const QString& typed) {
    const QString period = trim_blanks(typed);
    return period.isEmpty() ? QStringLiteral("年月の ない 期間")
                            : QStringLiteral("「%1」").arg(period);
}

// A path as it is typed in a shell: quoted when it holds anything but
// letters, digits and a few plain signs.
QString typed_path(const QString& path) {
    const QString plain = QStringLiteral("_-./+,=@%:");
    for (const QChar c : path) {
        if (c.unicode() < 128 && !c.isLetterOrNumber() && !plain.contains(c)) {
            QString quoted = path;
            quoted.replace(QChar(u'\''), QStringLiteral("'\\''"));
            return QChar(u'\'') + quoted + QChar(u'\'');
        }
    }
    return path;
}

// ./run.sh is there only beside a build from the source: an installed
// program names only itself.
QString run_sh_line(const QString& where) {
    const QDir build(QCoreApplication::applicationDirPath());
    if (!QFileInfo::exists(build.filePath(QStringLiteral("../run.sh")))) return QString();
    return QStringLiteral("\r\n./run.sh %1").arg(where);
}

// The command that opens the archive, for a user who has a shell to type it
// into: one started from the desktop menu is shown only the menu's way.
QString shell_lines(const QString& where) {
    if (!ui::started_from_shell()) return QString();
    return ui::kGap + QStringLiteral("端末から 見るだけで 開くときは：") + QStringLiteral("\r\n") +
           QStringLiteral("tavu --folder %1").arg(where) + run_sh_line(where);
}

enum class Carry { No, Yes, Stop };

// Whether what is still owed goes into the new period. Asked only of a book
// that keeps track of it (carry_over_asked): without payments or a carried
// debt every charge would look unpaid.
Carry ask_carry_over(const Book& book, const CarryOver& carry) {
    if (!carry_over_asked(book) || carry.members == 0) return Carry::No;
    const QString owed =
        QStringLiteral("まだ もろてへん お金が %1人分、 合わせて %2円 ありまっせ。")
            .arg(carry.members)
            .arg(grouped_amount(carry.total));
    if (!carry.fits) {
        const QString text =
            owed + ui::kGap +
            QStringLiteral("そやけど ９９万９９９９円 を 超える人が いてるから、 "
                           "１つの 項目に 持ち越されへんねん。") +
            ui::kGap +
            QStringLiteral("新しい 期間は 空っぽで 始めて、 未収は 締めた データに "
                           "残しときまっせ。  それで ええか ？");
        return ui::msg_box(text, ui::Icon::Exclamation, ui::Buttons::OkCancel, kTitle) ==
                       ui::Answer::Ok
                   ? Carry::No
                   : Carry::Stop;
    }
    const QString text =
        owed + ui::kGap +
        QStringLiteral("新しい 期間の 最初の 項目 「%1」 に して、\r\n持ち越しときまひょか ？")
            .arg(carry.title) +
        ui::kGap +
        QStringLiteral("「いいえ」 やったら 項目は 空っぽで 始めまっせ。  どっちでも 締めた "
                       "データに 集金の 記録は 残りまっせ。");
    return ui::msg_box(text, ui::Icon::Question, ui::Buttons::YesNo, kTitle) == ui::Answer::Yes
               ? Carry::Yes
               : Carry::No;
}

} // namespace

namespace periods {

NewPeriodFeature::NewPeriodFeature(frmTavu& sheet) : QObject(&sheet), w(sheet) {
    setObjectName(QStringLiteral("new_period"));
}

void NewPeriodFeature::file_new_period_Click() {
    Book& book = w.book;
    if (!ui::write_allowed(w.write_guard, kTitle)) return;
    if (!w.commit_sheet()) return;
    const QString typed_period = w.txtNengetu->text();
    const QString question =
        QStringLiteral("%1 を 締めて、新しい 期間を 始めまっか ？")
            .arg(period_words(typed_period)) +
        ui::kGap + QStringLiteral("今の データは まるごと 「kako」 フォルダに しもといて、") +
        QStringLiteral("名前と 担当者は そのまま、項目は ぜ～んぶ 空っぽに しまっせ。");
    if (ui::msg_box(question, ui::Icon::Question, ui::Buttons::OkCancel, kTitle) ==
        ui::Answer::Cancel)
        return;
    // What a failure puts back.
    const auto before = std::make_unique<Book>(book);
    if (w.take_window_into_book() == -1) return;
    const QList<ArchiveFile> files = archive_files(book);
    const QString base = archive_base_name(typed_period, QDate::currentDate());
    const QString period = trim_blanks(typed_period);
    // The carried item is named after this close's archive, so that two
    // closes of one period name never carry the same title.
    const CarryOver carry = carry_over_of(book, period.isEmpty() ? base : period,
                                          std::max(1, archive_number_for(files, base)));
    const Carry carried = ask_carry_over(book, carry);
    if (carried == Carry::Stop) {
        book = *before;
        return;
    }

    Archive archive;
    const WriteResult archived = write_archive(files, base, archive);
    if (!is_written(archived)) {
        book = *before;
        ui::msg_box(QStringLiteral("締めた データが しまわれへんかってん ！") + ui::kGap +
                        QStringLiteral("何も 変えてまへん。  フォルダの 空きと 書き込みの 許可を "
                                       "見てから、もう一回 やってや ！"),
                    ui::Icon::Critical);
        return;
    }

    clear_items(book);
    if (carried == Carry::Yes) start_with_carry_over(book, carry);
    book.cur_komoku = 0;
    w.txtNengetu->clear();
    w.gamen_kosin();
    // A save that stops has not replaced "allitem.hrm" (once it has, it is
    // done): the file still holds the closed period, and so does the window
    // again. The archive of it goes, unless it was there before. A save of
    // the book without its payments (told) is a new period all the same: its
    // payments wait complete under a temporary name.
    const qint16 saved = w.data_hozon();
    if (saved == -1) {
        remove_archive(archive);
        book = *before;
        w.txtNengetu->setText(typed_period);
        w.gamen_kosin();
        book = *before;
        ui::msg_box(QStringLiteral("新しい 期間は 始められへんかってん ！") + ui::kGap +
                        QStringLiteral("今の 期間の まま やで。"),
                    ui::Icon::Critical);
        return;
    }
    book.hozon_flag = saved == 0 ? -1 : 0;
    w.document.tell_period_closed();
    if (archived == WriteResult::Unconfirmed) warn_unconfirmed(QStringLiteral("締めた データ"));

    const QString folder = QDir::current().absoluteFilePath(archive.folder);
    const QString where = typed_path(folder);
    ui::msg_box(
        QStringLiteral("%1 を 締めて、新しい 期間を 始めたで ！").arg(period_words(typed_period)) +
            ui::kGap + QStringLiteral("前の データは 「%1」 に しもてまっせ。").arg(folder) +
            ui::kGap +
            QStringLiteral("締めた 期間の 一覧と 年間集計は 「ファイル」→「過去の期間」 や。") +
            shell_lines(where),
        ui::Icon::Information, ui::Buttons::Ok, kTitle);
}

} // namespace periods
