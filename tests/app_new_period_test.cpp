// 新しい期間: the closed period archived whole into kako/<name>, the book
// started again with the same roster; Cancel and failures change nothing.
#include "app/features.h"
#include "book/data_files.h"
#include "book/new_period.h"
#include "periods/new_period_feature.h"
#include "sheet/frmTavu.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"
#include "ui/program.h"

#include <QDir>
#include <memory>

namespace {

class NewPeriod : public TempWorkdir {
protected:
    void SetUp() override {
        TempWorkdir::SetUp();
        w = std::make_unique<frmTavu>(book);
        features = app::attach_features(*w);
        w->Form_Load();
        // Three members; item 1 割勘 on the sheet, item 2 任意 in the book.
        for (int i = 0; i < 3; ++i) {
            w->lbl1[i]->setText(QStringLiteral("人%1").arg(i));
            w->chk1[i]->setText(QStringLiteral("人%1").arg(i));
            w->chk1[i]->show();
        }
        book.komoku_name[1] = QStringLiteral("会費");
        book.komoku_mode[1] = 0;
        book.member_kingaku[2][1] = 3000;
        w->txtNengetu->setText(QStringLiteral("2026年12月"));
        w->txtMotojime->setText(QStringLiteral("幹事"));
        w->txtKomoku->setText(QStringLiteral("忘年会"));
        w->txtKingaku->setText(QStringLiteral("1300"));
        w->chk1[0]->setChecked(true);
        w->chk1[2]->setChecked(true);
        w->file_all_hozon_Click();
        saved = read_bytes(QStringLiteral("allitem.hrm"));
        script.shown.clear();
    }
    void TearDown() override {
        w.reset();
        TempWorkdir::TearDown();
    }

    static Book read_book(const QByteArray& stored) {
        Book b;
        EXPECT_EQ(parse_data_text(pair_swap(stored), b), ReadResult::Ok);
        return b;
    }

    // Everything a failure or Cancel must leave as it was.
    void expect_nothing_changed(const Book& before) {
        EXPECT_EQ(files(), (QStringList{"allitem.hrm"}));
        EXPECT_EQ(read_bytes(QStringLiteral("allitem.hrm")), saved);
        EXPECT_EQ(book.komoku_name, before.komoku_name);
        EXPECT_EQ(book.mark, before.mark);
        EXPECT_EQ(book.member_kingaku, before.member_kingaku);
        EXPECT_EQ(book.nengetu, before.nengetu);
        EXPECT_EQ(book.hozon_flag, before.hozon_flag);
        EXPECT_EQ(w->txtNengetu->text(), QStringLiteral("2026年12月"));
        EXPECT_EQ(w->txtKomoku->text(), QStringLiteral("忘年会 二次会"));
    }

    ui::MessageScript script;
    Book book;
    std::unique_ptr<frmTavu> w;
    app::Features features;
    QByteArray saved;
};

TEST_F(NewPeriod, ArchivesTheWholeBookAndStartsAgainWithTheSameRoster) {
    // Typed after the last save: the sheet goes into the archive too.
    w->txtKomoku->setText(QStringLiteral("忘年会 二次会"));
    ui::set_started_from_shell(true);
    features.new_period->file_new_period_Click();

    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Question);
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::OkCancel);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("「2026年12月」 を 締めて")));
    const QString folder = QDir::current().absoluteFilePath(QStringLiteral("kako/2026年12月"));
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Information);
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("tavu --folder ") + folder));
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("「ファイル」→「過去の期間」")));

    // The archive: the book as it stood, sheet included, as a save writes it.
    const Book archived = read_book(read_bytes(QStringLiteral("kako/2026年12月/allitem.hrm")));
    EXPECT_EQ(archived.member_name[2], QStringLiteral("人2"));
    EXPECT_EQ(archived.nengetu, QStringLiteral("2026年12月"));
    EXPECT_EQ(archived.motojime, QStringLiteral("幹事"));
    EXPECT_EQ(archived.komoku_name[0], QStringLiteral("忘年会 二次会"));
    EXPECT_EQ(archived.komoku_kingaku[0], 1300);
    EXPECT_EQ(archived.mark[2][0], 1);
    EXPECT_EQ(archived.mark[1][0], 0);
    EXPECT_EQ(archived.member_kingaku[2][1], 3000);
    Book expected = read_book(saved);
    expected.komoku_name[0] = QStringLiteral("忘年会 二次会");
    EXPECT_EQ(data_text(archived), data_text(expected));

    // The new book: same roster and person in charge, no items, no period
    // (the file holds item 1 only, the book every item).
    const Book fresh = read_book(read_bytes(QStringLiteral("allitem.hrm")));
    EXPECT_EQ(fresh.komoku_mode[0], 1);
    EXPECT_TRUE(fresh.komoku_name[0].isEmpty());
    EXPECT_EQ(data_text(fresh), data_text(book));
    for (const Book* b : {&book}) {
        EXPECT_EQ(b->member_name[0], QStringLiteral("人0"));
        EXPECT_EQ(b->motojime, QStringLiteral("幹事"));
        EXPECT_TRUE(b->nengetu.trimmed().isEmpty());
        for (int k = 0; k < kItems; ++k) {
            EXPECT_TRUE(b->komoku_name[k].isEmpty()) << k;
            EXPECT_EQ(b->komoku_mode[k], 1) << k;
            EXPECT_EQ(b->komoku_kingaku[k], 0) << k;
            for (int m = 0; m < kMembers; ++m) {
                EXPECT_EQ(b->mark[m][k], 0);
                EXPECT_EQ(b->member_kingaku[m][k], 0);
            }
        }
    }
    EXPECT_EQ(read_bytes(QStringLiteral("allitem.bak")), saved);
    EXPECT_EQ(book.hozon_flag, -1);
    EXPECT_EQ(book.cur_komoku, 0);
    EXPECT_TRUE(w->txtKomoku->text().isEmpty());
    EXPECT_TRUE(w->txtNengetu->text().isEmpty());
    EXPECT_EQ(w->txtMotojime->text(), QStringLiteral("幹事"));
    EXPECT_FALSE(w->chk1[0]->isChecked());
    EXPECT_EQ(w->lbl1[1]->text(), QStringLiteral("人1"));
}

TEST_F(NewPeriod, CancelChangesNothing) {
    w->txtKomoku->setText(QStringLiteral("忘年会 二次会"));
    const Book before = book;
    script.answer(ui::Answer::Cancel);
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_FALSE(exists(QStringLiteral("kako")));
    // The sheet was committed, as the print commands do; nothing more.
    Book committed = before;
    committed.komoku_name[0] = QStringLiteral("忘年会 二次会");
    expect_nothing_changed(committed);
}

TEST_F(NewPeriod, AFailureChangesNothingAndSaysSo) {
    w->txtKomoku->setText(QStringLiteral("忘年会 二次会"));
    w->newdata_memo(0);
    const Book before = book;

    // The archive cannot be written: a file where the folder "kako" goes.
    write_bytes(QStringLiteral("kako"), "not a folder");
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Critical);
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("kako"))));
    expect_nothing_changed(before);

    // The archive is written, then the save of the new book fails: the
    // archive goes again.
    script.shown.clear();
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("allitem.dat")));
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 3u); // question, the save's failure, this one
    EXPECT_EQ(script.shown[1].icon, ui::Icon::Critical);
    EXPECT_EQ(script.shown[2].icon, ui::Icon::Critical);
    EXPECT_FALSE(exists(QStringLiteral("kako")));
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("allitem.dat")));
    expect_nothing_changed(before);
    EXPECT_EQ(book.cur_komoku, before.cur_komoku);
}

// A closing cut short before the new book was saved leaves the closed book
// in allitem.hrm and its archive in kako/: closing it again takes that
// archive. Another closing of the same period gets one of its own.
TEST_F(NewPeriod, AClosingDoneAgainTakesItsArchiveAnotherGetsItsOwn) {
    // Started from the desktop menu: no shell command to type.
    ui::set_started_from_shell(false);
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 2u);
    EXPECT_FALSE(script.shown[1].text.contains(QStringLiteral("tavu --folder")));
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("allitem.hrm"))));
    ASSERT_TRUE(QFile::copy(path(QStringLiteral("kako/2026年12月/allitem.hrm")),
                            path(QStringLiteral("allitem.hrm"))));
    w = std::make_unique<frmTavu>(book);
    features = app::attach_features(*w);
    w->Form_Load();
    ASSERT_EQ(w->txtKomoku->text(), QStringLiteral("忘年会"));
    features.new_period->file_new_period_Click();
    EXPECT_EQ(QDir(QStringLiteral("kako")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"2026年12月"});
    EXPECT_EQ(book.hozon_flag, -1);

    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtKomoku->setText(QStringLiteral("追加"));
    w->txtKingaku->setText(QStringLiteral("500"));
    features.new_period->file_new_period_Click();
    EXPECT_EQ(QDir(QStringLiteral("kako")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"2026年12月", "2026年12月-2"}));
    EXPECT_EQ(read_book(read_bytes(QStringLiteral("kako/2026年12月/allitem.hrm"))).komoku_name[0],
              QStringLiteral("忘年会"));
    EXPECT_EQ(read_book(read_bytes(QStringLiteral("kako/2026年12月-2/allitem.hrm"))).komoku_name[0],
              QStringLiteral("追加"));
}

TEST_F(NewPeriod, TheMenuEntryReachesItsHandlerAndHidesInNameEditing) {
    script.answer(ui::Answer::Cancel);
    w->file_new_period->trigger();
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].title, QStringLiteral("新しい期間"));
    w->hensyu_name_Click();
    EXPECT_FALSE(w->menu_file->menuAction()->isVisible());
}

// With 集金チェック in use, what each member still owes goes into item 1 of
// the new period when the user says yes; the archive keeps the payments.
TEST_F(NewPeriod, WhatIsStillOwedGoesIntoTheNewPeriodWhenAsked) {
    w->lbl1[3]->setText(QStringLiteral("人3"));
    book.member_kingaku[3][1] = 500;
    // 忘年会 charges 人0 and 人2 1300, 会費 charges 人2 3000 and 人3 500.
    const struct {
        int member;
        qint64 paid_bonenkai;
        qint32 carried;
    } members[] = {
        {0, 2000, 0},    // overpaid: nothing carried, the archive shows it
        {1, 0, 0},       // charged nothing
        {2, 1000, 3300}, // partly paid
        {3, 0, 500},     // nothing paid yet
    };
    for (const auto& m : members)
        book.payments.cell[m.member][0] = {m.paid_bonenkai, QDate(2026, 12, 5)};
    w->file_all_hozon_Click();
    const QByteArray paid = read_bytes(QStringLiteral("allitem.pay"));
    script.shown.clear();

    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::Yes);
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 3u);
    EXPECT_EQ(script.shown[1].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(script.shown[1].text.startsWith(
        QStringLiteral("まだ もろてへん お金が 2人分、 合わせて 3,800円 ありまっせ。")));
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("「前期未収2026年12月」")));
    EXPECT_EQ(read_bytes(QStringLiteral("kako/2026年12月/allitem.pay")), paid);

    const Book fresh = read_book(read_bytes(QStringLiteral("allitem.hrm")));
    EXPECT_EQ(fresh.komoku_name[0], QStringLiteral("前期未収2026年12月"));
    EXPECT_EQ(fresh.komoku_mode[0], 0);
    EXPECT_TRUE(fresh.komoku_name[1].isEmpty());
    for (const auto& m : members)
        EXPECT_EQ(fresh.member_kingaku[m.member][0], m.carried) << m.member;
    EXPECT_TRUE(book.payments.empty());
    EXPECT_FALSE(w->optKinto->isChecked());
    EXPECT_EQ(w->txt1[2]->text(), QStringLiteral("3300"));

    // Nobody paid meanwhile: the carried debt is asked about again, not
    // dropped unseen.
    w->txtNengetu->setText(QStringLiteral("2027年1月"));
    script.shown.clear();
    script.answer(ui::Answer::Ok);
    script.answer(ui::Answer::Yes);
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 3u);
    EXPECT_TRUE(script.shown[1].text.contains(QStringLiteral("「前期未収2027年1月」")));
    EXPECT_EQ(read_book(read_bytes(QStringLiteral("allitem.hrm"))).member_kingaku[2][0], 3300);

    // Paid in part again and closed with "no": the new period starts empty,
    // the second archive keeps that payment.
    book.payments.cell[2][0] = {3300, QDate(2026, 12, 20)};
    w->txtNengetu->setText(QStringLiteral("2027年2月"));
    script.shown.clear();
    features.new_period->file_new_period_Click();
    ASSERT_EQ(script.shown.size(), 3u);
    EXPECT_TRUE(script.shown[1].text.startsWith(
        QStringLiteral("まだ もろてへん お金が 1人分、 合わせて 500円")));
    EXPECT_TRUE(read_bytes(QStringLiteral("kako/2027年2月/allitem.pay"))
                    .contains("\t3300\t2026-12-20\t人2\t"));
    EXPECT_TRUE(read_book(read_bytes(QStringLiteral("allitem.hrm"))).komoku_name[0].isEmpty());
}

} // namespace
