// The shared text and number rules, and code page 932.

#include "book/cp932.h"
#include "book/text_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, TrimAndBlankKeepFullWidthBlanks) {
    EXPECT_EQ(trim_blanks(u"  山田 太郎  "_qs), u"山田 太郎"_qs);
    EXPECT_EQ(trim_blanks(u"\u3000山田\u3000"_qs), u"\u3000山田\u3000"_qs);
    EXPECT_EQ(trim_blanks(u"   "_qs), QString());
    EXPECT_TRUE(is_blank(QString()));
    EXPECT_TRUE(is_blank(u"   "_qs));
    EXPECT_FALSE(is_blank(u"\u3000"_qs));
    EXPECT_FALSE(is_blank(u"\t"_qs));
    EXPECT_EQ(name_key(u" 山 田 \u3000"_qs), u"山田\u3000"_qs);
}

TEST(TextRules, ReadNumberForms) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"1500", 1500},
        {u"1500  ", 1500},
        {u" 1 2\t3\n4 ", 1234},
        {u"-42", -42},
        {u"+7", 7},
        {u"- 5", -5},
        {u"--5", 0},
        {u"12.5", 12.5},
        {u".5", 0.5},
        {u"5.", 5},
        {u".", 0},
        {u"1.5E3", 1500},
        {u"2d2", 200},
        {u"1e-2", 0.01},
        {u"3E", 3},
        {u"3E+", 3},
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&O17", 15},
        {u"&o8", 0},
        {u"&X1", 0},
        {u"1,000", 1},
        {u"12円", 12},
        {u"\uFFE51000", 0},
        {u"1\r2", 1},
        {u"\u3000"
         u"5",
         0},          // the full-width blank is not skipped
        {u"１２", 0}, // full-width digits are not digits here
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(read_number(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    EXPECT_GT(read_number(u"1e400"_qs), 1e300); // stays finite, fits nothing
    EXPECT_LT(read_number(u"-1e400"_qs), -1e300);
}

TEST(TextRules, NumberTexts) {
    EXPECT_EQ(number_text(12), u" 12"_qs);
    EXPECT_EQ(number_text(0), u" 0"_qs);
    EXPECT_EQ(number_text(-3), u"-3"_qs);
    EXPECT_EQ(plain_number_text(12), u"12"_qs);
    EXPECT_EQ(plain_number_text(-3), u"-3"_qs);
    EXPECT_EQ(plain_number_text(2147483647.0), u"2147483647"_qs);
    EXPECT_EQ(plain_number_text(1.5), u"1.5"_qs);
}

TEST(TextRules, RoundingAndRanges) {
    const struct {
        double in, out;
    } rounding[] = {{12.5, 12}, {13.5, 14}, {-12.5, -12}, {0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3}};
    for (const auto& r : rounding) EXPECT_EQ(round_half_even(r.in), r.out) << r.in;

    EXPECT_EQ(to_int16(32767.4), qint16(32767));
    EXPECT_EQ(to_int16(-32768), qint16(-32768));
    EXPECT_FALSE(to_int16(32767.5)); // rounds to 32768
    EXPECT_FALSE(to_int16(-32769));
    EXPECT_EQ(to_int32(2147483647), 2147483647);
    EXPECT_EQ(to_int32(-2147483648.0), qint32(-2147483647 - 1));
    EXPECT_FALSE(to_int32(2147483648.0));
    EXPECT_FALSE(to_int32(1e300));
    EXPECT_FALSE(to_int32(std::nan("")));
}

// The name search finds a name however its kana and width were typed.
TEST(TextRules, SearchKeysIgnoreWidthKanaAndBlanks) {
    const struct {
        const char16_t *name, *typed;
        bool found;
    } cases[] = {
        {u"ハヤシ", u"ﾊﾔｼ", true},    {u"ハヤシ", u"はやし", true},
        {u"ﾊﾔｼ", u"ハヤシ", true},    {u"はやし", u"ﾊﾔｼ", true},
        {u"バンバ", u"ﾊﾞﾝﾊﾞ", true},  {u"ばんば", u"ﾊﾞﾝ", true},
        {u"佐藤 3", u"佐藤3", true},  {u"佐藤　3", u"佐藤 ３", true},
        {u"Ｓａｔｏ", u"sato", true}, {u"ハヤシ", u"ハヤカワ", false},
        {u"ハバ", u"ﾊﾊ", false},      {u"林", u"はやし", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search_key(QString::fromUtf16(c.name))
                      .contains(search_key(QString::fromUtf16(c.typed))),
                  c.found)
            << QString::fromUtf16(c.name).toStdString() << " / "
            << QString::fromUtf16(c.typed).toStdString();
}

TEST(Cp932, RoundTripsWhatTheCodePageHolds) {
    const QString text = u"山田\u3000太郎～①髙ｱｲｳ\\~＂?"_qs;
    const cp932::Encoded e = cp932::encode(text);
    EXPECT_TRUE(e.ok());
    EXPECT_EQ(cp932::from_bytes(e.bytes), text);
    // Backslash and tilde stay ASCII: "SHIFT_JIS" would turn them into yen and overline.
    EXPECT_EQ(cp932::to_bytes(u"\\~"_qs), QByteArray("\\~"));
    EXPECT_EQ(cp932::to_bytes(u"ｱ"_qs), QByteArray("\xB1"));
    EXPECT_EQ(cp932::to_bytes(u"髙"_qs), QByteArray("\xFB\xFC"));
}

TEST(Cp932, FoldsLookAlikes) {
    const struct {
        char16_t in, folded;
    } cases[] = {{0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225}, {0x00A2, 0xFFE0},
                 {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015}, {0x00A5, 0xFFE5}};
    for (const auto& c : cases) {
        const QString in(QChar(c.in)), folded(QChar(c.folded));
        EXPECT_EQ(cp932::fold_lookalikes(in), folded);
        const cp932::Encoded e = cp932::encode(in);
        EXPECT_TRUE(e.ok()) << int(c.in);
        EXPECT_EQ(cp932::from_bytes(e.bytes), folded) << int(c.in);
    }
}

TEST(Cp932, ReportsWhatTheCodePageCannotHold) {
    const QString text = u"a😀b𠮷céd"_qs;
    const cp932::Encoded e = cp932::encode(text);
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(e.unencodable, u"😀𠮷é"_qs);
    EXPECT_EQ(cp932::from_bytes(e.bytes), u"a？b？c？d"_qs);
    EXPECT_FALSE(cp932::can_encode(u"é"_qs));
    EXPECT_TRUE(cp932::can_encode(u"ﾊﾝｶｸ 全角"_qs));
    // A lone surrogate is not a character of any code page.
    EXPECT_FALSE(cp932::can_encode(QString(QChar(0xD800))));
}

TEST(Cp932, DecodesDamagedBytesWithoutLosingTheRest) {
    EXPECT_EQ(cp932::from_bytes(QByteArray("a\x80"
                                           "b")),
              u"a\uFFFDb"_qs);
    EXPECT_EQ(cp932::from_bytes(QByteArray("a\x82")), u"a\uFFFD"_qs); // cut double-byte
    EXPECT_EQ(cp932::from_bytes(QByteArray()), QString());
}

TEST(Cp932, ByteLengthsAndClipping) {
    EXPECT_EQ(cp932::byte_length(u"abc"_qs), 3);
    EXPECT_EQ(cp932::byte_length(u"山田ｱ"_qs), 5);
    EXPECT_EQ(cp932::byte_length(u"😀"_qs), 2); // written as "？"
    const struct {
        const char16_t* text;
        int max;
        const char16_t* clipped;
    } cases[] = {
        {u"abcdef", 3, u"abc"},      {u"山田太郎", 5, u"山田"}, // half of 太 is dropped
        {u"山田太郎", 6, u"山田太"}, {u"ｱ山", 2, u"ｱ"},
        {u"a😀b", 3, u"a😀"}, // the pair is one character
        {u"a😀b", 2, u"a"},           {u"山", 0, u""},
        {u"ab", 10, u"ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp932::clip_bytes(QString::fromUtf16(c.text), c.max),
                  QString::fromUtf16(c.clipped))
            << QString::fromUtf16(c.text).toStdString() << " " << c.max;
    EXPECT_TRUE(cp932::is_single_byte(u'A'));
    EXPECT_TRUE(cp932::is_single_byte(QChar(0xFF71)));
    EXPECT_FALSE(cp932::is_single_byte(QChar(0x5C71)));
    EXPECT_FALSE(cp932::is_single_byte(QChar(0x00E9)));
}

} // namespace
