// libFuzzer target for the data file readers: any bytes must read as Ok or
// Damaged without a crash or an out-of-bounds access, and whatever was read
// must be written back as a file that reads again without a fault.

#include "book/data_files.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    auto book = std::make_unique<Book>();
    parse_data_text(bytes, *book);
    auto again = std::make_unique<Book>();
    if (parse_data_text(data_text(*book), *again) != ReadResult::Ok) abort();

    auto older = std::make_unique<Book>();
    parse_old_data_text(bytes, *older);
    if (parse_data_text(data_text(*older, true), *again) != ReadResult::Ok) abort();

    const QByteArray swapped = pair_swap(bytes);
    if (swapped.size() > bytes.size() || pair_swap(swapped) != QByteArray(bytes).replace('\0', ""))
        abort();
    return 0;
}
