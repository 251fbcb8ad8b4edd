// Amounts typed into 集金チェック: what reads as which amount, and what is
// refused so that nothing changes.

#include "book/typed_amount.h"

#include <gtest/gtest.h>

TEST(TypedAmount, ReadsTheNumberItShowsOrNothing) {
    struct Row {
        const char* typed;
        std::optional<qint64> amount;
    };
    // clang-format off
    const Row rows[] = {
        // taking back stays explicit: empty or 0
        {"", 0}, {"   ", 0}, {"0", 0}, {"０", 0},
        // plain, full-width and grouped
        {"500", 500}, {"５００", 500}, {" 1500 ", 1500}, {"\u30001500\u3000", 1500},
        {"1,000", 1000}, {"１，０００", 1000}, {"12,345,678", 12345678}, {"1,000円", 1000},
        {"-300", -300}, {"－３００", -300}, {"-1,000", -1000}, {"999,999,999", 999999999},
        // misplaced commas
        {"1,00", std::nullopt}, {"1000,000", std::nullopt}, {",100", std::nullopt},
        {"100,", std::nullopt}, {"1,,000", std::nullopt},
        // other number forms and other text
        {"&H10", std::nullopt}, {"1e3", std::nullopt}, {"12.5", std::nullopt},
        {"x", std::nullopt}, {"1000x", std::nullopt}, {"-", std::nullopt}, {"円", std::nullopt},
        {"1 000", std::nullopt}, {"+500", std::nullopt}, {"1000000000", std::nullopt},
    };
    // clang-format on
    for (const Row& r : rows)
        EXPECT_EQ(typed_amount(QString::fromUtf8(r.typed)), r.amount) << r.typed;
}
