// ＣＳＶ出力 under ファイル: it commits the sheet, writes the table into the
// working folder by the report files' naming rule and says where (and so
// does ＣＳＶ出力 (集金の記録) for the payments); a folder
// that cannot take the file gets a message and no file; the entry goes with
// the ファイル menu in name editing.
#include "sheet_fixture.h"

#include <QDir>
#include <QRegularExpression>

namespace {

using CsvMenu = SheetTest;

TEST_F(CsvMenu, WritesTheCommittedBookAndSaysWhere) {
    start(3);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtKomoku->setText(QStringLiteral("忘年会"));
    w->txtKingaku->setText(QStringLiteral("3000"));
    w->chk1[0]->setChecked(true);
    w->chk1[2]->setChecked(true);
    book.hozon_flag = -1;

    w->file_csv->trigger();
    w->file_csv->trigger(); // the same second: the second file takes "-2"
    const QStringList written = files();
    ASSERT_EQ(written.size(), 2) << written.join(' ').toStdString();
    const QRegularExpression name(QStringLiteral("^book-\\d{8}-\\d{6}(-2)?\\.csv$"));
    for (const QString& file : written)
        EXPECT_TRUE(name.match(file).hasMatch()) << file.toStdString();
    EXPECT_EQ(read_bytes(written[0]), read_bytes(written[1]));
    EXPECT_EQ(read_bytes(written[0]), QByteArray("\xEF\xBB\xBF"
                                                 "期間,2026年12月,担当,\r\n"
                                                 "番号,名前,忘年会,合計\r\n"
                                                 "1,名前0,3000,3000\r\n"
                                                 "2,名前1,,\r\n"
                                                 "3,名前2,3000,3000\r\n"
                                                 ",合計,6000,6000\r\n"));
    // Committed as the print commands commit; nothing saved.
    EXPECT_EQ(book.komoku_name[0], QStringLiteral("忘年会"));
    const Boxes shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    QStringList told;
    for (const auto& [text, icon] : shown) {
        EXPECT_EQ(icon, ui::Icon::Information);
        told << text;
    }
    told.sort();
    EXPECT_EQ(told, (QStringList{
                        QStringLiteral("ＣＳＶ に 書き出したで ！\r\n\r\n") + path(written[0]),
                        QStringLiteral("ＣＳＶ に 書き出したで ！\r\n\r\n") + path(written[1])}));

    // A folder gone from under the program: told so, and no file anywhere.
    const QString folder = QDir::currentPath();
    for (const QString& file : written) QFile::remove(file);
    ASSERT_TRUE(QDir().rmdir(folder));
    w->file_csv->trigger();
    const Boxes failed = boxes();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_TRUE(failed[0].first.startsWith(QStringLiteral("ＣＳＶ が 書かれへんかってん ！")));
    EXPECT_EQ(failed[0].second, ui::Icon::Critical);
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_TRUE(files().isEmpty());
}

// The entry below it: the payments record, with the sheet committed first.
TEST_F(CsvMenu, PaymentsEntryWritesThePaymentsRecord) {
    start(3);
    w->txtNengetu->setText(QStringLiteral("2026年12月"));
    w->txtKomoku->setText(QStringLiteral("忘年会"));
    w->txtKingaku->setText(QStringLiteral("3000"));
    w->chk1[0]->setChecked(true);
    w->chk1[2]->setChecked(true);
    book.payments.cell[2][0] = {3000, QDate(2026, 12, 8)};
    w->file_csv_pay->trigger();
    const QStringList written = files();
    ASSERT_EQ(written.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^payments-\\d{8}-\\d{6}\\.csv$"))
                    .match(written[0])
                    .hasMatch())
        << written[0].toStdString();
    EXPECT_EQ(read_bytes(written[0]), QByteArray("\xEF\xBB\xBF"
                                                 "期間,2026年12月,担当,\r\n"
                                                 "番号,名前,項目,請求,受取,残り,受取日,状態,充当\r\n"
                                                 "1,名前0,忘年会,3000,,3000,,未,\r\n"
                                                 "3,名前2,忘年会,3000,3000,,2026/12/08,済,\r\n"
                                                 ",合計,,6000,3000,3000,,,\r\n"));
    EXPECT_EQ(boxes(),
              (Boxes{{QStringLiteral("ＣＳＶ に 書き出したで ！\r\n\r\n") + path(written[0]),
                      ui::Icon::Information}}));
}

TEST_F(CsvMenu, AnItemThatCannotBeLeftStopsItAndNameEditingHidesIt) {
    start(3);
    // Two marked against a head count of 3: the check stops the command.
    w->txtKomoku->setText(QStringLiteral("会費"));
    w->txtSogaku->setText(QStringLiteral("3000"));
    w->txtNin->setText(QStringLiteral("3"));
    w->txtKingaku->setText(QStringLiteral("1000"));
    w->chk1[0]->setChecked(true);
    w->chk1[1]->setChecked(true);
    boxes();
    w->file_csv->trigger();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(files().isEmpty());

    EXPECT_TRUE(w->menu_file->actions().contains(w->file_csv));
    w->chk1[2]->setChecked(true);
    w->hensyu_name_Click();
    EXPECT_FALSE(w->menu_file->menuAction()->isVisible());
}

} // namespace
