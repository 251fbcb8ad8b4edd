// Writes a book into the current folder for the report command's script test
// and benchmark:
//
//   report_book_tool full    allitem.hrm of the full book (96 names, 20 items,
//                            charges on every page)
//   report_book_tool paid    the full book with allitem.pay beside it: cells
//                            unpaid, paid, half paid and paid over in turn
//   report_book_tool all-paid  the same with every charge paid in full
//   report_book_tool sample  a small office's book with payments in every
//                            state (the help's picture of 集金チェック)
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
    if (argc == 2 && std::strcmp(argv[1], "sample") == 0) {
        auto book = std::make_unique<Book>();
        book->nengetu = QStringLiteral("2026年12月");
        book->motojime = QStringLiteral("幹事 花子");
        const char* const names[] = {"佐藤 一郎", "鈴木 花子",  "高橋 健",   "田中 美咲",
                                     "伊藤 誠",   "渡辺 直子",  "山本 大輔", "中村 結衣",
                                     "小林 翔",   "加藤 さくら"};
        for (int m = 0; m < 10; ++m) book->member_name[m] = QString::fromUtf8(names[m]);
        const char* const titles[] = {"忘年会", "部長の送別会の花束", "お歳暮", "大掃除用品"};
        const qint32 shares[] = {4000, 500, 1000, 0};
        for (int k = 0; k < 4; ++k) {
            book->komoku_name[k] = QString::fromUtf8(titles[k]);
            book->komoku_mode[k] = qint16(k < 3 ? 1 : 0);
            book->komoku_kingaku[k] = shares[k];
            for (int m = 0; m < 10; ++m) {
                book->mark[m][k] = qint16(k < 3 && (k != 1 || m % 5 != 4) ? 1 : 0);
                if (k == 3) book->member_kingaku[m][k] = m % 3 == 0 ? 800 : 300;
            }
            book->komoku_nin[k] = qint16(k == 1 ? 8 : k < 3 ? 10 : 0);
            book->komoku_sogaku[k] = book->komoku_nin[k] * shares[k];
        }
        for (int m = 0; m < 10; ++m)
            for (int k = 0; k < 4; ++k) {
                const qint64 owed = owed_amount(*book, m, k);
                // Mostly paid; here and there half, nothing yet, or 500 over.
                const int turn = (m * 3 + k) % 10;
                const qint64 got = turn < 7    ? owed
                                   : turn == 7 ? owed / 2
                                   : turn == 8 ? 0
                                               : owed + 500;
                if (owed != 0 && got != 0)
                    book->payments.cell[m][k] = {got, QDate(2026, 12, 1 + (m + k) % 7)};
            }
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
