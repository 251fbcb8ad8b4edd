// Drives the main window's save in the current folder for the script tests.
//
//   save_probe loop        starts as the program does, then saves generation
//                          after generation until it is killed
//   save_probe check       starts as the program does and prints the
//                          generation it finds; exit 1 when the book did not
//                          read back whole (a damaged-file message, or values
//                          of different generations mixed)
//   save_probe periods     starts as the program does, then, until it is
//                          killed: saves generation N whole and closes its
//                          period with 新しい期間 (the archive kako/N), then
//                          N+1, ...; a generation found whole at start-up
//                          (its closing cut short) is closed again
//   save_probe check-periods  starts as the program does, then prints the
//                          last generation; exit 1 when the book does not
//                          read back whole, or kako/ holds anything but
//                          folders kako/G each holding generation G whole
//   save_probe once N      fills the sheet with generation N without reading
//                          the book (only the state of "allitem.hrm", as a
//                          read would), chooses 全体保存 and exits 0 when the
//                          save said it was done, 1 when it said it failed
//                          (and left the unsaved flag 0), 3 when it said it
//                          was done after warnings, 2 for anything else
//   save_probe next        starts as the program does, saves the generation
//                          after the one found and prints it; exit 0 when
//                          the save said it was done
//   save_probe second      starts as the program does, with the folder's lock
//                          and "read-only" answered to the question, then
//                          chooses 全体保存; prints the window's title and
//                          every message. Exit 0 when it held the lock, 3 when
//                          it opened read-only and the save was refused
//   save_probe pair-loop   as loop, but names and titles stay and every save
//                          changes both the book and its payments (each
//                          derived from the generation)
//   save_probe pair-check  starts as the program does and prints the
//                          generation of the pair it finds; exit 1 when
//                          start-up said anything, or the payments are not
//                          those saved with the book (older ones credited)
//   save_probe pair-periods  as periods, with payments and the carry-over:
//                          generation N saved, then closed carrying what is
//                          still owed into 前期未収
//   save_probe pair-check-periods  start-up, then prints the generation;
//                          exit 1 unless the book is generation N whole with
//                          its payments, or closed from N with exactly N's
//                          debts carried and no payments; every archive
//                          kako/G (or G-2...) holds generation G's pair
//   save_probe pair-once N as once, with generation N's pair
//   save_probe pair-next N starts as the program does (its messages on
//                          stderr), then saves generation N's pair; exit 0
//                          when the save said it was done
//   save_probe pair-close  starts as the program does, then closes the
//                          period with the carry-over; prints every message;
//                          exit 0 when it said the new period began, 1 when
//                          it said the period stays, 2 for anything else
//   save_probe hold        starts as the program does with the folder's lock,
//                          prints "ready" and runs until it is killed
//
// Every value of generation N is derived from N, so a file that mixes two
// saves, or is cut short, shows as an inconsistent book.
#include "app/features.h"
#include "app/folder_claim.h"
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/payments_file.h"
#include "book/text_rules.h"
#include "periods/new_period_feature.h"
#include "sheet/frmTavu.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QString gen_text(int n) {
    return QString::number(n);
}
bool marked(int member, int n) {
    return (member + n) % 3 == 0;
}
// Within the six places the data file gives a member's amount.
qint32 amount_of(int member, int n) {
    return n % 900000 + member;
}

// Puts generation n on the sheet (item 1, 割勘) and in item 2 (任意) of the
// book, then saves through 全体保存.
void fill(frmTavu& w, Book& book, int n) {
    for (int i = 0; i < kMembers; ++i) {
        w.lbl1[i]->setText(gen_text(n));
        w.chk1[i]->setText(gen_text(n));
    }
    book.cur_komoku = 0;
    book.komoku_mode[0] = 1;
    w.gamen_kosin();
    w.txtNengetu->setText(gen_text(n));
    w.txtMotojime->setText(gen_text(n));
    w.txtKomoku->setText(QStringLiteral("題") + gen_text(n));
    w.txtKingaku->setText(QStringLiteral("100"));
    w.txtNin->clear();
    w.txtSogaku->clear();
    for (int i = 0; i < kMembers; ++i) w.chk1[i]->setChecked(marked(i, n));
    book.komoku_name[1] = QStringLiteral("任") + gen_text(n);
    book.komoku_mode[1] = 0;
    for (int i = 0; i < kMembers; ++i) book.member_kingaku[i][1] = amount_of(i, n);
}

// The generation the book holds, or -1 when its values disagree.
int generation_of(const Book& book) {
    const QString g = trim_blanks(book.nengetu);
    bool ok = false;
    const int n = g.toInt(&ok);
    if (!ok) return -1;
    if (trim_blanks(book.motojime) != g) return -1;
    for (int i = 0; i < kMembers; ++i)
        if (trim_blanks(book.member_name[i]) != g) return -1;
    if (book.komoku_name[0] != QStringLiteral("題") + g || book.komoku_mode[0] != 1 ||
        book.komoku_kingaku[0] != 100)
        return -1;
    for (int i = 0; i < kMembers; ++i)
        if (book.mark[i][0] != (marked(i, n) ? 1 : 0)) return -1;
    if (book.komoku_name[1] != QStringLiteral("任") + g || book.komoku_mode[1] != 0) return -1;
    for (int i = 0; i < kMembers; ++i)
        if (book.member_kingaku[i][1] != amount_of(i, n)) return -1;
    return n;
}

// The generation of a book whose period was closed: the roster and the
// person in charge stay, no period, no items; -1 when it is not one.
int closed_generation_of(const Book& book) {
    bool ok = false;
    const int n = trim_blanks(book.motojime).toInt(&ok);
    if (!ok || !trim_blanks(book.nengetu).isEmpty()) return -1;
    for (int i = 0; i < kMembers; ++i)
        if (trim_blanks(book.member_name[i]) != QString::number(n)) return -1;
    for (int k = 0; k < kItems; ++k)
        if (!book.komoku_name[k].isEmpty()) return -1;
    return n;
}

// Every entry of kako/ is a folder named by a generation, holding exactly
// that generation's book whole. Prints what is wrong.
bool archives_whole() {
    const QFileInfoList entries =
        QDir(QStringLiteral("kako"))
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        bool numbered = false;
        const int g = entry.fileName().toInt(&numbered);
        const QStringList inside =
            QDir(entry.filePath())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        auto archived = std::make_unique<Book>();
        QByteArray bytes;
        if (!numbered || !entry.isDir() || inside != QStringList{QStringLiteral("allitem.hrm")} ||
            !read_whole_file(entry.filePath() + QStringLiteral("/allitem.hrm"), bytes) ||
            parse_data_text(pair_swap(bytes), *archived) != ReadResult::Ok ||
            generation_of(*archived) != g) {
            std::fprintf(stderr, "kako/%s is not a whole archive (%s)\n",
                         qPrintable(entry.fileName()), qPrintable(inside.join(u' ')));
            return false;
        }
    }
    return true;
}

// ---- the book and its payments, saved as one ----

// Names and titles stay from generation to generation, so that payments
// of an older save would match the book's names: only the amounts tell.
QString pair_name(int member) {
    return QStringLiteral("人%1").arg(member + 1);
}
bool pair_paid(int member, int n) {
    return (member + n) % 2 == 0;
}
// The loops run well past 100,000 generations; a member's amount stays
// within the six places the data file gives it.
qint64 pair_amount(int member, int n) {
    return 10 * (n % 90000) + member + 1;
}
qint64 pair_received(int member, int n) {
    return pair_amount(member, n) - (member % 3 == 0 ? 1 : 0);
}

void pair_fill(frmTavu& w, Book& book, int n) {
    for (int i = 0; i < kMembers; ++i) {
        w.lbl1[i]->setText(pair_name(i));
        w.chk1[i]->setText(pair_name(i));
    }
    book.cur_komoku = 0;
    book.komoku_mode[0] = 1;
    w.gamen_kosin();
    w.txtNengetu->setText(gen_text(n));
    w.txtMotojime->setText(QStringLiteral("係"));
    w.txtKomoku->setText(QStringLiteral("会費"));
    w.txtKingaku->setText(QStringLiteral("100"));
    w.txtNin->clear();
    w.txtSogaku->clear();
    for (int i = 0; i < kMembers; ++i) w.chk1[i]->setChecked(false);
    book.komoku_name[1] = QStringLiteral("寄付");
    book.komoku_mode[1] = 0;
    book.payments = PaymentRecord{};
    for (int i = 0; i < kMembers; ++i) {
        book.member_kingaku[i][1] = qint32(pair_amount(i, n));
        if (pair_paid(i, n)) book.payments.cell[i][1] = {pair_received(i, n), QDate(2026, 12, 1)};
    }
}

bool pair_roster(const Book& book) {
    for (int i = 0; i < kMembers; ++i)
        if (trim_blanks(book.member_name[i]) != pair_name(i)) return false;
    return trim_blanks(book.motojime) == QStringLiteral("係");
}

// The generation of an open period's pair; -1 when the book or its
// payments disagree with it.
int pair_generation_of(const Book& book) {
    bool ok = false;
    const int n = trim_blanks(book.nengetu).toInt(&ok);
    if (!ok || !pair_roster(book) || book.komoku_name[1] != QStringLiteral("寄付")) return -1;
    if (!book.payments.set_aside.empty()) return -1;
    for (int i = 0; i < kMembers; ++i) {
        if (book.member_kingaku[i][1] != pair_amount(i, n)) return -1;
        const Payment expected =
            pair_paid(i, n) ? Payment{pair_received(i, n), QDate(2026, 12, 1)} : Payment{};
        for (int k = 0; k < kItems; ++k)
            if (book.payments.cell[i][k] != (k == 1 ? expected : Payment{})) return -1;
    }
    return n;
}

// What generation n's members still owe: the charge less what came in.
qint64 pair_owed(int member, int n) {
    return pair_amount(member, n) - (pair_paid(member, n) ? pair_received(member, n) : 0);
}

// The generation a closed pair was carried from; -1 when it is not one,
// or its carried debts are not exactly those of that generation.
int pair_closed_generation_of(const Book& book) {
    if (!pair_roster(book) || !trim_blanks(book.nengetu).isEmpty()) return -1;
    if (!book.payments.empty()) return -1;
    const QString title = book.komoku_name[0];
    if (!is_carried_item(title)) return -1;
    bool ok = false;
    const int n = title.mid(4).section(u'-', 0, 0).toInt(&ok);
    if (!ok) return -1;
    for (int k = 1; k < kItems; ++k)
        if (!book.komoku_name[k].isEmpty()) return -1;
    for (int i = 0; i < kMembers; ++i)
        if (book.member_kingaku[i][0] != pair_owed(i, n)) return -1;
    return n;
}

// Every archive is kako/G or kako/G-k holding generation G's book and
// payments, read as start-up reads them.
bool pair_archives_whole() {
    const QFileInfoList entries =
        QDir(QStringLiteral("kako"))
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        bool numbered = false;
        const int g = entry.fileName().section(u'-', 0, 0).toInt(&numbered);
        auto archived = std::make_unique<Book>();
        QByteArray bytes;
        const bool whole =
            numbered && entry.isDir() &&
            read_whole_file(entry.filePath() + QStringLiteral("/allitem.hrm"), bytes) &&
            parse_data_text(pair_swap(bytes), *archived) == ReadResult::Ok &&
            payments_read(*archived, entry.filePath()).result == ReadResult::Ok &&
            pair_generation_of(*archived) == g;
        if (!whole) {
            std::fprintf(stderr, "kako/%s is not a whole pair\n", qPrintable(entry.fileName()));
            return false;
        }
    }
    return true;
}

bool nothing_saved_yet(const Book& book) {
    return book.nengetu.isEmpty() && book.komoku_name[0].isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::MessageScript script;
    Book book;
    frmTavu w(book);
    const app::Features features = app::attach_features(w);
    const char* mode = argc > 1 ? argv[1] : "";

    if (std::strcmp(mode, "check") == 0) {
        w.Form_Load();
        if (!script.shown.empty()) {
            std::fprintf(stderr, "start-up said: %s\n", qPrintable(script.shown.front().text));
            return 1;
        }
        if (nothing_saved_yet(book)) {
            std::printf("0\n");
            return 0;
        }
        const int n = generation_of(book);
        if (n < 0) {
            std::fprintf(stderr, "the book mixes generations (period %s)\n",
                         qPrintable(book.nengetu));
            return 1;
        }
        std::printf("%d\n", n);
        return 0;
    }

    if (std::strcmp(mode, "loop") == 0) {
        w.Form_Load();
        int n = nothing_saved_yet(book) ? 0 : generation_of(book);
        if (n < 0) return 1;
        for (;;) {
            fill(w, book, ++n);
            w.file_all_hozon_Click();
            if (book.hozon_flag != -1) return 3;
            script.shown.clear();
        }
    }

    if (std::strcmp(mode, "periods") == 0) {
        w.Form_Load();
        int n = generation_of(book);
        if (nothing_saved_yet(book)) {
            n = 1;
        } else if (n < 0) {
            n = closed_generation_of(book);
            if (n < 0) return 1;
            ++n;
        }
        for (;; ++n) {
            // A generation found whole is closed again; the others are
            // filled and saved first.
            if (generation_of(book) != n) {
                fill(w, book, n);
                w.file_all_hozon_Click();
                if (book.hozon_flag != -1) return 3;
            }
            features.new_period->file_new_period_Click();
            if (book.hozon_flag != -1 || closed_generation_of(book) != n) return 3;
            script.shown.clear();
        }
    }

    if (std::strcmp(mode, "check-periods") == 0) {
        w.Form_Load();
        if (!script.shown.empty()) {
            std::fprintf(stderr, "start-up said: %s\n", qPrintable(script.shown.front().text));
            return 1;
        }
        int n = nothing_saved_yet(book) ? 0 : generation_of(book);
        if (n < 0) n = closed_generation_of(book);
        if (n < 0) {
            std::fprintf(stderr, "the book is neither whole nor closed (period %s)\n",
                         qPrintable(book.nengetu));
            return 1;
        }
        if (!archives_whole()) return 1;
        std::printf("%d\n", n);
        return 0;
    }

    if (std::strcmp(mode, "pair-loop") == 0) {
        w.Form_Load();
        int n = nothing_saved_yet(book) ? 0 : pair_generation_of(book);
        if (n < 0) return 1;
        for (;;) {
            pair_fill(w, book, ++n);
            w.file_all_hozon_Click();
            if (book.hozon_flag != -1) return 3;
            script.shown.clear();
        }
    }

    if (std::strcmp(mode, "pair-check") == 0 || std::strcmp(mode, "pair-check-periods") == 0) {
        w.Form_Load();
        for (const ui::ShownBox& b : script.shown)
            std::fprintf(stderr, "start-up said: %s\n", qPrintable(b.text));
        if (!script.shown.empty()) return 1;
        if (nothing_saved_yet(book)) {
            std::printf("0\n");
            return 0;
        }
        int n = pair_generation_of(book);
        if (n < 0 && std::strcmp(mode, "pair-check-periods") == 0)
            n = pair_closed_generation_of(book);
        if (n < 0) {
            std::fprintf(stderr, "the book and its payments are not one save (period %s)\n",
                         qPrintable(book.nengetu));
            return 1;
        }
        if (std::strcmp(mode, "pair-check-periods") == 0 && !pair_archives_whole()) return 1;
        std::printf("%d\n", n);
        return 0;
    }

    if (std::strcmp(mode, "pair-periods") == 0) {
        w.Form_Load();
        int n = pair_generation_of(book);
        if (nothing_saved_yet(book)) {
            n = 1;
        } else if (n < 0) {
            n = pair_closed_generation_of(book);
            if (n < 0) return 1;
            ++n;
        }
        for (;; ++n) {
            if (pair_generation_of(book) != n) {
                pair_fill(w, book, n);
                w.file_all_hozon_Click();
                if (book.hozon_flag != -1) return 3;
            }
            script.answer(ui::Answer::Ok);  // close the period
            script.answer(ui::Answer::Yes); // carry what is owed
            features.new_period->file_new_period_Click();
            if (book.hozon_flag != -1 || pair_closed_generation_of(book) != n) return 3;
            script.shown.clear();
            script.answers.clear();
        }
    }

    if (std::strcmp(mode, "pair-next") == 0 && argc > 2) {
        w.Form_Load();
        for (const ui::ShownBox& b : script.shown)
            std::fprintf(stderr, "start-up said: %s\n", qPrintable(b.text));
        script.shown.clear();
        pair_fill(w, book, std::atoi(argv[2]));
        book.hozon_flag = 0;
        w.file_all_hozon_Click();
        for (const ui::ShownBox& b : script.shown) std::printf("%s\n", qPrintable(b.text));
        return book.hozon_flag == -1 ? 0 : 1;
    }

    if (std::strcmp(mode, "pair-close") == 0) {
        w.Form_Load();
        script.shown.clear();
        script.answer(ui::Answer::Ok);
        script.answer(ui::Answer::Yes);
        features.new_period->file_new_period_Click();
        for (const ui::ShownBox& b : script.shown) std::printf("%s\n", qPrintable(b.text));
        const QString last = script.shown.empty() ? QString() : script.shown.back().text;
        if (last.contains(QStringLiteral("新しい 期間を 始めたで"))) return 0;
        if (last.contains(QStringLiteral("今の 期間の まま"))) return 1;
        return 2;
    }

    if (std::strcmp(mode, "pair-once") == 0 && argc > 2) {
        w.hrm_stamp = stamp_file(QStringLiteral("allitem.hrm"));
        pair_fill(w, book, std::atoi(argv[2]));
        book.hozon_flag = 0;
        w.file_all_hozon_Click();
        for (const ui::ShownBox& b : script.shown) std::printf("%s\n", qPrintable(b.text));
        const QString done = QStringLiteral("データ保存 してもうた ！");
        const bool said_done = !script.shown.empty() && script.shown.back().text == done;
        if (said_done && script.shown.size() == 1 && book.hozon_flag == -1) return 0;
        if (!said_done && book.hozon_flag == 0) return 1;
        if (said_done && book.hozon_flag == -1) return 3;
        return 2;
    }

    if (std::strcmp(mode, "hold") == 0) {
        FolderLock lock;
        WriteGuard guard;
        if (!app::claim_working_folder(lock, guard) || guard.read_only()) return 2;
        w.write_guard = guard;
        w.Form_Load();
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }

    if (std::strcmp(mode, "second") == 0) {
        FolderLock lock;
        WriteGuard guard;
        script.answer(ui::Answer::Yes);
        if (!app::claim_working_folder(lock, guard)) return 2;
        w.write_guard = guard;
        w.Form_Load();
        fill(w, book, 1);
        book.hozon_flag = 0;
        w.file_all_hozon_Click();
        std::printf("%s\n", qPrintable(w.windowTitle()));
        for (const ui::ShownBox& b : script.shown) std::printf("%s\n", qPrintable(b.text));
        if (!guard.read_only()) return book.hozon_flag == -1 ? 0 : 2;
        return book.hozon_flag == 0 ? 3 : 2;
    }

    if (std::strcmp(mode, "next") == 0) {
        w.Form_Load();
        const int n = nothing_saved_yet(book) ? 0 : generation_of(book);
        if (n < 0 || !script.shown.empty()) return 2;
        fill(w, book, n + 1);
        book.hozon_flag = 0;
        w.file_all_hozon_Click();
        std::printf("%d\n", n + 1);
        return book.hozon_flag == -1 ? 0 : 1;
    }

    if (std::strcmp(mode, "once") == 0 && argc > 2) {
        w.hrm_stamp = stamp_file(QStringLiteral("allitem.hrm"));
        fill(w, book, std::atoi(argv[2]));
        book.hozon_flag = 0;
        w.file_all_hozon_Click();
        const QString done = QStringLiteral("データ保存 してもうた ！");
        const size_t n = script.shown.size();
        const bool said_done = n >= 1 && script.shown[n - 1].text == done &&
                               script.shown[n - 1].icon == ui::Icon::Information;
        bool warned = n >= 2;
        for (size_t i = 0; i + 1 < n; ++i)
            warned = warned && script.shown[i].icon == ui::Icon::Exclamation;
        const bool said_failed =
            n == 1 && script.shown[0].text != done && script.shown[0].icon == ui::Icon::Critical;
        for (const ui::ShownBox& b : script.shown) std::printf("%s\n", qPrintable(b.text));
        if (said_done && n == 1 && book.hozon_flag == -1) return 0;
        if (said_failed && book.hozon_flag == 0) return 1;
        if (said_done && warned && book.hozon_flag == -1) return 3;
        return 2;
    }

    std::fprintf(stderr, "usage: save_probe loop | check | periods | check-periods | once N | next "
                         "| second | hold | pair-loop | pair-check | pair-periods "
                         "| pair-check-periods | pair-once N\n");
    return 2;
}
