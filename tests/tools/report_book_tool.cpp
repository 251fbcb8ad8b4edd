// Writes a book into the current folder for the report command's script test
// and benchmark:
//
//   report_book_tool full    allitem.hrm of the full book (96 names, 20 items,
//                            charges on every page)
//   report_book_tool paid    the full book with allitem.pay beside it: cells
//                            unpaid, paid, half paid and paid over in turn
//   report_book_tool all-paid  the same with every charge paid in full
//   report_book_tool older   allitem.ngs in the older layout: 63 names, the
//                            period "2019年4月", one equal-split item "お茶代"
//                            of 300 for members 1 and 3, one individual item
//                            "花代" with 1200 for member 2
#include "book/cp932.h"
#include "book/data_files.h"
#include "book/payments_file.h"
#include "support/full_book.h"

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "full") == 0) {
        auto book = std::make_unique<Book>();
        fill_full_book(*book);
        return write_file_atomically(QString::fromLatin1(kHrmFile), pair_swap(data_text(*book))) ==
                       WriteResult::Ok
                   ? 0
                   : 1;
    }
    const bool all = argc == 2 && std::strcmp(argv[1], "all-paid") == 0;
    if (all || (argc == 2 && std::strcmp(argv[1], "paid") == 0)) {
        auto book = std::make_unique<Book>();
        fill_full_book(*book);
        fill_full_payments(*book);
        if (all)
            for (int m = 0; m < kMembers; ++m)
                for (int k = 0; k < kItems; ++k)
                    book->payments.cell[m][k] = {owed_amount(*book, m, k), QDate(2026, 12, 8)};
        const bool ok = write_file_atomically(QString::fromLatin1(kHrmFile),
                                              pair_swap(data_text(*book))) == WriteResult::Ok &&
                        payments_write(*book).written == WriteResult::Ok;
        return ok ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "older") == 0) {
        QString text;
        for (int m = 0; m < 63; ++m)
            text += m < 3 ? QStringLiteral("\"古%1\",").arg(m + 1) : QStringLiteral("\"\",");
        text += QStringLiteral("\"2019年4月\",\"係\"\r\n");
        text += QStringLiteral("1,\"お茶代\",\"300\",\"101\"\r\n");
        text += QStringLiteral("0,\"花代\",\"0\",\"        1200\"\r\n");
        return write_file_atomically(QString::fromLatin1(kNgsFile),
                                     pair_swap(cp932::to_bytes(text))) == WriteResult::Ok
                   ? 0
                   : 1;
    }
    return 2;
}
