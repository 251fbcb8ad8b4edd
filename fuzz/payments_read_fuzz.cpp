// libFuzzer target for the payments file reader: any bytes must read as Ok
// or Damaged without a crash or an out-of-bounds access, and what was read
// must be written back as a text that reads again, whole and the same.

#include "book/payments_file.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // A book whose names and titles short inputs can match.
    static const std::unique_ptr<Book> book = [] {
        auto b = std::make_unique<Book>();
        for (int m = 0; m < kMembers; m += 2) b->member_name[m] = QString::number(m + 1);
        for (int k = 0; k < kItems; k += 2) b->komoku_name[k] = QStringLiteral("t%1").arg(k + 1);
        return b;
    }();
    parse_payments_text(bytes, *book);
    const QByteArray text = payments_text(*book);
    const PayRead again = parse_payments_text(text, *book);
    if (again.result != ReadResult::Ok || payments_text(*book) != text) abort();
    return 0;
}
