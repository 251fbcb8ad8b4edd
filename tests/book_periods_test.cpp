// Past periods: the archives a folder keeps, a year's totals across them
// (members matched by name), the range asked for, and the table as CSV.
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/print_rules.h"
#include "book/year_totals.h"
#include "support/temp_workdir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A book whose members (in slot order, "" for an empty slot) each owe the
// amount after the colon, through one 任意 item.
std::unique_ptr<Book> owing(const QString& period, const QStringList& members) {
    auto book = std::make_unique<Book>();
    book->nengetu = period;
    book->komoku_name[0] = QStringLiteral("会費");
    book->komoku_mode[0] = 0;
    for (int i = 0; i < members.size(); ++i) {
        const QStringList parts = members[i].split(u':');
        book->member_name[i] = parts[0];
        if (parts.size() > 1) book->member_kingaku[i][0] = parts[1].toInt();
    }
    print_syukei(*book);
    return book;
}

// The table as lines "name|cell|cell|...|total", "-" for not a member then.
QStringList rows(const YearTotals& t) {
    QStringList out;
    for (qsizetype r = 0; r < t.members.size(); ++r) {
        QStringList cells{t.members[r]};
        for (const auto& c : t.charge[size_t(r)])
            cells << (c ? QString::number(*c) : QStringLiteral("-"));
        cells << QString::number(t.member_total[size_t(r)]);
        out << cells.join(u'|');
    }
    return out;
}

} // namespace

TEST(YearTotals, MembersAreMatchedAcrossPeriodsByName) {
    struct Case {
        const char* what;
        std::vector<QStringList> periods;
        QStringList expected;
    };
    const Case cases[] = {
        {"the same people",
         {{"山田:100", "佐藤:200"}, {"佐藤:300", "山田:400"}},
         {"山田|100|400|500", "佐藤|200|300|500"}},
        {"a rename is another person",
         {{"山田:100"}, {"山田 花子:200"}},
         {"山田|100|-|100", "山田 花子|-|200|200"}},
        {"half-width blanks do not rename",
         {{"山田 太郎:100"}, {"山田太郎:200"}},
         {"山田 太郎|100|200|300"}},
        {"one left, one joined, an empty slot between",
         {{"山田:100", "", "佐藤:200"}, {"佐藤:300", "伊藤:50"}},
         {"山田|100|-|100", "佐藤|200|300|500", "伊藤|-|50|50"}},
        {"the same name twice is two people, in order",
         {{"田中:100", "田中:200"}, {"田中:300"}, {"田中:1", "田中:2", "田中:3"}},
         {"田中|100|300|1|401", "田中|200|-|2|202", "田中|-|-|3|3"}},
        {"a member who owes nothing has 0, not nothing", {{"山田"}, {"山田:5"}}, {"山田|0|5|5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::unique_ptr<Book>> books;
        std::vector<PeriodCharges> periods;
        for (size_t p = 0; p < c.periods.size(); ++p) {
            books.push_back(owing(QStringLiteral("期%1").arg(p), c.periods[p]));
            periods.push_back({QStringLiteral("期%1").arg(p), books.back().get()});
        }
        const YearTotals t = year_totals(periods);
        EXPECT_EQ(rows(t), c.expected);
        qint64 sum = 0;
        for (qint64 v : t.period_total) sum += v;
        EXPECT_EQ(sum, t.total);
    }
}

TEST(YearTotals, AsCsvByteForByte) {
    const auto a = owing(QStringLiteral("2026年1月"), {"山田:1000", "佐藤, 花子:0"});
    const auto b =
        owing(QStringLiteral("2026年2月"), {"佐藤, 花子:-500", "伊藤:2500", "@伊藤:100"});
    const YearTotals t = year_totals(
        {{QStringLiteral("2026年1月"), a.get()}, {QStringLiteral("2026年2月"), b.get()}});
    EXPECT_EQ(year_totals_csv(t), QByteArray("\xEF\xBB\xBF"
                                             "名前,2026年1月,2026年2月,合計\r\n"
                                             "山田,1000,,1000\r\n"
                                             "\"佐藤, 花子\",,-500,-500\r\n"
                                             "伊藤,,2500,2500\r\n"
                                             "'@伊藤,,100,100\r\n"
                                             "合計,1000,2100,3100\r\n"));
}

// A debt carried by 新しい期間 is no new charge: 山田 owed 3,500 in 11月 and
// paid nothing; the close carried it into 12月, where 1,000 of it came in and
// a new 1,000 was charged. The year shows 山田 charged 4,500 and still owing
// 3,500, never 8,000 and 7,000.
TEST(YearTotals, ACarriedDebtCountsOnce) {
    const QDate day(2026, 12, 8);
    Book nov;
    nov.nengetu = QStringLiteral("11月");
    nov.member_name[0] = QStringLiteral("山田");
    nov.member_name[1] = QStringLiteral("佐藤");
    nov.komoku_name[0] = QStringLiteral("忘年会");
    nov.member_kingaku[0][0] = 3500;
    nov.member_kingaku[1][0] = 2000;
    nov.payments.cell[1][0] = {2000, day};
    print_syukei(nov);

    Book dec = nov;
    const CarryOver carry = carry_over_of(nov, QStringLiteral("11月"));
    clear_items(dec);
    start_with_carry_over(dec, carry);
    dec.nengetu = QStringLiteral("12月");
    dec.komoku_name[1] = QStringLiteral("お年賀");
    dec.komoku_mode[1] = 0;
    dec.member_kingaku[0][1] = dec.member_kingaku[1][1] = 1000;
    dec.payments.cell[0][0] = {1000, day};
    print_syukei(dec);
    ASSERT_TRUE(is_carried_item(dec, 0));
    ASSERT_FALSE(is_carried_item(dec, 1));

    const YearTotals t =
        year_totals({{QStringLiteral("11月"), &nov}, {QStringLiteral("12月"), &dec}});
    EXPECT_EQ(year_totals_csv(t).toStdString(),
              std::string("\xEF\xBB\xBF"
                          "名前,11月,11月 残り,12月,12月 繰越,12月 残り,合計,残り合計\r\n"
                          "山田,3500,3500,1000,3500,3500,4500,3500\r\n"
                          "佐藤,2000,,1000,,1000,3000,1000\r\n"
                          "合計,5500,3500,2000,3500,4500,7500,4500\r\n"));
}

class PastPeriods : public TempWorkdir {
protected:
    // kako/<name> holding `bytes` as its data file (none: an empty folder),
    // written at `minute` past noon.
    static void archive(const QString& name, const QByteArray* bytes, int minute) {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral("kako/") + name));
        if (!bytes) return;
        QFile f(QStringLiteral("kako/%1/allitem.hrm").arg(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(*bytes);
        f.flush();
        f.setFileTime(QDateTime(QDate(2026, 12, 1), QTime(12, minute)),
                      QFileDevice::FileModificationTime);
    }
};

TEST_F(PastPeriods, ListedNewestFirstWithTheDamagedAndTheEmpty) {
    const auto nov = owing(QStringLiteral(" 2026年11月 "), {"山田:1000", "佐藤", "伊藤:300"});
    const auto oct = owing(QStringLiteral("2026年10月"), {"山田:700"});
    const QByteArray nov_bytes = pair_swap(data_text(*nov));
    const QByteArray oct_bytes = pair_swap(data_text(*oct));
    const QByteArray cut = pair_swap(data_text(*oct).left(60));
    archive(QStringLiteral("2026年10月"), &oct_bytes, 1);
    archive(QStringLiteral("2026年11月"), &nov_bytes, 3);
    archive(QStringLiteral("broken"), &cut, 2);
    archive(QStringLiteral("empty"), nullptr, 0);
    // An empty archive is as old as its folder: made just now.

    const std::vector<PastPeriod> list = list_past_periods(QDir::currentPath());
    QStringList shown;
    for (const PastPeriod& p : list)
        shown << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(p.folder, p.period)
                     .arg(int(p.state))
                     .arg(p.members_charged)
                     .arg(p.total);
    EXPECT_EQ(shown, QStringList({"kako/empty||2|0|0", "kako/2026年11月|2026年11月|0|2|1300",
                                  "kako/broken||1|0|0", "kako/2026年10月|2026年10月|0|1|700"}));
    EXPECT_TRUE(QFile::exists(QStringLiteral("kako/broken/allitem.hrm"))) << "never removed";

    const struct {
        const char *from, *to;
        QStringList names;
        const char* unknown;
    } ranges[] = {
        {"", "", {"2026年10月", "broken", "2026年11月", "empty"}, ""},
        {"broken", "", {"broken", "2026年11月", "empty"}, ""},
        {"", "broken", {"2026年10月", "broken"}, ""},
        {"2026年11月", "2026年10月", {}, ""},
        {"2026年9月", "", {}, "2026年9月"},
    };
    for (const auto& r : ranges) {
        QString unknown;
        QStringList names;
        for (const PastPeriod& p : periods_between(list, r.from, r.to, unknown)) names << p.name;
        EXPECT_EQ(names, r.names) << r.from << " " << r.to;
        EXPECT_EQ(unknown, QString::fromUtf8(r.unknown));
    }
}
