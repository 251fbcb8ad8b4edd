// The book as CSV: byte-order mark, CR LF, quoting, empty fields for 0, the
// totals, and which members and items make rows and columns.
#include "book/csv_table.h"
#include "book/payments_csv.h"
#include "book/print_rules.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(Csv, FieldsAreQuotedAsSpreadsheetsReadThem) {
    // clang-format off
    const std::pair<QString, QString> cases[] = {
        {"佐藤", "佐藤"}, {"", ""}, {"＂全角＂", "＂全角＂"} /* not a quote to a spreadsheet */,
        {"田中, 一郎", "\"田中, 一郎\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"a\r\nb", "\"a\r\nb\""},
        {" 空白 ", " 空白 "},
    };
    // clang-format on
    for (const auto& [text, field] : cases) EXPECT_EQ(csv_field(text), field) << text.toStdString();
}

TEST(Csv, SmallBookAsATable) {
    auto book = std::make_unique<Book>();
    book->nengetu = QStringLiteral("2026年12月 ");
    book->motojime = QStringLiteral("幹事,花子");
    book->member_name[0] = QStringLiteral("佐藤");
    book->member_name[1] = QStringLiteral("＂山田＂, 太郎");
    book->member_name[2] = QStringLiteral("=1+1"); // text, not a formula
    book->member_name[3] = QStringLiteral("Ito \"Ken\"");
    book->member_name[4] = QStringLiteral("  "); // blank: no row, and charged nothing
    book->komoku_name[0] = QStringLiteral("忘年会");
    book->komoku_mode[0] = 1;
    book->komoku_kingaku[0] = 3000;
    book->mark[0][0] = book->mark[3][0] = book->mark[4][0] = 1;
    book->komoku_name[1] = QString(); // untitled: no column, though it holds amounts
    book->member_kingaku[0][1] = 999;
    book->komoku_name[2] = QStringLiteral("花, \"束\"");
    book->member_kingaku[1][2] = 12000;
    book->member_kingaku[3][2] = -500;
    print_syukei(*book);

    const QByteArray expected = "\xEF\xBB\xBF"
                                "期間,2026年12月,担当,\"幹事,花子\"\r\n"
                                "番号,名前,忘年会,\"花, \"\"束\"\"\",合計\r\n"
                                "1,佐藤,3000,,3000\r\n"
                                "2,\"＂山田＂, 太郎\",,12000,12000\r\n"
                                "3,'=1+1,,,\r\n"
                                "4,\"Ito \"\"Ken\"\"\",3000,-500,2500\r\n"
                                ",合計,6000,11500,17500\r\n";
    EXPECT_EQ(csv_text(*book), expected);

    // A book with no names and no items still has its three lines.
    auto empty = std::make_unique<Book>();
    print_syukei(*empty);
    EXPECT_EQ(csv_text(*empty), QByteArray("\xEF\xBB\xBF"
                                           "期間,,担当,\r\n番号,名前,合計\r\n,合計,\r\n"));
}

// The payments as a table: a row per member and item that owes or received
// anything, in every state, the money of a member whose name has gone kept.
TEST(Csv, PaymentsAsATable) {
    auto book = std::make_unique<Book>();
    book->nengetu = QStringLiteral("2026年12月");
    book->motojime = QStringLiteral("+幹事");
    book->member_name[0] = QStringLiteral("佐藤");
    book->member_name[1] = QStringLiteral("@山田, 太郎");
    book->member_name[2] = QStringLiteral("鈴木"); // owes nothing, paid nothing: no row
    book->komoku_name[0] = QStringLiteral("忘年会");
    book->komoku_mode[0] = 1;
    book->komoku_kingaku[0] = 3000;
    book->mark[0][0] = book->mark[1][0] = 1;
    book->komoku_name[1] = QStringLiteral("-返金");
    book->member_kingaku[0][1] = -500; // paid out to the member
    book->member_kingaku[1][1] = 1200;
    const QDate day(2026, 12, 8);
    book->payments.cell[0][0] = {1000, day};            // 一部
    book->payments.cell[0][1] = {-500, day};            // 済, paid out
    book->payments.cell[1][0] = {3500, day.addDays(1)}; // 過払い
    book->payments.cell[5][0] = {700, day};             // a name since gone
    const QByteArray expected = "\xEF\xBB\xBF"
                                "期間,2026年12月,担当,'+幹事\r\n"
                                "番号,名前,項目,請求,受取,残り,受取日,状態,充当\r\n"
                                "1,佐藤,忘年会,3000,1000,2000,2026/12/08,一部,\r\n"
                                "1,佐藤,'-返金,-500,-500,,2026/12/08,済,\r\n"
                                "2,\"'@山田, 太郎\",忘年会,3000,3500,,2026/12/09,過払い,\r\n"
                                "2,\"'@山田, 太郎\",'-返金,1200,,700,,未,500\r\n"
                                "6,,忘年会,,700,,2026/12/08,過払い,\r\n"
                                ",合計,,6700,4700,2700,,,500\r\n";
    EXPECT_EQ(payments_csv_text(*book), expected);
}

} // namespace
