// The name of a closed period's archive folder; writing, taking again and
// removing an archive; the unfinished ones that start-up removes.
#include "book/new_period.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ArchiveName, ThePeriodWhenItMakesAFolderNameElseTheMonth) {
    const QDate today(2026, 3, 15);
    const std::pair<const char*, const char*> cases[] = {
        {"2026年12月", "2026年12月"},
        {"  2026年　12月 ", "2026年_12月"}, // inner blanks, half or full width
        {"R8.12", "R8.12"},
        {"", "2026-03"},
        {"   ", "2026-03"},
        {"12/2026", "2026-03"},
        {"..", "2026-03"},
        {".hidden", "2026-03"},
        {"-rf", "2026-03"},
        {"a:b", "2026-03"},
        {"$(date)", "2026-03"},
        {"a\tb", "a_b"},
    };
    for (const auto& [period, name] : cases) {
        EXPECT_EQ(archive_base_name(QString::fromUtf8(period), today), QString::fromUtf8(name))
            << period;
    }
    EXPECT_EQ(archive_base_name(QString(300, QChar(u'月')), today), QStringLiteral("2026-03"));
}

using Archives = TempWorkdir;

QStringList kako_entries(const QString& folder = QStringLiteral("kako")) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

TEST_F(Archives, NewWholeOrTakenAgainWhenItHoldsExactlyTheSameFiles) {
    const QList<ArchiveFile> files{{"allitem.hrm", "book"}, {"allitem.pay", "payments"}};
    Archive first, again, other;
    EXPECT_EQ(write_archive(files, "12月", first), WriteResult::Ok);
    EXPECT_EQ(first.folder, QStringLiteral("kako/12月"));
    EXPECT_TRUE(first.made_kako);
    EXPECT_EQ(kako_entries(first.folder), (QStringList{"allitem.hrm", "allitem.pay"}));
    EXPECT_EQ(read_bytes("kako/12月/allitem.pay"), QByteArray("payments"));

    EXPECT_EQ(write_archive(files, "12月", again), WriteResult::Ok);
    EXPECT_EQ(again.folder, first.folder);
    EXPECT_TRUE(again.reused);
    const QList<ArchiveFile> changed{{"allitem.hrm", "book"}, {"allitem.pay", "paymentz"}};
    EXPECT_EQ(write_archive(changed, "12月", other), WriteResult::Ok);
    EXPECT_EQ(other.folder, QStringLiteral("kako/12月-2"));

    // Removing a reused archive keeps it; a new one goes without a trace.
    remove_archive(again);
    remove_archive(other);
    EXPECT_EQ(kako_entries(), QStringList{"12月"});
    EXPECT_EQ(read_bytes("kako/12月/allitem.hrm"), QByteArray("book"));
}

TEST_F(Archives, StartUpRemovesUnfinishedArchivesAndNothingElse) {
    struct Case {
        const char* folder;
        QStringList files;
        bool removed;
    };
    const Case cases[] = {
        {".archive.Ab3dE9", {}, true},
        {".archive.x1Y2z3", {"allitem.hrm", ".allitem.hrm.Qw12Er"}, true},
        {".archive.Zz9zZ9", {"allitem.hrm", "memo.txt"}, false}, // something of the user's
        {".archive.Ab3dE9x", {}, false},
        {".archive.Ab-dE9", {}, false},
        {".other.Ab3dE9", {}, false},
        {"2026年12月", {"allitem.hrm"}, false},
    };
    QStringList kept;
    for (const Case& c : cases) {
        const QString folder = QStringLiteral("kako/") + QString::fromUtf8(c.folder);
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const QString& file : c.files) write_bytes(folder + u'/' + file, "x");
        if (!c.removed) kept << QString::fromUtf8(c.folder);
    }
    write_bytes("kako/.archive.f1l3Ab", "a file, not a folder");
    kept << ".archive.f1l3Ab";
    kept.sort();
    EXPECT_EQ(remove_unfinished_archives(), 2);
    EXPECT_EQ(kako_entries(), kept);
    EXPECT_EQ(kako_entries("kako/.archive.Zz9zZ9"), (QStringList{"allitem.hrm", "memo.txt"}));
}

// The carried item's title holds 20 bytes of code page 932: the period's
// name is cut there, never inside a character, and no blank is left at the end.
TEST(CarryOver, TitleCutToTheItemTitleLimitAndAmountsAnItemCanHold) {
    const std::pair<const char*, const char*> titles[] = {
        {"2026年12月", "前期未収2026年12月"},
        {"令和八年十二月分", "前期未収令和八年十二"},
        {"2026年12月 分", "前期未収2026年12月"},
        {"R8.12x", "前期未収R8.12x"},
    };
    Book closed;
    for (const auto& [period, title] : titles)
        EXPECT_EQ(carry_over_of(closed, QString::fromUtf8(period)).title, QString::fromUtf8(title));

    // Two members owe, one beyond what a member's amount holds: nothing fits.
    closed.member_name[0] = QStringLiteral("山田");
    closed.member_name[1] = QStringLiteral("佐藤");
    closed.komoku_name[0] = QStringLiteral("旅行");
    closed.komoku_mode[0] = 0;
    closed.member_kingaku[0][0] = 999999;
    closed.member_kingaku[1][0] = 999999;
    closed.komoku_name[1] = QStringLiteral("土産");
    closed.komoku_mode[1] = 1;
    closed.komoku_kingaku[1] = 1;
    closed.mark[1][1] = 1;
    CarryOver carry = carry_over_of(closed, QStringLiteral("x"));
    EXPECT_EQ(carry.members, 2);
    EXPECT_EQ(carry.total, 1999999);
    EXPECT_FALSE(carry.fits);
    closed.payments.cell[1][1].received = 1;
    EXPECT_TRUE(carry_over_of(closed, QStringLiteral("x")).fits);
}

} // namespace
