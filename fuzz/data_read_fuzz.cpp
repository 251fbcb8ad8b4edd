// libFuzzer target for the data file readers: any bytes must read as Ok or
// Damaged without a crash or an out-of-bounds access, and whatever was read
// must be written back as a file that reads again to the same book.

#include "round_trip.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// A full book is about 10 kB (fuzz/seeds/full_book.dat); libFuzzer would
// otherwise cap inputs at the largest seed. A -max_len on the command line
// wins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0) return 0;
    static char max_len[] = "-max_len=16384";
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, max_len);
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!reads_back_the_same(bytes)) abort();

    const QByteArray swapped = pair_swap(bytes);
    if (swapped.size() > bytes.size() || pair_swap(swapped) != QByteArray(bytes).replace('\0', ""))
        abort();
    return 0;
}
