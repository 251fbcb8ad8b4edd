// Start-up with every arrangement of data files in the working folder.
#include "book/cp932.h"
#include "book/data_files.h"
#include "sheet/frmTavu.h"
#include "support/file_size_limit.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>

namespace {

const QString kDamaged = QStringLiteral("データが 壊れてんネン！  作り直してヤ ！");
const QString kNotConverted = QStringLiteral("データの変換が でけへんネン！  作り直してヤ ！");

QByteArray sj(const char* utf8) {
    return cp932::to_bytes(QString::fromUtf8(utf8));
}

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

// Start-up never deletes a book it has not read into "allitem.hrm": any
// spelling of the other name is promoted when it is the only copy, and a
// name that cannot be given keeps the file where it is, with a message.
TEST_F(StartupFiles, OtherSpellingsArePromotedAndNothingUnreadIsDeleted) {
    struct Entry {
        const char* name;
        const char* member; // nullptr: a folder of that name
    };
    const struct {
        const char* what;
        std::vector<Entry> folder;
        const char* shown_member;
        QStringList files_after;
        const char* reported; // the start of a critical message, or nullptr
    } cases[] = {
        {"lower case alone", {{"allitem.sne", "小文字"}}, "小文字", {"allitem.hrm"}, nullptr},
        {"capitalised alone", {{"Allitem.sne", "頭大文字"}}, "頭大文字", {"allitem.hrm"}, nullptr},
        {"upper case alone", {{"ALLITEM.SNE", "大文字"}}, "大文字", {"allitem.hrm"}, nullptr},
        {"two spellings: the first in order wins",
         {{"ALLITEM.SNE", "後"}, {"Allitem.sne", "先"}},
         "先",
         {"allitem.hrm"},
         nullptr},
        {"a folder in the way of the other name",
         {{"allitem.hrm", nullptr}, {"allitem.sne", "別名"}},
         "",
         {"allitem.sne"},
         "「allitem.hrm」 が ふつうの ファイルや あらへん"},
        {"a folder in the way of the spare copy",
         {{"allitem.hrm", nullptr}, {"allitem1.hrm", "予備"}},
         "",
         {"allitem1.hrm"},
         "「allitem.hrm」 が ふつうの ファイルや あらへん"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : files()) QFile::remove(path(name));
        QDir(path("allitem.hrm")).removeRecursively();
        for (const Entry& e : c.folder) {
            if (e.member)
                write_swapped(e.name, book_text(QString::fromUtf8(e.member), QString()));
            else
                ASSERT_TRUE(QDir().mkdir(path(e.name)));
        }
        script.shown.clear();
        book = Book{};
        EXPECT_EQ(first_member_after_start(), QString::fromUtf8(c.shown_member));
        EXPECT_EQ(files(), c.files_after);
        if (c.reported) {
            ASSERT_EQ(script.shown.size(), 1u);
            EXPECT_TRUE(script.shown[0].text.startsWith(QString::fromUtf8(c.reported)));
            EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
        } else {
            EXPECT_TRUE(script.shown.empty());
        }
    }
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
    for (int i = 0; i < 10; ++i) text += sj("\"名") + QByteArray::number(i) + "\",";
    write_swapped("allitem.ngs", text); // the header ends early

    EXPECT_EQ(first_member_after_start(), QStringLiteral("名0"));
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].text, kNotConverted);
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
    Book reread; // what was read, in the current layout
    EXPECT_EQ(parse_data_text(pair_swap(read_bytes("allitem.hrm")), reread), ReadResult::Ok);
    EXPECT_EQ(reread.member_name[9], QStringLiteral("名9"));
}

// The older file keeps its name until the converted book is written: a
// conversion that cannot be written leaves both files as they were, says
// so, and is done at the next start.
TEST_F(StartupFiles, OlderFileWhoseConversionCannotBeWrittenIsConvertedNextTime) {
    QByteArray text;
    for (int i = 0; i < 63; ++i) text += i == 0 ? sj("\"古株\",") : QByteArray("\"\",");
    text += "\"\",\"\"\r\n1,\"x\",\"2000\",\"1\"\r\n";
    write_swapped("allitem.ngs", text);
    const QByteArray older = read_bytes("allitem.ngs");
    const QByteArray saved = pair_swap(book_text(QStringLiteral("今の人"), QStringLiteral("今")));
    write_bytes("allitem.hrm", saved);
    {
        FileSizeLimit full_disk(64);
        EXPECT_EQ(first_member_after_start(), QStringLiteral("今の人"));
    }
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.startsWith(QStringLiteral("古い データ (allitem.ngs) を")));
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
    EXPECT_EQ(files(), (QStringList{"allitem.hrm", "allitem.ngs"}));
    EXPECT_EQ(read_bytes("allitem.ngs"), older);
    EXPECT_EQ(read_bytes("allitem.hrm"), saved);

    script.shown.clear();
    book = Book{};
    EXPECT_EQ(first_member_after_start(), QStringLiteral("古株"));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_EQ(files(), QStringList{"allitem.hrm"});
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
