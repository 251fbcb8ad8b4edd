// The fuzz target's promise on its seeds (a full book among them), so that
// every test run checks what the fuzzer starts from.
#include "../fuzz/round_trip.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(FuzzSeeds, EachReadsBackTheSameAndAFullBookIsAmongThem) {
    const QDir seeds(QStringLiteral(TAVU_FUZZ_SEEDS));
    qint64 largest = 0;
    for (const QFileInfo& seed : seeds.entryInfoList(QDir::Files)) {
        QFile file(seed.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(reads_back_the_same(bytes)) << seed.fileName().toStdString();
        largest = qMax(largest, seed.size());
        if (seed.fileName() == QStringLiteral("full_book.dat")) {
            auto book = std::make_unique<Book>();
            ASSERT_EQ(parse_data_text(bytes, *book), ReadResult::Ok);
            EXPECT_FALSE(book->member_name[kMembers - 1].isEmpty());
            EXPECT_FALSE(book->komoku_name[kItems - 1].isEmpty());
        }
    }
    EXPECT_GT(largest, 8000);
}

} // namespace
