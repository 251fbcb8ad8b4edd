// A roster from a file: encodings, formats, the names column and the checks
// of each line, its placement into the book and back out, and the export.
#include "book/csv_table.h"
#include "book/roster_placement.h"
#include "support/roster_shapes.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

QByteArray utf8(const char* text) {
    return QByteArray(text);
}

// 97 names "会員01".."会員97", one a line.
QByteArray ninety_seven() {
    QByteArray out;
    for (int i = 1; i <= 97; ++i)
        out += QStringLiteral("会員%1\n").arg(i, 2, 10, QChar(u'0')).toUtf8();
    return out;
}

struct Row {
    int line;
    const char* name; // as the roster would hold it (UTF-8)
    unsigned flags;
    int slot; // in an empty roster
};

struct Case {
    const char* what;
    QByteArray bytes;
    std::optional<RosterEncoding> forced;
    RosterEncoding encoding;
    RosterFormat format;
    int column, header_line;
    size_t lines;
    std::vector<Row> rows;
    std::optional<int> column_chosen = {};
};

constexpr unsigned kLong = kRosterTooLong, kBad = kRosterUnencodable, kDup = kRosterDuplicate,
                   kBlank = kRosterBlank, kNoRoom = kRosterNoRoom;
using E = RosterEncoding;
using F = RosterFormat;

} // namespace

TEST(RosterFile, FilesReadAsThePreviewShowsThem) {
    // Code page 932 bytes written by hand: 氏名 8E81 96BC, 部署 is not needed,
    // 総務 918D 96B1, 山田 8E52 9363, ① 8740, ｱ B1, 髙橋 FBFC 8BB4, 経理 8C6F 979D.
    const QByteArray cp932_csv("\x8E\x81\x96\xBC,\x8C\x6F\x97\x9D\r\n"
                               "\x8E\x52\x93\x63,\x91\x8D\x96\xB1\r\n"
                               "\x87\x40\xB1,\x91\x8D\x96\xB1\r\n"
                               "\xFB\xFC\x8B\xB4,\x8C\x6F\x97\x9D\r\n");
    // clang-format off
    const Case cases[] = {
        {"UTF-8 lines", utf8("山田\n佐藤"), {}, E::Utf8, F::Lines, 0, 0, 2,
         {{1, "山田", 0, 0}, {2, "佐藤", 0, 1}}},
        {"UTF-8 with BOM, the export's shape",
         utf8("\xEF\xBB\xBF番号,名前\r\n1,山田\r\n2,\"佐藤, 花子\"\r\n3,\"伊藤\r\n健\"\r\n\r\n"),
         {}, E::Utf8, F::Csv, 1, 1, 3, {{2, "山田", 0, 0}, {3, "佐藤, 花子", 0, 1}, {4, "伊藤 健", 0, 2}}},
        {"code page 932 with 氏名", cp932_csv, {}, E::Cp932, F::Csv, 0, 1, 3,
         {{2, "山田", 0, 0}, {3, "①ｱ", 0, 1}, {4, "髙橋", 0, 2}}},
        {"code page 932 read as UTF-8", cp932_csv, E::Utf8, E::Utf8, F::Csv, 0, 0, 4,
         {{2, "\uFFFDR\uFFFDc", kBad, -1}}},
        {"tab-separated, No over numbers", utf8("No\tName\n1\t山田\n2\t佐藤\n"), {}, E::Utf8,
         F::Tsv, 1, 1, 2, {{2, "山田", 0, 0}, {3, "佐藤", 0, 1}}},
        {"header 名 in the third column", utf8("番号\t部署\t名\n7\t総務\t山田\n"), {}, E::Utf8,
         F::Tsv, 2, 1, 1, {{2, "山田", 0, 0}}},
        {"no header: first column not numbers", utf8("12,山田,総務\n13,佐藤,経理\n"), {}, E::Utf8,
         F::Csv, 1, 0, 2, {{1, "山田", 0, 0}, {2, "佐藤", 0, 1}}},
        {"long names cut to 12 bytes", utf8("あいうえおかきくけ\nABCDEFGHIJKLMN\nｱｲｳｴｵｶｷｸｹｺｻｼｽ\n"),
         {}, E::Utf8, F::Lines, 0, 0, 3,
         {{1, "あいうえおか", kLong, 0}, {2, "ABCDEFGHIJKL", kLong, 1}, {3, "ｱｲｳｴｵｶｷｸｹｺｻｼ", kLong, 2}}},
        {"a quote as the data file keeps it; a cut just after a blank",
         utf8("番号,名前\n1,\"山田\"\"x\"\n2,ABCDEFGHIJK LM\n"), {}, E::Utf8, F::Csv, 1, 1, 2,
         {{2, "山田＂x", 0, 0}, {3, "ABCDEFGHIJK", kLong, 1}}},
        {"a header of other words: the names column chosen",
         utf8("社員番号,所属,名前（漢字）\n1,総務,山田\n2,経理,佐藤\n"), {}, E::Utf8, F::Csv, 2, 1, 2,
         {{2, "山田", 0, 0}, {3, "佐藤", 0, 1}}, 2},
        {"characters the code page lacks", utf8("𠮷野\n김\n山田\n"), {}, E::Utf8, F::Lines, 0, 0, 3,
         {{1, "𠮷野", kBad, -1}, {2, "김", kBad, -1}, {3, "山田", 0, 0}}},
        {"duplicates and blank lines", utf8("山田\n\n佐藤\n  \n山田\n"), {}, E::Utf8, F::Lines, 0, 0, 5,
         {{1, "山田", 0, 0}, {2, "", kBlank, -1}, {3, "佐藤", 0, 1}, {4, "", kBlank, -1},
          {5, "山田", kDup, -1}}},
        {"names equal once cut", utf8("あいうえおかき\nあいうえおかく\n"), {}, E::Utf8, F::Lines, 0, 0, 2,
         {{1, "あいうえおか", kLong, 0}, {2, "あいうえおか", kLong | kDup, -1}}},
        {"UTF-16 with its BOM (a spreadsheet's Unicode text)",
         QByteArray("\xFF\xFE\x71\x5C\x30\x75\x09\x00\x31\x00", 10), {}, E::Utf16, F::Tsv, 0, 0, 1,
         {{1, "山田", 0, 0}}},
        {"more than 96 names", ninety_seven(), {}, E::Utf8, F::Lines, 0, 0, 97,
         {{1, "会員01", 0, 0}, {96, "会員96", 0, 95}, {97, "会員97", kNoRoom, -1}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RosterFile file = read_roster(c.bytes, c.forced, {}, c.column_chosen);
        auto book = std::make_unique<Book>();
        place_roster(*book, file.lines);
        EXPECT_EQ(file.encoding, c.encoding);
        EXPECT_EQ(file.format, c.format);
        EXPECT_EQ(file.column, c.column);
        EXPECT_EQ(file.header_line, c.header_line);
        ASSERT_EQ(file.lines.size(), c.lines);
        std::map<int, const RosterLine*> by_line;
        for (const RosterLine& l : file.lines) by_line[l.line] = &l;
        for (const Row& row : c.rows) {
            SCOPED_TRACE(testing::Message() << "line " << row.line);
            ASSERT_TRUE(by_line.count(row.line));
            const RosterLine& l = *by_line[row.line];
            EXPECT_EQ(l.name.toStdString(), std::string(row.name));
            EXPECT_EQ(l.flags, row.flags);
            EXPECT_EQ(l.slot, row.slot);
        }
    }
}

TEST(RosterFile, WorkbooksAreToldApartFromText) {
    EXPECT_TRUE(is_workbook(QByteArray("PK\x03\x04\x14\x00", 6)));            // .xlsx, .ods
    EXPECT_TRUE(is_workbook(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))); // .xls
    EXPECT_FALSE(is_workbook(QByteArray("PK,山田\n")));
}

TEST(RosterFile, PlacedIntoARosterInUseAndUndone) {
    auto book = std::make_unique<Book>();
    const char* names[] = {"山田", "佐藤", " ", "鈴木", "", "伊藤"};
    for (int i = 0; i < 6; ++i) book->member_name[i] = QString::fromUtf8(names[i]);
    for (int j = 0; j < kItems; ++j) {
        book->mark[0][j] = 1;                 // 山田 takes part in everything
        book->member_kingaku[1][j] = 100 + j; // 佐藤 pays amounts of their own
        book->mark[2][j] = 1;                 // left behind on an empty row
    }
    for (int i = 6; i < kMembers; ++i) book->member_name[i] = QStringLiteral("他%1").arg(i);
    // Money received on the empty row before its name went.
    book->payments.cell[2][1] = {700, QDate(2026, 12, 8)};
    const auto before = std::make_unique<Book>(*book);

    // 佐藤 and 山田 are there already, 田中 and 高橋 are new, 伊藤 is
    // missing; only two rows are free, so 小林 finds no room.
    RosterFile file = read_roster(utf8("佐藤\n田中\n山田\n高橋\n小林\n"));
    const RosterPlacement placement = place_roster(*book, file.lines);
    std::vector<std::tuple<int, bool, unsigned>> placed; // slot, kept, flags
    for (const RosterLine& l : file.lines) placed.emplace_back(l.slot, l.kept, l.flags);
    EXPECT_EQ(placed,
              (decltype(placed){
                  {1, true, 0}, {2, false, 0}, {0, true, 0}, {4, false, 0}, {-1, false, kNoRoom}}));
    EXPECT_EQ(placement.filled, (std::vector<int>{2, 4}));
    std::vector<int> missing_expected{3, 5};
    for (int i = 6; i < kMembers; ++i) missing_expected.push_back(i);
    EXPECT_EQ(placement.missing, missing_expected);

    const RosterUndo undo = apply_roster(*book, placement);
    const char* after[] = {"山田", "佐藤", "田中", "鈴木", "高橋", "伊藤"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(book->member_name[i], QString::fromUtf8(after[i])) << i;
    for (int j = 0; j < kItems; ++j) {
        EXPECT_EQ(book->mark[0][j], 1);
        EXPECT_EQ(book->member_kingaku[1][j], 100 + j);
        EXPECT_EQ(book->mark[2][j], 0) << "a new member starts without marks";
    }
    // ...and is never credited with what the row held: it is set aside.
    EXPECT_FALSE(book->payments.cell[2][1].recorded());
    ASSERT_EQ(book->payments.set_aside.size(), 1u);
    EXPECT_EQ(book->payments.set_aside[0],
              (PaymentEntry{3, 2, 700, QDate(2026, 12, 8), QString(), QString()}));
    EXPECT_EQ(undo.set_aside_rows, 1);
    EXPECT_EQ(undo.set_aside, 700);

    // What the new members took since goes with an undo: counted per row.
    EXPECT_EQ(roster_rows_in_use(*book, undo), 0);
    book->mark[2][3] = 1;
    book->payments.cell[4][0].received = 500;
    EXPECT_EQ(roster_rows_in_use(*book, undo), 2);

    // Once a filled row holds another name, an undo would take another's row.
    const QString renamed = book->member_name[4];
    book->member_name[4] = QStringLiteral("高橋 一郎");
    EXPECT_FALSE(undo_roster(*book, undo));
    EXPECT_EQ(book->member_name[2], QStringLiteral("田中"));
    book->member_name[4] = renamed;

    EXPECT_TRUE(undo_roster(*book, undo));
    EXPECT_EQ(book->member_name, before->member_name);
    EXPECT_EQ(book->mark, before->mark);
    EXPECT_EQ(book->member_kingaku, before->member_kingaku);
    // The money stays aside, once.
    EXPECT_FALSE(book->payments.cell[2][1].recorded());
    EXPECT_EQ(book->payments.set_aside.size(), 1u);
}

TEST(RosterFile, ExportedByteForByteAndReadBack) {
    auto book = std::make_unique<Book>();
    book->member_name[0] = QStringLiteral("山田 太郎 ");
    book->member_name[2] = QStringLiteral("\"K\", 伊藤");
    book->member_name[3] = QStringLiteral(" ");
    book->member_name[4] = QStringLiteral("=1+1");
    book->member_name[95] = QStringLiteral("髙橋");
    const QByteArray expected("\xEF\xBB\xBF"
                              "番号,名前\r\n"
                              "1,山田 太郎\r\n"
                              "3,\"\"\"K\"\", 伊藤\"\r\n"
                              "5,'=1+1\r\n"
                              "96,髙橋\r\n");
    EXPECT_EQ(roster_csv_text(*book), expected);

    const RosterFile back = read_roster(expected);
    QStringList names;
    for (const RosterLine& l : back.lines) names << l.name;
    // The quote as the data file keeps it; still the same member. So is a
    // wave dash typed one way and read back the other.
    EXPECT_EQ(names, QStringList({"山田 太郎", "＂K＂, 伊藤", "=1+1", "髙橋"}));
    std::vector<RosterLine> lines = back.lines;
    EXPECT_TRUE(place_roster(*book, lines).filled.empty());
    EXPECT_EQ(lines[1].slot, 2);
    book->member_name[95] = QStringLiteral("髙橋〜");
    RosterFile again = read_roster(QStringLiteral("髙橋～\n").toUtf8());
    EXPECT_TRUE(place_roster(*book, again.lines).filled.empty());
    EXPECT_EQ(again.lines[0].slot, 95);
}

// Any file up to the size limit reads in time linear in its size: files
// shaped against each step of the reader stay far below a generous limit
// (bench/roster_import_bench gives the figures).
TEST(RosterFile, LargestFilesReadInLinearTime) {
    for (const auto& [what, bytes] : shaped_roster_files()) {
        ASSERT_LE(bytes.size(), kRosterFileLimit) << what;
        QElapsedTimer timer;
        timer.start();
        RosterFile file = read_roster(bytes);
        Book book;
        place_roster(book, file.lines);
        EXPECT_LT(timer.elapsed(), 10'000) << what;
        EXPECT_FALSE(file.lines.empty()) << what;
    }
}
