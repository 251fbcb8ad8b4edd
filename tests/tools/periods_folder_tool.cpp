// Writes past periods into kako/ of the current folder, and the current book,
// for the benchmarks and for looking at the year's totals:
//
//   periods_folder_tool ARCHIVES    ARCHIVES months from 2017年1月 on, each a
//                                   full book (96 names, 20 items) with its
//                                   payments in every state, closed a day
//                                   apart; allitem.hrm the month after
#include "book/data_files.h"
#include "book/new_period.h"
#include "book/payments_file.h"
#include "support/full_book.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <memory>

namespace {

bool write_book(const QString& folder, const Book& book, const QDateTime& closed) {
    const QString hrm = folder + QStringLiteral("/allitem.hrm");
    if (write_file_atomically(hrm, pair_swap(data_text(book))) != WriteResult::Ok) return false;
    if (write_file_atomically(folder + QStringLiteral("/allitem.pay"), payments_text(book)) !=
        WriteResult::Ok)
        return false;
    QFile f(hrm);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(closed, QFileDevice::FileModificationTime);
}

} // namespace

int main(int argc, char** argv) {
    const int archives = argc == 2 ? std::atoi(argv[1]) : 0;
    if (archives <= 0) return 2;
    auto book = std::make_unique<Book>();
    fill_full_book(*book);
    fill_full_payments(*book);
    const QDateTime first(QDate(2017, 2, 1), QTime(9, 0));
    for (int n = 0; n <= archives; ++n) {
        const QDate month = QDate(2017, 1, 1).addMonths(n);
        book->nengetu = QStringLiteral("%1年%2月").arg(month.year()).arg(month.month());
        if (n == archives)
            return write_file_atomically(QString::fromLatin1(kHrmFile),
                                         pair_swap(data_text(*book))) == WriteResult::Ok
                       ? 0
                       : 1;
        const QString folder = QStringLiteral("%1/%2-%3")
                                   .arg(QString::fromLatin1(kArchiveFolder))
                                   .arg(month.year())
                                   .arg(month.month(), 2, 10, QChar(u'0'));
        if (!QDir().mkpath(folder) || !write_book(folder, *book, first.addDays(n))) return 1;
    }
    return 0;
}
