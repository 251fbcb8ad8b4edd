#pragma once
// What the data file readers promise for any bytes at all: they read them
// without a crash, and the book read writes back as a file that reads again,
// without a fault, to the same book: every amount, mark and mode the file
// holds comes back as it was, and the text is the same once written again.
// (The writer puts control characters and quotes into a form the file can
// hold, and the reader trims titles: text may change once, on the first
// writing, and never after.)

#include "book/data_files.h"
#include "book/text_rules.h"

#include <memory>

// The values of the book that the file holds, equal in both books.
inline bool same_stored_values(const Book& a, const Book& b) {
    for (int k = 0; k < kItems; ++k) {
        const bool split = a.komoku_mode[k] == 1;
        if ((b.komoku_mode[k] == 1) != split) return false;
        if (split &&
            (a.komoku_kingaku[k] != b.komoku_kingaku[k] || a.komoku_nin[k] != b.komoku_nin[k]))
            return false;
        for (int m = 0; m < kMembers; ++m) {
            if (split && (a.mark[m][k] == 1) != (b.mark[m][k] == 1)) return false;
            if (!split && a.member_kingaku[m][k] != b.member_kingaku[m][k]) return false;
        }
    }
    return true;
}

// The promise for one reader; the file is written as `blank_head_counts`
// says (a conversion writes head counts blank).
template <typename Parse>
bool reads_back(const QByteArray& bytes, Parse parse, bool blank_head_counts) {
    auto book = std::make_unique<Book>();
    parse(bytes, *book);
    const QByteArray written = data_text(*book, blank_head_counts);
    auto again = std::make_unique<Book>();
    if (parse_data_text(written, *again) != ReadResult::Ok) return false;
    // Items stop at the first untitled one after the first: only those count.
    auto kept = std::make_unique<Book>(*book);
    for (int k = 1; k < kItems; ++k) {
        if (!is_blank(book->komoku_name[k])) continue;
        for (int j = k; j < kItems; ++j) {
            kept->komoku_mode[j] = again->komoku_mode[j];
            kept->komoku_kingaku[j] = again->komoku_kingaku[j];
            kept->komoku_nin[j] = again->komoku_nin[j];
            for (int m = 0; m < kMembers; ++m) {
                kept->mark[m][j] = again->mark[m][j];
                kept->member_kingaku[m][j] = again->member_kingaku[m][j];
            }
        }
        break;
    }
    if (blank_head_counts) kept->komoku_nin = again->komoku_nin;
    if (!same_stored_values(*kept, *again)) return false;
    const QByteArray rewritten = data_text(*again, blank_head_counts);
    auto third = std::make_unique<Book>();
    return parse_data_text(rewritten, *third) == ReadResult::Ok &&
           same_stored_values(*again, *third) && data_text(*third, blank_head_counts) == rewritten;
}

// True when the promise holds for `bytes`, read in the current and in the
// older layout (whose 任意 items keep an amount the current one does not).
inline bool reads_back_the_same(const QByteArray& bytes) {
    return reads_back(bytes, parse_data_text, false) &&
           reads_back(bytes, parse_old_data_text, true);
}
