// The data file: its layout byte for byte, the pair swap, the readers on
// good and damaged files, and the routines on the working folder.

#include "book/cp932.h"
#include "book/data_files.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <memory>

namespace {

// File text written here in UTF-8, as the code page puts it on disk.
QByteArray sj(const QByteArray& utf8) {
    return cp932::to_bytes(QString::fromUtf8(utf8));
}

// A header line of the current layout: names "n0".."n95", period, person.
QByteArray header_line(int names = 96) {
    QByteArray line;
    for (int m = 0; m < names; ++m) line += "\"n" + QByteArray::number(m) + "\",";
    return line + sj("\"2026年12月\",\"田中\"\r\n");
}

QByteArray marks_field(std::initializer_list<int> marked) {
    QByteArray marks(96, '0');
    for (int m : marked) marks[m] = '1';
    return marks;
}

std::unique_ptr<Book> new_book() {
    auto book = std::make_unique<Book>();
    for (int k = 0; k < kItems; ++k) book->komoku_mode[k] = 1;
    return book;
}

TEST(DataText, SplitItemLineByteForByte) {
    auto book = new_book();
    book->komoku_name[0] = "X";
    book->komoku_kingaku[0] = 1500;
    book->komoku_nin[0] = 12;
    book->komoku_sogaku[0] = 17500; // not written
    book->mark[0][0] = book->mark[2][0] = 1;
    const QByteArray text = data_text(*book);
    const QByteArray item = "1,\"X\",\"1500  \",\"12 \",\"101" + QByteArray(93, '0') + "\"\r\n";
    QByteArray header;
    for (int m = 0; m < 96; ++m) header += "\"\",";
    header += "\"\",\"\"\r\n";
    EXPECT_EQ(text, header + item);
}

TEST(DataText, IndividualAmountsAndFieldWidths) {
    auto book = new_book();
    book->komoku_name[0] = "会費";
    book->komoku_mode[0] = 0;
    book->member_kingaku[0][0] = 123456;
    book->member_kingaku[1][0] = 500;
    book->member_kingaku[2][0] = 1234567; // longer forms are written whole
    book->member_kingaku[3][0] = -5;
    book->komoku_name[1] = "b";
    book->komoku_kingaku[1] = 1234567;
    book->komoku_nin[1] = 1000;
    const QByteArray text = data_text(*book);
    const QByteArray item0 = "0,\"" + cp932::to_bytes(u"会費"_qs) +
                             "\",\"0     \",\"0  \",\"123456   5001234567    -5" +
                             QByteArray(92 * 6, ' ').replace("      ", "     0") + "\"\r\n";
    EXPECT_TRUE(text.contains(item0)) << text.toStdString();
    EXPECT_TRUE(text.contains("1,\"b\",\"1234567\",\"1000\",\""));
    EXPECT_EQ(data_text(*book, true).count("\",\" \",\""), 2); // converted: head counts blank
}

TEST(DataText, ItemsStopAtTheFirstUntitledSlotAfterSlotZero) {
    auto book = new_book();
    EXPECT_EQ(data_text(*book).count("\r\n"), 2); // header and slot 0
    book->komoku_name[0] = "a";
    book->komoku_name[1] = "b";
    book->komoku_name[2] = "  ";
    book->komoku_name[3] = "d";
    EXPECT_EQ(data_text(*book).count("\r\n"), 3);
    for (int k = 0; k <= kItems; ++k) book->komoku_name[k] = "t";
    EXPECT_EQ(data_text(*book).count("\r\n"), 21); // slot 20 is never written
}

TEST(DataText, EveryTextReadsBack) {
    auto book = new_book();
    book->member_name[0] = u"\"引用\""_qs;
    book->member_name[1] = u"改\r\n行"_qs;
    book->member_name[2] = u"a😀é"_qs;
    book->member_name[3] = u"a,b c"_qs;
    book->nengetu = u"12\0月"_qs;
    book->komoku_name[0] = u"\"X\""_qs;
    auto back = new_book();
    ASSERT_EQ(parse_data_text(data_text(*book), *back), ReadResult::Ok);
    EXPECT_EQ(back->member_name[0], u"＂引用＂"_qs);
    EXPECT_EQ(back->member_name[1], u"改  行"_qs);
    EXPECT_EQ(back->member_name[2], u"a？？"_qs);
    EXPECT_EQ(back->member_name[3], u"a,b c"_qs);
    EXPECT_EQ(back->member_name[4], u""_qs);
    EXPECT_EQ(back->nengetu, u"12 月"_qs);
    EXPECT_EQ(back->motojime, u""_qs);
    EXPECT_EQ(back->komoku_name[0], u"＂X＂"_qs);
}

TEST(PairSwap, Vectors) {
    const struct {
        QByteArray in, out;
    } cases[] = {
        {"", ""},
        {"a", "a"},
        {"abc", "bac"},
        {"abcd", "badc"},
        {QByteArray("a\0bc", 4), "bac"}, // zero bytes are dropped
        {QByteArray("\0\0", 2), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(pair_swap(c.in), c.out) << c.in.toStdString();
}

TEST(PairSwap, AnySizeWholeAndItsOwnInverse) {
    QByteArray big;
    for (int i = 0; i < 20001; ++i) big.append(char('A' + i % 26));
    const QByteArray swapped = pair_swap(big);
    ASSERT_EQ(swapped.size(), big.size());
    EXPECT_EQ(swapped.back(), big.back());
    EXPECT_EQ(pair_swap(swapped), big);
}

TEST(Parse, SplitItemValues) {
    auto book = new_book();
    book->member_kingaku[5][0] = 77; // the other mode's values stay
    const QByteArray text =
        header_line() + "1,\"  X  \",\"1500  \",\"12 \",\"" + marks_field({0, 2, 95}) + "\"\r\n";
    ASSERT_EQ(parse_data_text(text, *book), ReadResult::Ok);
    EXPECT_EQ(book->member_name[0], "n0");
    EXPECT_EQ(book->member_name[95], "n95");
    EXPECT_EQ(book->nengetu, u"2026年12月"_qs);
    EXPECT_EQ(book->motojime, u"田中"_qs);
    EXPECT_EQ(book->komoku_name[0], "X");
    EXPECT_EQ(book->komoku_mode[0], 1);
    EXPECT_EQ(book->komoku_kingaku[0], 1500);
    EXPECT_EQ(book->komoku_nin[0], 12);
    EXPECT_EQ(book->komoku_sogaku[0], 18000); // the total follows from the saved values
    EXPECT_EQ(book->mark[0][0], 1);
    EXPECT_EQ(book->mark[1][0], 0);
    EXPECT_EQ(book->mark[2][0], 1);
    EXPECT_EQ(book->mark[95][0], 1);
    EXPECT_EQ(book->member_kingaku[5][0], 77);
}

TEST(Parse, IndividualItemKeepsSplitValuesAndMarks) {
    auto book = new_book();
    book->komoku_kingaku[0] = 300;
    book->komoku_nin[0] = 3;
    book->mark[1][0] = 1;
    QByteArray amounts = "123456   500";
    amounts += QByteArray(94 * 6, ' ');
    const QByteArray text = header_line() + "0,\"会\",\"999   \",\"9  \",\"" + amounts + "\"\r\n";
    ASSERT_EQ(parse_data_text(text, *book), ReadResult::Ok);
    EXPECT_EQ(book->komoku_mode[0], 0);
    EXPECT_EQ(book->member_kingaku[0][0], 123456);
    EXPECT_EQ(book->member_kingaku[1][0], 500);
    EXPECT_EQ(book->member_kingaku[2][0], 0);
    EXPECT_EQ(book->komoku_kingaku[0], 300);
    EXPECT_EQ(book->komoku_nin[0], 3);
    EXPECT_EQ(book->mark[1][0], 1);
}

TEST(Parse, ShortMemberDataReadsZeroBeyondItsEnd) {
    auto book = new_book();
    for (int m = 0; m < 96; ++m) book->mark[m][0] = 1, book->member_kingaku[m][1] = 9;
    const QByteArray text =
        header_line() +
        "1,\"a\",\"100\",\"2\",\"1011000000\"\r\n0,\"b\",\"0\",\"0\",\"    10\"\r\n";
    ASSERT_EQ(parse_data_text(text, *book), ReadResult::Ok);
    EXPECT_EQ(book->mark[0][0], 1);
    EXPECT_EQ(book->mark[1][0], 0);
    EXPECT_EQ(book->mark[3][0], 1);
    EXPECT_EQ(book->mark[10][0], 0);
    EXPECT_EQ(book->mark[95][0], 0);
    EXPECT_EQ(book->member_kingaku[0][1], 10);
    EXPECT_EQ(book->member_kingaku[1][1], 0);
}

TEST(Parse, HeaderOnlyAndEmptyFilesLeaveTheItems) {
    auto book = new_book();
    book->komoku_name[0] = "keep";
    book->komoku_kingaku[0] = 100;
    EXPECT_EQ(parse_data_text(header_line(), *book), ReadResult::Ok);
    EXPECT_EQ(book->member_name[7], "n7");
    EXPECT_EQ(book->motojime, u"田中"_qs);
    EXPECT_EQ(book->komoku_name[0], "keep");
    EXPECT_EQ(book->komoku_kingaku[0], 100);
    EXPECT_EQ(parse_data_text("", *book), ReadResult::Ok);
    EXPECT_EQ(parse_data_text(header_line() + "\r\n\r\n  \r\n", *book), ReadResult::Ok);
    EXPECT_EQ(book->member_name[7], "n7");
}

// A damaged line ends the reading where the fault is: a line cut short at the
// end of the file stores nothing of itself; otherwise the title and every
// value stored before the one that does not fit stay in the book.
TEST(Parse, DamagedLinesKeepWhatWasStoredBeforeTheFault) {
    struct Slot {
        const char* title;
        qint16 mode;
        qint32 kingaku;
        qint16 nin;
        qint32 sogaku;
        qint16 mark0;
        qint32 amount0, amount1;
    };
    const Slot untouched{"before", 1, 7, 7, 49, 5, 5, 5};
    const QByteArray good = "1,\"good\",\"100\",\"2\",\"11\"\r\n";
    const struct {
        const char* what;
        bool older;
        QByteArray line; // the faulty line, read into slot 1
        Slot expected;
    } cases[] = {
        {"field missing at the end", false, "1,\"bad\",\"100\",\"2\"\r\n", untouched},
        {"trailing comma, no field", false, "1,\"bad\",\"100\",\"2\",", untouched},
        {"unclosed quote", false, "1,\"bad,\"1\",\"1\",\"1\r\n", untouched},
        {"mode beyond an Integer",
         false,
         "99999,\"bad\",\"1\",\"1\",\"1\"",
         {"bad", 1, 7, 7, 49, 5, 5, 5}},
        {"amount beyond a Long",
         false,
         "1,\"bad\",\"2147483648\",\"1\",\"1\"",
         {"bad", 1, 7, 7, 49, 5, 5, 5}},
        {"head count beyond an Integer",
         false,
         "1,\"bad\",\"300\",\"32768\",\"1\"",
         {"bad", 1, 300, 7, 49, 5, 5, 5}},
        {"total beyond a Long",
         false,
         "1,\"bad\",\"2000000000\",\"2\",\"1\"",
         {"bad", 1, 2000000000, 2, 49, 5, 5, 5}},
        {"individual amount beyond a Long",
         false,
         "0,\"bad\",\"1\",\"1\",\"   300 19E99\"",
         {"bad", 0, 7, 7, 49, 5, 300, 5}},
        {"older: field missing at the end", true, "1,\"bad\",\"1\"", untouched},
        {"older: amount beyond a Long",
         true,
         "1,\"bad\",\"2147483648\",\"1\"",
         {"before", 1, 7, 7, 49, 5, 5, 5}},
        {"older: individual amount beyond a Long",
         true,
         "0,\"bad\",\"800\",\"   100 9E999\"",
         {"bad", 0, 800, 7, 49, 5, 100, 5}},
    };
    QByteArray older_header;
    for (int m = 0; m < 63; ++m) older_header += "\"o\",";
    older_header += "\"\",\"\"\r\n";
    const QByteArray older_good = "1,\"good\",\"100\",\"11\"\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto book = new_book();
        book->komoku_name[1] = "before";
        book->komoku_kingaku[1] = book->komoku_nin[1] = 7;
        book->komoku_sogaku[1] = 49;
        book->mark[0][1] = book->member_kingaku[0][1] = book->member_kingaku[1][1] = 5;
        const ReadResult result =
            c.older ? parse_old_data_text(older_header + older_good + c.line, *book)
                    : parse_data_text(header_line() + good + c.line, *book);
        EXPECT_EQ(result, ReadResult::Damaged);
        EXPECT_EQ(book->komoku_name[0], "good");
        const Slot& e = c.expected;
        EXPECT_EQ(book->komoku_name[1], e.title);
        EXPECT_EQ(book->komoku_mode[1], e.mode);
        EXPECT_EQ(book->komoku_kingaku[1], e.kingaku);
        EXPECT_EQ(book->komoku_nin[1], e.nin);
        EXPECT_EQ(book->komoku_sogaku[1], e.sogaku);
        EXPECT_EQ(book->mark[0][1], e.mark0);
        EXPECT_EQ(book->member_kingaku[0][1], e.amount0);
        EXPECT_EQ(book->member_kingaku[1][1], e.amount1);
    }
    auto book = new_book();
    EXPECT_EQ(parse_data_text("\"a\",\"b\"", *book), ReadResult::Damaged);
    EXPECT_EQ(book->member_name[0], "a"); // header fields are kept one by one
    EXPECT_EQ(book->member_name[1], "b");
}

TEST(Parse, TwentyItemLinesAtMostSlotTwentyStaysEmpty) {
    QByteArray text = header_line();
    for (int k = 0; k < 20; ++k)
        text += "1,\"t" + QByteArray::number(k) + "\",\"100\",\"1\",\"1\"\r\n";
    auto book = new_book();
    EXPECT_EQ(parse_data_text(text, *book), ReadResult::Ok);
    EXPECT_EQ(book->komoku_name[19], "t19");
    text += "1,\"t20\",\"100\",\"1\",\"1\"\r\n";
    auto book21 = new_book();
    EXPECT_EQ(parse_data_text(text, *book21), ReadResult::Damaged);
    EXPECT_EQ(book21->komoku_name[19], "t19");
    EXPECT_EQ(book21->komoku_name[20], "");
    EXPECT_EQ(book21->komoku_kingaku[20], 0);
    EXPECT_EQ(book21->mark[0][20], 0);
}

TEST(Parse, OddButReadableFields) {
    auto book = new_book();
    // Unquoted numbers with blanks, &H, exponent; text after a closing quote
    // is dropped; bytes outside the code page read as U+FFFD, not a crash.
    const QByteArray text = header_line() + " 1 , \"T\"junk , &H10 , 1E1 ,\"2\x80\"\r\n";
    ASSERT_EQ(parse_data_text(text, *book), ReadResult::Ok);
    EXPECT_EQ(book->komoku_name[0], "T");
    EXPECT_EQ(book->komoku_kingaku[0], 16);
    EXPECT_EQ(book->komoku_nin[0], 10);
    EXPECT_EQ(book->komoku_sogaku[0], 160);
    EXPECT_EQ(book->mark[0][0], 2);
    EXPECT_EQ(book->mark[1][0], 0);
}

TEST(Parse, OlderLayout) {
    QByteArray text;
    for (int m = 0; m < 63; ++m) text += "\"o" + QByteArray::number(m) + "\",";
    text += "\"  \",\"\"\r\n";
    text += "1,\"割\",\"500\",\"101\"\r\n";
    text += "0,\"任\",\"700\",\"   100   200\"\r\n";
    auto book = new_book();
    book->member_name[63] = "stays";
    book->komoku_nin[0] = 4;
    ASSERT_EQ(parse_old_data_text(sj(text), *book), ReadResult::Ok);
    EXPECT_EQ(book->member_name[62], "o62");
    EXPECT_EQ(book->member_name[63], "stays");
    EXPECT_EQ(book->nengetu, "  ");
    EXPECT_EQ(book->komoku_name[0], u"割"_qs);
    EXPECT_EQ(book->komoku_kingaku[0], 500);
    EXPECT_EQ(book->komoku_nin[0], 4); // not in the older layout
    EXPECT_EQ(book->mark[2][0], 1);
    EXPECT_EQ(book->komoku_mode[1], 0);
    EXPECT_EQ(book->komoku_kingaku[1], 700);
    EXPECT_EQ(book->member_kingaku[1][1], 200);

    auto damaged = new_book();
    EXPECT_EQ(parse_old_data_text(sj(text + "1,\"x\",\"1\""), *damaged), ReadResult::Damaged);
    EXPECT_EQ(damaged->komoku_name[1], u"任"_qs);
}

using DataFiles = TempWorkdir;

TEST_F(DataFiles, OlderFileIsConverted) {
    QByteArray text;
    for (int m = 0; m < 63; ++m) text += "\"o\",";
    text += "\"  \",\"\"\r\n1,\"割\",\"500\",\"101\"\r\n";
    write_bytes("allitem.dat", sj(text));
    auto book = new_book();
    ASSERT_EQ(old_data_read(*book), ReadResult::Ok);
    ASSERT_EQ(convert_write(*book), WriteResult::Ok);
    EXPECT_EQ(book->nengetu, " ");
    EXPECT_EQ(book->motojime, " ");
    const QByteArray dat = read_bytes("allitem.dat");
    EXPECT_TRUE(dat.contains("\" \",\" \"\r\n1,\"" + cp932::to_bytes(u"割"_qs) +
                             "\",\"500   \",\" \",\"101"));
    ASSERT_EQ(dat_to_hrm(), WriteResult::Ok);
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
}

TEST_F(DataFiles, BookRoundTripThroughTheFiles) {
    auto book = new_book();
    const QString names[] = {u"山田\u3000太郎"_qs, u"～①髙"_qs, u"ﾔﾏﾀﾞ ﾀﾛｳ"_qs, u"鈴木"_qs};
    for (int m = 0; m < 96; ++m) book->member_name[m] = names[m % 4] + QString::number(m % 10);
    book->nengetu = u"令和８年１２月"_qs;
    book->motojime = u"髙橋"_qs;
    for (int k = 0; k < kItems; ++k) {
        book->komoku_name[k] = u"項目"_qs + QString::number(k);
        book->komoku_mode[k] = k % 3 == 0 ? 1 : 0;
        book->komoku_kingaku[k] = 1000 + k;
        book->komoku_nin[k] = qint16(k);
        for (int m = 0; m < 96; ++m) {
            book->mark[m][k] = (m + k) % 2;
            book->member_kingaku[m][k] = (m * 1000 + k) % 999999;
        }
    }
    ASSERT_EQ(dat_write(*book), WriteResult::Ok);
    const QByteArray dat = read_bytes("allitem.dat");
    EXPECT_GT(dat.size(), 5000); // more than the old fixed swap buffer held
    ASSERT_EQ(dat_to_hrm(), WriteResult::Ok);
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_EQ(read_bytes("allitem.hrm"), pair_swap(dat));

    // Read straight from "allitem.hrm" (checked against the working-file
    // read below), writing nothing.
    auto direct = new_book();
    ASSERT_EQ(hrm_read(*direct), ReadResult::Ok);
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});

    ASSERT_EQ(hrm_to_dat(), WriteResult::Ok);
    EXPECT_EQ(files(), QStringList{"allitem.dat"});
    EXPECT_EQ(read_bytes("allitem.dat"), dat);

    auto back = new_book();
    ASSERT_EQ(data_read(*back), ReadResult::Ok);
    EXPECT_EQ(back->member_name, book->member_name);
    EXPECT_EQ(back->nengetu, book->nengetu);
    EXPECT_EQ(back->motojime, book->motojime);
    EXPECT_EQ(back->komoku_name, book->komoku_name);
    EXPECT_EQ(back->komoku_mode, book->komoku_mode);
    for (int k = 0; k < kItems; ++k) {
        SCOPED_TRACE(k);
        const bool split = book->komoku_mode[k] == 1;
        EXPECT_EQ(back->komoku_kingaku[k], split ? book->komoku_kingaku[k] : 0);
        EXPECT_EQ(back->komoku_nin[k], split ? book->komoku_nin[k] : 0);
        for (int m = 0; m < 96; ++m) {
            EXPECT_EQ(back->mark[m][k], split ? book->mark[m][k] : 0);
            EXPECT_EQ(back->member_kingaku[m][k], split ? 0 : book->member_kingaku[m][k]);
        }
    }
    EXPECT_EQ(back->komoku_name[20], "");
    EXPECT_EQ(back->member_name[96], "");
    EXPECT_EQ(direct->member_name, back->member_name);
    EXPECT_EQ(direct->komoku_kingaku, back->komoku_kingaku);
    EXPECT_EQ(direct->mark, back->mark);
    EXPECT_EQ(direct->member_kingaku, back->member_kingaku);
}

TEST_F(DataFiles, MissingAndUnreadableFiles) {
    auto book = new_book();
    EXPECT_EQ(data_read(*book), ReadResult::Missing);
    EXPECT_EQ(old_data_read(*book), ReadResult::Missing);
    EXPECT_EQ(hrm_read(*book), ReadResult::Missing);
    EXPECT_EQ(hrm_to_dat(), WriteResult::Failed);
    EXPECT_EQ(dat_to_hrm(), WriteResult::Failed);
    EXPECT_TRUE(files().isEmpty());
}

// A target that cannot be replaced (here a folder of that name) fails the
// write; the source and the old files stay, and no temporary file is left.
TEST_F(DataFiles, FailedWritesLeaveTheFilesAsTheyWere) {
    auto book = new_book();
    ASSERT_TRUE(QDir().mkdir("allitem.dat"));
    write_bytes("allitem.hrm", "old book");
    EXPECT_EQ(dat_write(*book), WriteResult::Failed);
    EXPECT_EQ(hrm_to_dat(), WriteResult::Failed);
    EXPECT_EQ(read_bytes("allitem.hrm"), QByteArray("old book"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_TRUE(QDir().rmdir("allitem.dat"));

    write_bytes("allitem.dat", "new book");
    ASSERT_TRUE(QDir().rename("allitem.hrm", "keep"));
    ASSERT_TRUE(QDir().mkdir("allitem.hrm"));
    EXPECT_EQ(dat_to_hrm(), WriteResult::Failed);
    EXPECT_EQ(read_bytes("allitem.dat"), QByteArray("new book"));
    EXPECT_EQ(files(), (QStringList{"allitem.dat", "keep"}));
}

} // namespace
