#pragma once
// What the data file readers promise for any bytes at all: they read them
// without a crash, and the book read writes back as a file that reads again,
// without a fault, to the same book (the same text once written again).

#include "book/data_files.h"

#include <memory>

// True when the promise holds for `bytes`, read in the current and in the
// older layout.
inline bool reads_back_the_same(const QByteArray& bytes) {
    auto book = std::make_unique<Book>();
    parse_data_text(bytes, *book);
    const QByteArray written = data_text(*book);
    auto again = std::make_unique<Book>();
    if (parse_data_text(written, *again) != ReadResult::Ok || data_text(*again) != written)
        return false;

    // The older layout keeps an amount for 任意 items that the current one
    // neither needs nor reads back: the converted file is held to the
    // promise from its first reading on.
    auto older = std::make_unique<Book>();
    parse_old_data_text(bytes, *older);
    auto converted = std::make_unique<Book>();
    if (parse_data_text(data_text(*older, true), *converted) != ReadResult::Ok) return false;
    const QByteArray rewritten = data_text(*converted, true);
    auto converted_again = std::make_unique<Book>();
    return parse_data_text(rewritten, *converted_again) == ReadResult::Ok &&
           data_text(*converted_again, true) == rewritten;
}
