// 名簿の読み込み through its preview, its undo, 名簿の書き出し, names pasted in
// name editing, and the empty roster's hint line, as the user meets them.
#include "book/text_rules.h"
#include "roster/frmRosterImport.h"
#include "roster/roster_file_feature.h"
#include "support/roster_fixture.h"
#include "support/roster_shapes.h"
#include "ui/file_choice.h"
#include "ui/modal.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTableWidget>

namespace {

class RosterFiles : public RosterTest {
protected:
    void SetUp() override {
        RosterTest::SetUp();
        book.member_name[0] = QStringLiteral("山田");
        book.member_name[1] = QStringLiteral("佐藤");
        book.member_name[3] = QStringLiteral("鈴木");
        for (int j = 0; j < kItems; ++j) {
            book.komoku_name[j] = QStringLiteral("項目%1").arg(j);
            book.komoku_kingaku[j] = 500;
            book.mark[0][j] = 1;
            book.mark[2][j] = 1; // left on an empty row
        }
        open();
    }
    // The first six rows, in the book and as the window shows them.
    void expect_names(const QStringList& names) const {
        for (int i = 0; i < names.size(); ++i) {
            EXPECT_EQ(book.member_name[i], names[i]) << i;
            if (!names[i].isEmpty()) {
                EXPECT_EQ(form->chk1[i]->text(), names[i]) << i;
            }
        }
    }
    ui::FileScript files;
};

} // namespace

TEST_F(RosterFiles, ImportedThroughThePreviewAndUndone) {
    // Tab-separated, as a spreadsheet saves it, with a header and a number column.
    write_bytes("meibo.txt", QByteArray("番号\t氏名\r\n1\t佐藤\r\n2\t田中\r\n3\t山田\r\n"
                                        "4\t\r\n5\t田中\r\n6\t長い長い長い名前さん\r\n"));
    files.answer("meibo.txt");
    QStringList rows;
    QString missing;
    ui::ModalScript preview([&](QDialog& d) {
        auto& f = dynamic_cast<frmRosterImport&>(d);
        for (int r = 0; r < f.grdLines->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < frmRosterImport::kColumns; ++c)
                cells << f.grdLines->item(r, c)->text();
            rows << cells.join(u'|');
        }
        missing = f.lblMissing->text();
        EXPECT_EQ(f.cboEncoding->currentText(), QStringLiteral("UTF-8"));
        EXPECT_EQ(f.cboFormat->currentText(), QStringLiteral("タブ区切り"));
        EXPECT_EQ(f.cboColumn->currentText(), QStringLiteral("2列目「氏名」"));
        EXPECT_EQ(f.cboColumn->count(), 2);
        EXPECT_TRUE(f.cmdOk->isEnabled());
        f.cmdOk->click();
        return f.result();
    });
    form->file_meibo_in->trigger();

    EXPECT_EQ(rows, QStringList({
                        "2|佐藤|2|もう おってはる：そのままや",
                        "3|田中|3|",
                        "4|山田|1|もう おってはる：そのままや",
                        "5||－|空の行：とばすで",
                        "6|田中|－|同じ名前が 上にある：入れへんで",
                        "7|長い長い長い|5|長すぎ：１２バイトで 切るで",
                    }));
    EXPECT_EQ(missing, QStringLiteral("ファイルに おらへん人（消さへんで）：4 鈴木"));
    expect_names({"山田", "佐藤", "田中", "鈴木", "長い長い長い", ""});
    EXPECT_EQ(book.mark[0][5], 1);
    EXPECT_EQ(book.mark[2][5], 0);
    EXPECT_FALSE(form->chk1[2]->isChecked());
    EXPECT_EQ(book.hozon_flag, 0);
    EXPECT_EQ(texts(), std::vector<QString>{QStringLiteral(
                           "2人 入れたで ！\r\n\r\nあかんかったら "
                           "「編集」→「名簿の読み込みを取り消す」で 元に 戻せるで。")});
    ASSERT_TRUE(form->hensyu_meibo_undo->isEnabled());

    // 田中, new, takes part since: the undo asks first, as the mark goes too.
    form->chk1[2]->setChecked(true);
    script.answer(ui::Answer::Cancel);
    form->hensyu_meibo_undo->trigger();
    EXPECT_EQ(book.member_name[2], QStringLiteral("田中"));
    EXPECT_EQ(book.mark[2][0], 1);
    ASSERT_TRUE(form->hensyu_meibo_undo->isEnabled());
    script.answer(ui::Answer::Ok);
    form->hensyu_meibo_undo->trigger();
    expect_names({"山田", "佐藤", "", "鈴木", "", ""});
    EXPECT_TRUE(form->chk1[2]->isHidden());
    EXPECT_FALSE(form->hensyu_meibo_undo->isEnabled());
    ASSERT_EQ(script.shown.size(), 3u);
    EXPECT_TRUE(script.shown[1].text.startsWith(
        QStringLiteral("読み込んだ 人のうち 1人に もう 印か 金額か 入金が 付いてるで ！")));
    EXPECT_EQ(script.shown[2].text, script.shown[1].text);
}

// The book the import changed is replaced by 再読込 (or closed by
// 新しい期間): the undo is forgotten, as its rows may be other people's by
// then.
TEST_F(RosterFiles, TheUndoIsForgottenWhenTheBookIsReadAgain) {
    write_bytes("meibo.txt", QByteArray("田中\n"));
    form->file_all_hozon_Click();
    files.answer("meibo.txt");
    ui::ModalScript preview([](QDialog& d) {
        d.accept();
        return int(QDialog::Accepted);
    });
    form->file_meibo_in->trigger();
    ASSERT_TRUE(form->hensyu_meibo_undo->isEnabled());
    script.answer(ui::Answer::Ok);
    form->data_reload->trigger();
    EXPECT_FALSE(form->hensyu_meibo_undo->isEnabled());
    EXPECT_FALSE(form->findChild<roster::RosterFileFeature*>()->roster_undo().has_value());
    EXPECT_TRUE(is_blank(book.member_name[2]));

    files.answer("meibo.txt");
    form->file_meibo_in->trigger();
    ASSERT_TRUE(form->hensyu_meibo_undo->isEnabled());
    form->file_new_period->trigger();
    ASSERT_TRUE(QDir(QStringLiteral("kako")).exists());
    EXPECT_FALSE(form->hensyu_meibo_undo->isEnabled());
}

// The largest files, shaped against the reader, open their preview at once:
// the table shows the first lines, the summary counts them all.
TEST_F(RosterFiles, LargestFilesOpenTheirPreviewAtOnce) {
    for (const auto& [what, bytes] : shaped_roster_files()) {
        SCOPED_TRACE(what);
        QElapsedTimer timer;
        timer.start();
        frmRosterImport preview(book, bytes, QStringLiteral("big.csv"));
        EXPECT_LT(timer.elapsed(), 10'000);
        EXPECT_LE(preview.grdLines->rowCount(), 1001);
        EXPECT_LE(preview.cboColumn->count(), 101);
    }
}

TEST_F(RosterFiles, ExportedAsCsvAndNeverOverTheBook) {
    files.answer("allitem.hrm");
    form->file_meibo_out->trigger();
    EXPECT_FALSE(QFile::exists("allitem.hrm"));

    files.answer("out.csv");
    form->file_meibo_out->trigger();
    EXPECT_EQ(read_bytes("out.csv"),
              QByteArray("\xEF\xBB\xBF番号,名前\r\n1,山田\r\n2,佐藤\r\n4,鈴木\r\n"));
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_TRUE(texts()[0].startsWith(QStringLiteral("「allitem.hrm」は ＴＡＶＵの データの")));
    EXPECT_TRUE(texts()[1].startsWith(QStringLiteral("名簿を 書き出したで ！")));
}

TEST_F(RosterFiles, SeveralLinesPastedFillTheRowsDown) {
    start_editing();
    click(form->lbl1[1]); // 佐藤, number 2
    form->txtName_Input->selectAll();
    form->txtName_Input->insert(QStringLiteral("田中\r\n髙橋\r\n𠮷野\r\n山田\r\n"
                                               "あいうえおかきくけ\r\n"));

    expect_names({"山田", "田中", "髙橋", "あいうえおか", "", ""});
    EXPECT_EQ(book.name_no, 5);
    EXPECT_EQ(form->txtName_Input->text(), QString());
    EXPECT_EQ(texts(), std::vector<QString>{
                           QStringLiteral("貼り付けた 名前、ちょっと 気ぃつけてや ！\r\n\r\n"
                                          "3行目 「𠮷野」 「𠮷」は 使えへん字や：入れへんで\r\n"
                                          "4行目 「山田」 同じ名前が 上にある：入れへんで\r\n"
                                          "5行目 「あいうえおか」 長すぎ：１２バイトで 切るで")});
    finish_editing();
    EXPECT_EQ(book.mark[0][3], 1) << "山田 keeps the row";
}

TEST_F(RosterTest, TheEmptyRosterSaysHowNamesGetIn) {
    open();
    ASSERT_NE(form->lblMeiboHint, nullptr);
    EXPECT_FALSE(form->lblMeiboHint->isHidden());
    EXPECT_TRUE(form->lblMeiboHint->text().contains(QStringLiteral("名簿の読み込み")));

    start_editing();
    EXPECT_TRUE(form->lblMeiboHint->isHidden());
    type_name(QStringLiteral("一番"));
    finish_editing();
    EXPECT_TRUE(form->lblMeiboHint->isHidden());

    // A window open to look at only does not point to the ways it refuses.
    book = Book{};
    form = std::make_unique<frmTavu>(book);
    form->write_guard = WriteGuard::read_only(WriteGuard::Reason::HeldByAnother);
    form->Form_Load();
    ASSERT_NE(form->lblMeiboHint, nullptr);
    EXPECT_FALSE(form->lblMeiboHint->isHidden());
    EXPECT_TRUE(form->lblMeiboHint->text().contains(QStringLiteral("見るだけ")));
    EXPECT_FALSE(form->lblMeiboHint->text().contains(QStringLiteral("名簿の読み込み")));
}
