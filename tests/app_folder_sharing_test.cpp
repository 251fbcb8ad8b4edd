// A book shared with another program: a read-only window refuses every
// writing command and still makes its CSV; a save never replaces an
// "allitem.hrm" that another program changed after this window read it.
#include "app/features.h"
#include "app/folder_claim.h"
#include "book/data_files.h"
#include "book/folder_lock.h"
#include "items/frmKomokuSort.h"
#include "periods/new_period_feature.h"
#include "print/csv_feature.h"
#include "roster/roster_file_feature.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

class FolderSharing : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        write_book();
    }
    void write_book() {
        Book saved;
        saved.member_name[0] = QStringLiteral("山田");
        saved.komoku_name[0] = QStringLiteral("歓迎会");
        saved.komoku_name[1] = QStringLiteral("送別会");
        saved.komoku_kingaku[0] = 1000;
        write_bytes("allitem.hrm", pair_swap(data_text(saved)));
    }
    QStringList folder() const {
        QStringList all = QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        all.sort();
        return all;
    }

    ui::MessageScript script;
    Book book;
    std::unique_ptr<frmTavu> w;
};

// A payments file with an unreadable line and an entry for a name the book
// does not hold: the read-only window says what it left out, and that the
// file stays as it is, not that a save will put it right.
TEST_F(FolderSharing, ReadOnlyWindowRefusesEveryWritingCommand) {
    const QByteArray pay = "tavu-payments 1\n"
                           "P\t1\t1\t500\t2026-12-08\t山田\t歓迎会\n"
                           "P\t1\t2\t700\t2026-12-08\t田中\t送別会\n"
                           "P\tnot a line\n";
    write_bytes("allitem.pay", pay);
    w = std::make_unique<frmTavu>(book);
    const app::Features features = app::attach_features(*w);
    w->write_guard = WriteGuard::read_only(WriteGuard::Reason::HeldByAnother);
    w->Form_Load();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("1 行 読まれへんかってん")));
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("1 件")));
    for (const auto& shown : script.shown) {
        EXPECT_TRUE(shown.text.contains(QStringLiteral("ファイルは そのまま やで")));
        EXPECT_FALSE(shown.text.contains(QStringLiteral("保存")));
    }
    EXPECT_EQ(book.payments.cell[0][0].received, 500);
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("【見るだけ (読み取り専用)】")));
    const QByteArray saved = read_bytes("allitem.hrm");
    const QStringList files = folder();
    const struct {
        const char* command;
        std::function<void()> run;
    } commands[] = {
        {"保存", [&] { w->file_all_hozon_Click(); }},
        {"新しい期間", [&] { features.new_period->file_new_period_Click(); }},
        {"項目の 削除", [&] { w->cmdKomokuDel_Click(); }},
        {"項目の 並べ替え", [&] { w->komoku_sort_Click(); }},
        {"名前の 編集", [&] { w->hensyu_name_Click(); }},
        {"名簿の 読み込み", [&] { features.roster->file_meibo_in_Click(); }},
        {"項目の 書き換え",
         [&] {
             w->txtKomoku->setText(QStringLiteral("二次会"));
             w->txtKomoku_KeyPress(13);
             EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("歓迎会"));
             EXPECT_EQ(book.cur_komoku, 0);
         }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        script.shown.clear();
        book.hozon_flag = 0;
        c.run();
        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_TRUE(script.shown[0].text.startsWith(QString::fromUtf8(c.command) +
                                                    QStringLiteral(" は でけへんで ！")));
        EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("別の ＴＡＶＵ が 開いてる")));
        EXPECT_EQ(script.shown[0].icon, ui::Icon::Exclamation);
        EXPECT_EQ(book.komoku_name[0], QStringLiteral("歓迎会"));
        EXPECT_EQ(book.komoku_name[1], QStringLiteral("送別会"));
        EXPECT_EQ(book.name_mode, 0);
        EXPECT_TRUE(!w->komoku_sort_form || w->komoku_sort_form->isHidden());
        EXPECT_EQ(read_bytes("allitem.hrm"), saved);
        EXPECT_EQ(read_bytes("allitem.pay"), pay);
        EXPECT_EQ(folder(), files);
    }

    // Reading only: the CSV is made.
    script.shown.clear();
    features.csv->file_csv_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Information);
    EXPECT_EQ(folder().size(), files.size() + 1);

    // Closing after an edit offers no save that would be refused: one
    // question, whose Cancel keeps the window open.
    for (const ui::Answer answer : {ui::Answer::Cancel, ui::Answer::Ok}) {
        script.shown.clear();
        script.answer(answer);
        book.hozon_flag = 0;
        bool cancel = false;
        w->Form_QueryUnload(cancel, 0);
        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("保存でけへんネン")));
        EXPECT_EQ(cancel, answer == ui::Answer::Cancel);
    }
}

// A closed period's archive opened as the working folder (as the message
// after 新しい期間 suggests): no lock, tinted and titled as a past period,
// nothing that edits enabled, 新しい期間 refused, the folder never written.
TEST_F(FolderSharing, AnArchiveOpenedAsTheFolderIsOnlyLookedAt) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("kako/2026年11月")));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral("allitem.hrm"), QStringLiteral("kako/2026年11月/allitem.hrm")));
    const QString live = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("kako/2026年11月")));
    const QStringList before = folder();
    {
        FolderLock lock;
        WriteGuard guard;
        ASSERT_TRUE(app::claim_working_folder(lock, guard));
        EXPECT_FALSE(lock.held());
        EXPECT_EQ(guard.reason(), WriteGuard::Reason::PastPeriod);
        w = std::make_unique<frmTavu>(book);
        const app::Features features = app::attach_features(*w);
        w->write_guard = guard;
        w->Form_Load();
        EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("【過去の期間：見るだけ】")));
        EXPECT_TRUE(w->autoFillBackground());
        EXPECT_FALSE(w->chk1[0]->isEnabled());
        EXPECT_TRUE(w->txt1[0]->isReadOnly());
        EXPECT_FALSE(w->file_new_period->isEnabled());
        EXPECT_TRUE(w->file_csv->isEnabled());
        script.shown.clear();
        features.new_period->file_new_period_Click();
        ASSERT_EQ(script.shown.size(), 1u);
        EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("新しい期間 は でけへんで ！")));
        EXPECT_EQ(folder(), before);
        w.reset();
    }
    // The live folder next to it takes its lock as ever.
    ASSERT_TRUE(QDir::setCurrent(live));
    FolderLock lock;
    WriteGuard guard;
    ASSERT_TRUE(app::claim_working_folder(lock, guard));
    EXPECT_TRUE(lock.held());
    EXPECT_FALSE(guard.read_only());
}

// The file is changed behind the window's back in each way a size, a time
// or only the bytes tell; a file gone or first made is the last row's
// concern.
TEST_F(FolderSharing, SaveNeverReplacesABookChangedOnDisk) {
    const struct {
        const char* what;
        QByteArray other; // what the other program leaves; empty: the file is removed
        bool same_time;   // the other keeps the time the window saw
        bool refused;
    } rows[] = {
        {"another size", pair_swap("\"changed elsewhere\"\r\n"), false, true},
        {"same size and time, other bytes", QByteArray(), true, true},
        {"removed meanwhile", QByteArray(), false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        write_book();
        w = std::make_unique<frmTavu>(book);
        w->Form_Load();
        script.shown.clear();
        const QByteArray read = read_bytes("allitem.hrm");
        QByteArray other = r.other;
        if (r.same_time) {
            other = read;
            std::swap(other[0], other[1]);
        }
        struct stat seen;
        ASSERT_EQ(::stat("allitem.hrm", &seen), 0);
        if (other.isEmpty()) {
            QFile::remove(path("allitem.hrm"));
        } else {
            write_bytes("allitem.hrm", other);
            const struct timespec times[2] = {seen.st_atim, seen.st_mtim};
            if (r.same_time) {
                ASSERT_EQ(::utimensat(AT_FDCWD, "allitem.hrm", times, 0), 0);
            }
        }
        const QStringList files = folder();
        book.hozon_flag = 0;
        w->file_all_hozon_Click();
        ASSERT_EQ(script.shown.size(), 1u);
        if (r.refused) {
            EXPECT_TRUE(script.shown[0].text.startsWith(
                QStringLiteral("「allitem.hrm」 が 読んだ 後で 書き換わってるネン！")));
            EXPECT_EQ(book.hozon_flag, 0);
            EXPECT_EQ(read_bytes("allitem.hrm"), other);
            EXPECT_EQ(folder(), files);
        } else {
            EXPECT_EQ(book.hozon_flag, -1);
            // And the window's own save is no change to the next one.
            script.shown.clear();
            book.hozon_flag = 0;
            w->file_all_hozon_Click();
            EXPECT_EQ(book.hozon_flag, -1);
        }
        w.reset();
        for (const QString& name : folder()) QFile::remove(path(name));
        script.shown.clear();
    }
}
