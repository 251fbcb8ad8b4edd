// Start-up with every arrangement of data files in the working folder.
#include "book/cp932.h"
#include "book/data_files.h"
#include "sheet/frmTavu.h"
#include "support/file_size_limit.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QDir>

namespace {

const QString kDamaged = QStringLiteral("データが 壊れてんネン！  作り直してヤ ！");
const QString kNotConverted = QStringLiteral("データの変換が でけへんネン！  作り直してヤ ！");

class StartupFiles : public TempWorkdir {
protected:
    // The text of a book whose first member is `first` and whose item 1 is
    // a 割勘 item titled `title` with member 0 marked.
    static QByteArray book_text(const QString& first, const QString& title) {
        Book b;
        b.member_name[0] = first;
        b.member_name[1] = QStringLiteral("二番");
        b.nengetu = QStringLiteral(" 2026年12月 ");
        b.motojime = QStringLiteral("幹事");
        b.komoku_name[0] = title;
        b.komoku_mode[0] = 1;
        b.komoku_kingaku[0] = 1500;
        b.komoku_nin[0] = 1;
        b.mark[0][0] = 1;
        return data_text(b);
    }
    void write_swapped(const QString& name, const QByteArray& text) {
        write_bytes(name, pair_swap(text));
    }
    QString first_member_after_start() {
        window = std::make_unique<frmTavu>(book);
        window->Form_Load();
        return book.member_name[0];
    }

    ui::MessageScript script;
    Book book;
    std::unique_ptr<frmTavu> window;
};

TEST_F(StartupFiles, TemporaryFilesOfAnInterruptedSaveGoAndNothingElse) {
    write_swapped("allitem.hrm", book_text(QStringLiteral("山田"), QStringLiteral("歓迎会")));
    write_bytes("allitem.bak", "the save before");
    const QStringList leftovers = {".allitem.dat.a1B2c3", ".allitem.hrm.XyZ789",
                                   ".allitem.bak.000000"};
    const QStringList others = {
        ".allitem.hrm.abcde",   ".allitem.hrm.abcdefg", ".allitem.hrm.ab-cde",
        ".allitem.HRM.abcdef",  "allitem.hrm.abcdef",   ".allitem.ngs.abcdef",
        ".allitem.hrm.abcdef~", ".notes.txt",           "allitem.hrm~"};
    for (const QString& name : leftovers + others) write_bytes(name, "x");
    // Neither a folder nor a link is taken for a leftover, whatever its name.
    ASSERT_TRUE(QDir().mkdir(".allitem.dat.folder"));
    ASSERT_TRUE(QFile::link(path("allitem.hrm"), path(".allitem.hrm.link00")));

    EXPECT_EQ(first_member_after_start(), QStringLiteral("山田"));
    QStringList kept = others + QStringList{"allitem.hrm", "allitem.bak", ".allitem.hrm.link00"};
    kept.sort();
    EXPECT_EQ(files(), kept);
    EXPECT_TRUE(QFileInfo(path(".allitem.dat.folder")).isDir());
    EXPECT_EQ(read_bytes("allitem.bak"), QByteArray("the save before"));
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(StartupFiles, NoDataFileShowsAnEmptyBook) {
    EXPECT_EQ(first_member_after_start(), QString());
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(book.hozon_flag, -1);
    for (int k = 0; k < kItems; ++k) EXPECT_EQ(book.komoku_mode[k], 1);
    EXPECT_TRUE(window->optKinto->isChecked());
    for (int i = 0; i < kMembers; ++i) EXPECT_TRUE(window->chk1[i]->isHidden());
}

TEST_F(StartupFiles, DataFileIsLoadedAndShown) {
    write_swapped("allitem.hrm", book_text(QStringLiteral("山田"), QStringLiteral("歓迎会")));
    EXPECT_EQ(first_member_after_start(), QStringLiteral("山田"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(window->lbl1[0]->text(), QStringLiteral("山田"));
    EXPECT_EQ(window->chk1[0]->text(), QStringLiteral("山田"));
    EXPECT_TRUE(window->chk1[0]->isChecked());
    EXPECT_FALSE(window->chk1[1]->isHidden());
    EXPECT_TRUE(window->chk1[2]->isHidden());
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("歓迎会"));
    EXPECT_EQ(window->txtKingaku->text(), QStringLiteral("1500"));
    EXPECT_EQ(window->txtNengetu->text(), QStringLiteral("2026年12月"));
    EXPECT_EQ(window->txtMotojime->text(), QStringLiteral("幹事"));
    EXPECT_EQ(window->txtChkCnt->text(), QStringLiteral(" 1"));
    EXPECT_EQ(book.hozon_flag, -1);
}

TEST_F(StartupFiles, SpareCopyIsPromotedOrDropped) {
    write_swapped("allitem1.hrm", book_text(QStringLiteral("予備"), QString()));
    EXPECT_EQ(first_member_after_start(), QStringLiteral("予備"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});

    book = Book{};
    write_swapped("allitem1.hrm", book_text(QStringLiteral("予備"), QString()));
    EXPECT_EQ(first_member_after_start(), QStringLiteral("予備")); // the .hrm written above
    write_swapped("allitem.hrm", book_text(QStringLiteral("本物"), QString()));
    write_swapped("allitem1.hrm", book_text(QStringLiteral("予備"), QString()));
    book = Book{};
    EXPECT_EQ(first_member_after_start(), QStringLiteral("本物"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
}

TEST_F(StartupFiles, OtherNameIsPromotedOnlyWithoutDataFile) {
    write_swapped("allitem.sne", book_text(QStringLiteral("別名"), QString()));
    write_bytes("ALLITEM.SNE", "x");
    EXPECT_EQ(first_member_after_start(), QStringLiteral("別名"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});

    write_swapped("allitem.hrm", book_text(QStringLiteral("本物"), QString()));
    write_swapped("allitem.sne", book_text(QStringLiteral("別名"), QString()));
    write_bytes("Allitem.sne", "y");
    book = Book{};
    EXPECT_EQ(first_member_after_start(), QStringLiteral("本物"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
}

TEST_F(StartupFiles, OlderFileReplacesTheDataFile) {
    // Older layout: 63 names, period, person in charge; items of 4 fields.
    QByteArray text;
    for (int i = 0; i < 63; ++i)
        text += "\"" + cp932::to_bytes(i == 0 ? QStringLiteral("古株") : QString()) + "\",";
    text += "\"\",\"" + cp932::to_bytes(QStringLiteral("昔の幹事")) + "\"\r\n";
    text += "1,\"" + cp932::to_bytes(QStringLiteral("送別会")) + "\",\"2000  \",\"1" +
            QByteArray(95, '0') + "\"\r\n";
    write_swapped("allitem.ngs", text);
    write_swapped("allitem.hrm", book_text(QStringLiteral("新しい"), QString()));

    EXPECT_EQ(first_member_after_start(), QStringLiteral("古株"));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("送別会"));
    EXPECT_EQ(window->txtKingaku->text(), QStringLiteral("2000"));
    EXPECT_TRUE(window->chk1[0]->isChecked());
    EXPECT_EQ(window->txtMotojime->text(), QStringLiteral("昔の幹事"));
    // The file is now in the current layout, the blank period a single blank.
    const QByteArray converted = pair_swap(read_bytes("allitem.hrm"));
    Book reread;
    EXPECT_EQ(parse_data_text(converted, reread), ReadResult::Ok);
    EXPECT_EQ(reread.member_name[0], QStringLiteral("古株"));
    EXPECT_EQ(reread.nengetu, QStringLiteral(" "));
    EXPECT_EQ(reread.komoku_name[0], QStringLiteral("送別会"));
}

TEST_F(StartupFiles, LeftoverWorkingFileIsReadOrReplaced) {
    write_bytes("allitem.dat", book_text(QStringLiteral("残り物"), QString()));
    EXPECT_EQ(first_member_after_start(), QStringLiteral("残り物"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});

    write_bytes("allitem.dat", book_text(QStringLiteral("残り物"), QString()));
    write_swapped("allitem.hrm", book_text(QStringLiteral("本物"), QString()));
    book = Book{};
    EXPECT_EQ(first_member_after_start(), QStringLiteral("本物"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(StartupFiles, DamagedFileIsReportedAndWhatWasReadStays) {
    QByteArray text = book_text(QStringLiteral("山田"), QStringLiteral("歓迎会"));
    text += "1,\"壊れ\",\"99999999999\",\"1  \",\"\"\r\n"; // amount beyond a Long
    write_swapped("allitem.hrm", text);

    EXPECT_EQ(first_member_after_start(), QStringLiteral("山田"));
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kDamaged);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.shown[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(script.shown[0].title, QStringLiteral("TAVU"));
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("歓迎会"));
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    EXPECT_EQ(book.hozon_flag, -1);
}

TEST_F(StartupFiles, UnconvertibleOlderFileIsReportedAndStillConverted) {
    QByteArray text;
    for (int i = 0; i < 10; ++i) text += "\"名" + QByteArray::number(i) + "\",";
    write_swapped("allitem.ngs", text); // the header ends early

    first_member_after_start();
    ASSERT_GE(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kNotConverted);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(exists("allitem.hrm"));
    EXPECT_FALSE(exists("allitem.ngs"));
    EXPECT_FALSE(exists("allitem.dat"));
}

// Start-up only reads: a working file in the way or a full disk cannot keep
// the saved book from being shown, and the saved file stays byte for byte.
TEST_F(StartupFiles, StartUpWritesNothingSoNoWriteFailureCanHideTheBook) {
    const QByteArray saved = pair_swap(book_text(QStringLiteral("山田"), QStringLiteral("新")));
    write_bytes("allitem.hrm", saved);
    ASSERT_TRUE(QDir().mkdir(path("allitem.dat")));
    EXPECT_EQ(first_member_after_start(), QStringLiteral("山田"));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(read_bytes("allitem.hrm"), saved);
    ASSERT_TRUE(QDir().rmdir(path("allitem.dat")));

    write_bytes("allitem.dat", book_text(QStringLiteral("古い人"), QStringLiteral("古")));
    book = Book{};
    {
        FileSizeLimit full_disk(64);
        EXPECT_EQ(first_member_after_start(), QStringLiteral("山田"));
    }
    EXPECT_EQ(window->txtKomoku->text(), QStringLiteral("新"));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(files(), QStringList{"allitem.hrm"}); // the stale working file is gone
    EXPECT_EQ(read_bytes("allitem.hrm"), saved);
}

} // namespace
