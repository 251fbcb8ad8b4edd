// The name of a closed period's archive folder.
#include "book/new_period.h"

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

} // namespace
