#pragma once
// Past periods for the benchmarks and for looking at the year's totals: in
// the current folder, `archives` months from 2017年1月 on in kako/YYYY-MM,
// each a full book (96 names, 20 items) with its payments in every state and
// closed a day after the one before, and allitem.hrm holding the month after
// the last (without payments).

#include "book/data_files.h"
#include "book/new_period.h"
#include "book/payments_file.h"
#include "support/full_book.h"

#include <QDir>
#include <QFile>
#include <memory>

inline bool write_past_periods(int archives) {
    auto book = std::make_unique<Book>();
    fill_full_book(*book);
    fill_full_payments(*book);
    const QDateTime first_closed(QDate(2017, 2, 1), QTime(9, 0));
    for (int n = 0; n <= archives; ++n) {
        const QDate month = QDate(2017, 1, 1).addMonths(n);
        book->nengetu = QStringLiteral("%1年%2月").arg(month.year()).arg(month.month());
        const QByteArray hrm = pair_swap(data_text(*book));
        if (n == archives)
            return write_file_atomically(QString::fromLatin1(kHrmFile), hrm) == WriteResult::Ok;
        const QString folder = QStringLiteral("%1/%2-%3")
                                   .arg(QString::fromLatin1(kArchiveFolder))
                                   .arg(month.year())
                                   .arg(month.month(), 2, 10, QChar(u'0'));
        const QString data = folder + u'/' + QString::fromLatin1(kHrmFile);
        if (!QDir().mkpath(folder) || write_file_atomically(data, hrm) != WriteResult::Ok ||
            write_file_atomically(folder + u'/' + QString::fromLatin1(kPayFile),
                                  payments_text(*book)) != WriteResult::Ok)
            return false;
        QFile closed(data);
        if (!closed.open(QIODevice::ReadWrite) ||
            !closed.setFileTime(first_closed.addDays(n), QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}
