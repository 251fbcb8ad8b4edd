// The print calculation, amounts as printed, the heading cut and the choice
// of summary pages.
#include "book/print_rules.h"
#include "book/yen_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();
} // namespace

TEST(PrintRules, AmountTexts) {
    struct Case {
        qint64 amount;
        const char16_t* kingaku; // kingaku_text
        bool in_table;           // the summary table prints it
    };
    const Case cases[] = {
        {0, u"", false},
        {7, u"         7", true},
        {500, u"       500", true},
        {1234, u"     1,234", true},
        {-1500, u"    -1,500", true},
        {1234567, u" 1,234,567", true},
        {9999999, u" 9,999,999", true},
        {10000000, u"10,000,000", false},
        {-999999, u"  -999,999", true},
        {-1000000, u"-1,000,000", false},
        {kMax, u"2,147,483,647", false},
        {kMin, u"-2,147,483,648", false},
        {qint64(kMax) * 20, u"42,949,672,940", false}, // a sum beyond 32 bits
    };
    for (const Case& c : cases) {
        const QString expected = QString::fromUtf16(c.kingaku);
        EXPECT_EQ(kingaku_text(c.amount), expected) << c.amount;
        EXPECT_EQ(table_amount_text(c.amount), c.in_table ? expected : QString()) << c.amount;
    }
}

// Sums in windows and messages: nothing reads "0" (never a bare 円), the
// rest grouped as printed, beyond 32 bits too.
TEST(PrintRules, YenTexts) {
    struct Case {
        qint64 amount;
        const char16_t* text; // yen_text; yen() adds 円
    };
    const Case cases[] = {
        {0, u"0"},
        {7, u"7"},
        {1000, u"1,000"},
        {-1500, u"-1,500"},
        {1234567, u"1,234,567"},
        {qint64(kMax) * 20, u"42,949,672,940"},
    };
    for (const Case& c : cases) {
        const QString expected = QString::fromUtf16(c.text);
        EXPECT_EQ(yen_text(c.amount), expected) << c.amount;
        EXPECT_EQ(yen(c.amount), expected + QStringLiteral("円")) << c.amount;
    }
}

TEST(PrintRules, HeadingCut) {
    struct Case {
        const char16_t* title;
        int len;
        const char16_t* line1;
        const char16_t* line2;
    };
    const Case cases[] = {
        {u"ABCDEFGHIあ", 9, u"ABCDEFGHI", u"あ"},    // 10th byte starts a double-byte character
        {u"ABCDEFGHIJKL", 10, u"ABCDEFGHIJ", u"KL"}, // ten single-byte characters
        {u"abcdefghijklmnopqrst", 10, u"abcdefghij", u"klmnopqrst"},
        {u"あいうえお", 10, u"あいうえお", u""},                     // five double-byte
        {u"ＡＢＣＤＥＦＧＨＩＪ", 10, u"ＡＢＣＤＥ", u"ＦＧＨＩＪ"}, // ten double-byte, 20 bytes
        {u"aあいうえお", 9, u"aあいうえ", u"お"},
        {u"abcdefghあいうえおか", 10, u"abcdefghあ", u"いうえおか"},
        {u"ab　全角空白", 10, u"ab　全角空", u"白"}, // the full-width blank is a character
        {u"ｱｲｳｴｵｶｷｸｹｺｻ", 10, u"ｱｲｳｴｵｶｷｸｹｺ", u"ｻ"},   // half-width kana are single-byte
        {u"abcdefghi", 9, u"abcdefghi", u""},        // a missing 10th counts as double-byte
        {u"", 10, u"", u""},
        // A title longer than 20 bytes (a hand-made file): the character cut
        // by the 20-byte end is left out.
        {u"abcdefghijklmnopqrsあい", 10, u"abcdefghij", u"klmnopqrs"},
    };
    for (const Case& c : cases) {
        const QString title = QString::fromUtf16(c.title);
        EXPECT_EQ(midasi_len(title), c.len) << title.toStdString();
        const auto [line1, line2] = midasi_lines(title);
        EXPECT_EQ(line1, QString::fromUtf16(c.line1)) << title.toStdString();
        EXPECT_EQ(line2, QString::fromUtf16(c.line2)) << title.toStdString();
    }
}

// A text kept inside its place on paper: whole at its size, smaller when
// long, cut at the smallest size.
TEST(PrintRules, LongTextsFitTheirPlace) {
    const char16_t* const kRange =
        u"2026年12月分の集金（忘年会と歳暮と送別会と新年会と大掃除とゴルフコンペの分をまとめて） "
        u"～ 2027年1月分の集金（新年会と歳暮と送別会と新年会と大掃除とゴルフコンペの分をまとめて）";
    struct Case {
        const char16_t* text;
        double points, min_points, width;
        const char16_t* drawn;
        double drawn_points;
    };
    // clang-format off
    const Case cases[] = {
        {u"2026年12月", 14, 8, 63, u"2026年12月", 14},
        // The period of the unpaid list: 34 bytes go in 10.5 points.
        {u"2026年12月分の集金（忘年会と歳暮）", 14, 8, 63, u"2026年12月分の集金（忘年会と歳暮）", 10.5},
        {u"2026年12月分の集金（忘年会と歳暮と送別会と新年会の分をまとめて）", 14, 8, 63,
         u"2026年12月分の集金（忘年会と歳暮と送別会と新", 8},
        // The year's totals under two long periods (175 bytes), across a landscape page.
        {kRange, 11, 7, 261, kRange, 8},
        // The totals of a full book in a 20 mm column, and a typing slip.
        {u"     1,000", 10, 6, 20, u"     1,000", 10},
        {u"1,919,998,080", 10, 6, 20, u"1,919,998,080", 8.5},
        {u"-999,999,999,994,999", 10, 5, 20, u"-999,999,999,994,999", 5.5},
        {u"入金 1,000　　残り 500", 9, 5, 52, u"入金 1,000　　残り 500", 9},
        {u"", 10, 6, 20, u"", 10},
    };
    // clang-format on
    for (const Case& c : cases) {
        const FittedText f = fit_text(QString::fromUtf16(c.text), c.points, c.min_points, c.width);
        EXPECT_EQ(f.text, QString::fromUtf16(c.drawn)) << f.text.toStdString();
        EXPECT_EQ(f.points, c.drawn_points) << f.text.toStdString();
    }
}

TEST(PrintRules, PrintCalculation) {
    Book book;
    book.member_name[0] = QStringLiteral("A");
    book.member_name[1] = QStringLiteral("B");
    book.member_name[2] = QStringLiteral("   "); // blank: loses its marks and amounts
    book.komoku_name[0] = QStringLiteral("割勘");
    book.komoku_mode[0] = 1;
    book.komoku_kingaku[0] = 1300;
    book.komoku_name[12] = QStringLiteral("任意");
    book.komoku_mode[12] = 0;
    book.komoku_name[5] = QString(); // no title: charges nobody
    book.komoku_mode[5] = 0;
    book.mark[0][0] = 1;
    book.member_kingaku[1][0] = 999; // unmarked in an equal split: owes nothing
    book.member_kingaku[0][12] = 250;
    book.member_kingaku[1][12] = -50; // unmarked, individual: owes it
    book.mark[2][0] = 1;
    book.member_kingaku[2][12] = 700;
    book.member_kingaku[0][5] = 800;
    book.print_charge[50][3] = 12345; // stale work values are cleared

    print_syukei(book);

    // {member, item, charged}; named members keep their amounts, the blank row does not.
    const int charges[][3] = {{0, 0, 1300}, {1, 0, 0}, {0, 12, 250},
                              {1, 12, -50}, {0, 5, 0}, {50, 3, 0}};
    for (const auto& [m, k, amount] : charges)
        EXPECT_EQ(book.print_charge[m][k], amount) << m << "," << k;
    EXPECT_EQ(book.mark[2][0], 0);
    EXPECT_EQ(book.member_kingaku[2][12], 0);
    EXPECT_EQ(book.member_kingaku[0][5], 800);
    EXPECT_EQ(std::vector<qint64>({book.print_total[0], book.print_total1[0], book.print_total2[0],
                                   book.print_total[1], book.print_total[2]}),
              std::vector<qint64>({1550, 1300, 250, -50, 0}));
    EXPECT_EQ(book.print_komoku_total[0], 1300);
    EXPECT_EQ(book.print_komoku_total[12], 200);
}

// The largest amounts of a hand-made file: the sums need 64 bits (the
// sanitizer build checks that nothing overflows on the way).
TEST(PrintRules, SumsBeyondThirtyTwoBits) {
    for (const qint32 amount : {kMax, kMin}) {
        Book book;
        for (int m = 0; m < kMembers; ++m) book.member_name[m] = QStringLiteral("x");
        for (int k = 0; k < kItems; ++k) {
            book.komoku_name[k] = QStringLiteral("t");
            for (int m = 0; m < kMembers; ++m) book.member_kingaku[m][k] = amount;
        }
        print_syukei(book);
        EXPECT_EQ(book.print_total[95], qint64(amount) * 20);
        EXPECT_EQ(book.print_total1[95], qint64(amount) * 10);
        EXPECT_EQ(book.print_komoku_total[19], qint64(amount) * 96);
        EXPECT_EQ(zentai_page_wanted(book, 1), amount > 0);
    }
}

TEST(PrintRules, SummaryPages) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, qint32>> charges; // {member, amount} of item 0 or 12
        int item;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"nothing to collect", {}, 0, {}},
        {"only the second half of group 1", {{3, 500}}, 12, {2}},
        {"group 4, first half", {{95, 1}}, 0, {7}},
        {"charges that cancel", {{24, 500}, {25, -500}}, 0, {}},
        {"a negative half-sum", {{30, -1}}, 0, {}},
        {"two groups", {{0, 100}, {50, 100}, {51, -50}}, 12, {2, 6}},
    };
    for (const Case& c : cases) {
        Book book;
        for (int m = 0; m < kMembers; ++m) book.member_name[m] = QStringLiteral("named");
        book.komoku_name[c.item] = QStringLiteral("item");
        for (const auto& [member, amount] : c.charges) book.member_kingaku[member][c.item] = amount;
        print_syukei(book);
        std::vector<int> pages;
        for (int p = 1; p <= 8; ++p)
            if (zentai_page_wanted(book, p)) pages.push_back(p);
        EXPECT_EQ(pages, c.pages) << c.what;
    }
    EXPECT_EQ(zentai_page_label(1), QStringLiteral("ＴＡＶＵ  NO 1-1"));
    EXPECT_EQ(zentai_page_label(6), QStringLiteral("ＴＡＶＵ  NO 3-2"));
    EXPECT_EQ(zentai_page_label(8), QStringLiteral("ＴＡＶＵ  NO 4-2"));
}
