// 年間集計 on paper, through the recorder: the drawing of a small table as
// data, and how a long and wide table goes on across pages.
#include "periods/year_report.h"
#include "ui/print_recorder.h"

#include <gtest/gtest.h>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

YearTotals table(int members, int periods) {
    YearTotals t;
    for (int p = 0; p < periods; ++p) t.periods << QStringLiteral("2026年%1月").arg(p + 1);
    t.period_total.assign(size_t(periods), 0);
    for (int m = 0; m < members; ++m) {
        t.members << QStringLiteral("会員%1").arg(m + 1);
        t.charge.emplace_back(size_t(periods));
        t.member_total.push_back(0);
        for (int p = 0; p < periods; ++p) {
            if ((m + p) % 3 == 0) continue; // not a member then
            const qint64 v = 100 * (m + 1) + p;
            t.charge.back()[size_t(p)] = v;
            t.member_total.back() += v;
            t.period_total[size_t(p)] += v;
            t.total += v;
        }
    }
    return t;
}

QStringList texts(const QStringList& page) {
    QStringList out;
    for (const QString& op : page)
        if (op.startsWith(QStringLiteral("text "))) out << op;
    return out;
}

// The pages of the table drawn through the recorder.
std::vector<QStringList> pages_of(const YearTotals& t,
                                  const QString& range = QStringLiteral("年")) {
    ui::PrintRecorder printer;
    draw_year_report(t, range, printer);
    return ui::drawn_pages(printer.ops);
}

} // namespace

TEST(YearReport, SmallTableAsDrawn) {
    const auto pages = pages_of(table(2, 2), QStringLiteral("2026年1月 ～ 2026年2月"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(texts(pages[0]), QStringList({
                                   "text 110 11 20b 年  間  集  計  表",
                                   "text 15 18 11b 2026年1月 ～ 2026年2月",
                                   "text 17 29 9 名  前",
                                   "text 46 26.5 8 2026年1月",
                                   "text 63 26.5 8 2026年2月",
                                   "text 83 29 9 合  計",
                                   "text 17 38.2 9 会員1",
                                   "text 63 38.2 9        101",
                                   "text 80 38.2 9        101",
                                   "text 17 44.2 9 会員2",
                                   "text 46 44.2 9        200",
                                   "text 63 44.2 9        201",
                                   "text 80 44.2 9        401",
                                   "text 17 50.2 9 合  計",
                                   "text 46 50.2 9        200",
                                   "text 63 50.2 9        302",
                                   "text 80 50.2 9        502",
                                   "text 250 197 9 ＴＡＶＵ  1 / 1",
                               }));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("box 15 25 96 55 w2")));
}

// Payments kept in the first period only: its cells and the totals column
// show what remained below the charge; "済" only where every period counted.
TEST(YearReport, WhatRemainedBelowTheChargesWherePaymentsWereKept) {
    YearTotals t = table(3, 2); // 会員1 charged in period 2 only, 会員3 in period 1 only
    t.with_payments = {true, false};
    t.remaining = {{std::nullopt, std::nullopt}, {150, std::nullopt}, {0, std::nullopt}};
    t.member_remaining = {0, 150, 0};
    t.period_remaining = {150, 0};
    t.total_remaining = 150;
    QStringList first_period_and_totals;
    for (const QString& op : texts(pages_of(t).front()))
        for (const char* at : {"text 45.7 ", "text 46 ", "text 79.7 ", "text 80 "})
            if (op.startsWith(QString::fromUtf8(at))) first_period_and_totals << op;
    EXPECT_EQ(first_period_and_totals, QStringList({
                                           "text 46 26.5 8 2026年1月",
                                           "text 80 37.3 7.5        101",
                                           "text 46 43.3 7.5        200",
                                           "text 45.7 46.1 7.5 残",
                                           "text 46 46.1 7.5        150",
                                           "text 80 43.3 7.5        401",
                                           "text 79.7 46.1 7.5 残",
                                           "text 80 46.1 7.5        150",
                                           "text 46 49.3 7.5        300",
                                           "text 45.7 52.1 7.5 済",
                                           "text 80 49.3 7.5        300",
                                           "text 46 55.3 7.5        500",
                                           "text 45.7 58.1 7.5 残",
                                           "text 46 58.1 7.5        150",
                                           "text 80 55.3 7.5        802",
                                           "text 79.7 58.1 7.5 残",
                                           "text 80 58.1 7.5        150",
                                       }));
}

TEST(YearReport, LongAndWideTablesGoOnAcrossPages) {
    const struct {
        int members, periods, pages;
        QString first_of_last_page; // the name in the last page's first row
    } cases[] = {
        // 26 rows a page, the total row counted; 12 periods a page.
        {25, 12, 1, QStringLiteral("会員1")},
        {26, 12, 2, QStringLiteral("合  計")},
        {96, 13, 8, QStringLiteral("会員79")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.members << " members, " << c.periods << " periods");
        const YearTotals t = table(c.members, c.periods);
        EXPECT_EQ(year_report_pages(t), c.pages);
        const auto pages = pages_of(t);
        ASSERT_EQ(int(pages.size()), c.pages);
        EXPECT_TRUE(
            texts(pages.back()).contains(QStringLiteral("text 17 38.2 9 ") + c.first_of_last_page));
        EXPECT_TRUE(
            texts(pages.back()).last().endsWith(QStringLiteral("ＴＡＶＵ  %1 / %1").arg(c.pages)));
    }
}

// Amounts too long for a cell (the totals of full books) are drawn smaller,
// and a remainder of eight digits or more goes after its 残, not under it.
TEST(YearReport, LongAmountsStayInsideTheirCells) {
    const struct {
        qint64 charge, left;
        QStringList drawn; // the period's cell
    } cases[] = {
        {19999980,
         19999960,
         {"text 46 37.3 7.5 19,999,980", "text 45.7 40.1 7.5 残", "text 48.5 40.1 7.5 19,999,960"}},
        {1919998080,
         1919997440,
         {"text 46 37.3 6.5 1,919,998,080", "text 45.7 40.1 7.5 残",
          "text 48.5 40.1 5.5 1,919,997,440"}},
        {1919998080, -1, {"text 46 38.2 6.5 1,919,998,080"}}, // no payments kept
    };
    for (const auto& c : cases) {
        YearTotals t = table(1, 1);
        t.charge[0][0] = c.charge;
        t.with_payments = {c.left >= 0};
        t.remaining = {{c.left}};
        t.member_remaining = t.period_remaining = {std::max<qint64>(c.left, 0)};
        QStringList cell;
        for (const QString& op : texts(pages_of(t).front()))
            if (op.startsWith(QStringLiteral("text 4")) && op.split(u' ')[2].toDouble() > 37 &&
                op.split(u' ')[2].toDouble() < 41)
                cell << op; // the member's row
        EXPECT_EQ(cell, c.drawn) << c.charge;
    }
}
