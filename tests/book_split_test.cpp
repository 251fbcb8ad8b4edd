// The equal-split share, the digit examination of typed numbers and the
// ranges the book keeps amounts in.
#include "book/split_share.h"

#include <gtest/gtest.h>

TEST(SplitShare, WorkedValues) {
    struct Case {
        double total;
        int heads;
        qint32 share;
    };
    const Case cases[] = {
        {1000, 3, 400},                    // 333 is raised to the next hundred
        {1000, 8, 200},                    // 125
        {3000, 30, 100},  {9601, 96, 100}, // rounds to 100 first, which is a multiple of 100
        {150, 1, 200},    {250, 2, 200},   {10000, 8, 1300},
        {0, 5, 0},        {100, 96, 100}, // 1.04 -> 1 -> next hundred
        {49, 100, 0},                     // 0.49 rounds to 0, a multiple of 100
        {250.6, 2, 200},                  // 125.3 -> 125; floor(250.6) / 2 = 125
        {-1000, 3, -300},
    };
    for (const Case& c : cases) {
        const auto share = split_share(c.total, c.heads);
        ASSERT_TRUE(share.has_value()) << c.total << " / " << c.heads;
        EXPECT_EQ(*share, c.share) << c.total << " / " << c.heads;
    }
}

TEST(SplitShare, RefusesWhatThirtyTwoBitsCannotHold) {
    EXPECT_FALSE(split_share(2147483648.0, 1).has_value());
    EXPECT_FALSE(split_share(-2147483649.0, 1).has_value());
    // A total that fits but whose raised share does not.
    EXPECT_FALSE(split_share(2147483647.0, 1).has_value());
    EXPECT_EQ(split_share(2147483600.0, 1), 2147483600);
    EXPECT_FALSE(split_share(1000, 0).has_value());
}

TEST(DigitExamination, Inputs) {
    struct Case {
        const char16_t* text;
        bool refused;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"", false, u""},
        {u"   ", false, u""},
        {u"1500", false, u"1500"},
        {u" 1500 ", false, u"1500"},
        {u"-300", false, u"-300"},
        {u"12.5", false, u"12.5"},
        {u"-1", false, u"-1"}, // passes: the caller reads it as the refusal
        {u"0", false, u"0"},
        {u"00", false, u"00"},
        {u"１５００", false, u"1500"},
        {u"０５", false, u"05"},
        {u"１5０0", false, u"1500"},
        {u"1,500", true, u"-1"},
        {u"１，５００", true, u"-1"},
        {u"+5", true, u"-1"},
        {u"1.0", true, u"-1"},
        {u"1e3", true, u"-1"},
        {u"abc", true, u"-1"},
        {u"1 2", true, u"-1"},
        {u"\u3000"
         u"5",
         true, u"-1"}, // a full-width blank is text
        {u"&H10", true, u"-1"},
        // Only the first 20 characters are examined.
        {u"123456789012345678901234", false, u"12345678901234567890"},
        {u"12345678901234567890x", false, u"12345678901234567890"},
    };
    for (const Case& c : cases) {
        const DigitCheck check = examine_digits(QString::fromUtf16(c.text));
        EXPECT_EQ(check.refused, c.refused) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(check.text, QString::fromUtf16(c.result))
            << QString::fromUtf16(c.text).toStdString();
    }
    EXPECT_TRUE(is_refusal(QStringLiteral("-1")));
    EXPECT_FALSE(is_refusal(QString()));
    EXPECT_FALSE(is_refusal(QStringLiteral("-10")));
}

TEST(AmountRanges, Limits) {
    // Individual amounts: at most 6 characters in the data file.
    EXPECT_TRUE(member_amount_in_range(999999));
    EXPECT_TRUE(member_amount_in_range(-99999));
    EXPECT_TRUE(member_amount_in_range(999999.4));
    EXPECT_FALSE(member_amount_in_range(1000000));
    EXPECT_FALSE(member_amount_in_range(-100000));
    EXPECT_FALSE(member_amount_in_range(-99999.5)); // rounds to -100000
    // Per-person amounts.
    EXPECT_TRUE(share_in_range(0));
    EXPECT_TRUE(share_in_range(999999));
    EXPECT_FALSE(share_in_range(-1));
    EXPECT_FALSE(share_in_range(1000000));
    // Totals: 32 bits.
    EXPECT_TRUE(total_in_range(2147483647));
    EXPECT_TRUE(total_in_range(-2147483648.0));
    EXPECT_FALSE(total_in_range(2147483648.0));
    EXPECT_FALSE(total_in_range(1e30));
    EXPECT_EQ(to_long_clamped(1e30), 2147483647);
    EXPECT_EQ(to_long_clamped(12.5), 12);
    EXPECT_EQ(to_long_clamped(13.5), 14);
    EXPECT_EQ(to_integer_clamped(40000), 32767);
}
