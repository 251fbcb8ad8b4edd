// Saves or loads a small book in the current folder, as the program does,
// and reports through its exit code what the data file routines returned
// (0 = done, 1 = reported failure, 3 = done but the last folder flush
// failed). The write-failure test runs it under
// strace with failures injected into the file system calls.
//
//   book_save_tool save <marker>   dat_write + dat_to_hrm of a book whose
//                                  period is <marker>
//   book_save_tool write <marker>  dat_write alone
//   book_save_tool swap            dat_to_hrm alone
//   book_save_tool load            hrm_to_dat + data_read; prints the period
//   book_save_tool sanitized       exit code 0 when built with AddressSanitizer

#include "book/data_files.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int exit_code(WriteResult result) {
    return result == WriteResult::Ok ? 0 : result == WriteResult::Unconfirmed ? 3 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool save = argc >= 3 && std::strcmp(argv[1], "save") == 0;
    if (save || (argc >= 3 && std::strcmp(argv[1], "write") == 0)) {
        auto book = std::make_unique<Book>();
        for (int m = 0; m < kMembers; ++m) book->member_name[m] = QString::number(m);
        book->nengetu = QString::fromUtf8(argv[2]);
        for (int k = 0; k < kItems; ++k) {
            book->komoku_name[k] = QStringLiteral("item %1").arg(k);
            for (int m = 0; m < kMembers; ++m) book->member_kingaku[m][k] = 1000 * k + m;
        }
        if (!is_written(dat_write(*book))) return 1;
        return save ? exit_code(dat_to_hrm()) : 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "sanitized") == 0) {
#if defined(__SANITIZE_ADDRESS__)
        return 0;
#else
        return 1;
#endif
    }
    if (argc >= 2 && std::strcmp(argv[1], "swap") == 0) return exit_code(dat_to_hrm());
    if (argc >= 2 && std::strcmp(argv[1], "load") == 0) {
        auto book = std::make_unique<Book>();
        if (hrm_to_dat() != WriteResult::Ok) return 1;
        if (data_read(*book) != ReadResult::Ok) return 1;
        std::printf("%s\n", book->nengetu.toUtf8().constData());
        return 0;
    }
    std::fprintf(stderr, "usage: book_save_tool save <marker> | write <marker> | swap | load\n");
    return 2;
}
