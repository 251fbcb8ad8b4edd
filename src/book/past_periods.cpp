#include "book/past_periods.h"

#include "book/balance.h"
#include "book/data_files.h"
#include "book/file_checks.h"
#include "book/new_period.h"
#include "book/payments.h"
#include "book/payments_file.h"
#include "book/print_rules.h"
#include "book/text_rules.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <memory>

PastPeriod::State read_past_book(const QString& folder, Book& book, PastPeriod::Payments* payments,
                                 PayRead* read_out) {
    QByteArray bytes;
    const ReadResult read =
        read_checked(QDir(folder).filePath(QString::fromLatin1(kHrmFile)), bytes);
    if (read == ReadResult::Missing) return PastPeriod::State::Empty;
    if (read != ReadResult::Ok) return PastPeriod::State::Damaged;
    for (int k = 0; k < kItems; ++k) book.komoku_mode[k] = 1;
    if (parse_data_text(pair_swap(bytes), book) != ReadResult::Ok)
        return PastPeriod::State::Damaged;
    // Matched against the names and titles just read, as start-up does.
    const PayRead paid = payments_read(book, folder);
    if (read_out) *read_out = paid;
    if (payments) {
        *payments = paid.result == ReadResult::Missing ? PastPeriod::Payments::None
                    : paid.result == ReadResult::Ok && paid.unmatched == 0
                        ? PastPeriod::Payments::Kept
                        : PastPeriod::Payments::Damaged;
    }
    print_syukei(book);
    return PastPeriod::State::Ok;
}

std::vector<PastPeriod> list_past_periods(const QString& working_folder, bool summed) {
    std::vector<PastPeriod> out;
    const QDir kako(QDir(working_folder).filePath(QString::fromLatin1(kArchiveFolder)));
    const QStringList names = kako.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        auto book = std::make_unique<Book>(); // large: not on the stack
        PastPeriod p;
        p.name = name;
        p.folder = QString::fromLatin1(kArchiveFolder) + u'/' + name;
        const QString path = kako.filePath(name);
        if (summed) p.state = read_past_book(path, *book, &p.payments);
        const QFileInfo data(QDir(path).filePath(QString::fromLatin1(kHrmFile)));
        p.closed = data.exists() ? data.lastModified() : QFileInfo(path).lastModified();
        if (p.state == PastPeriod::State::Ok) {
            p.period = trim_blanks(book->nengetu);
            for (int m = 0; m < kMembers; ++m) {
                if (book->print_total[m] != 0) ++p.members_charged;
                p.total += book->print_total[m];
            }
            if (p.payments == PastPeriod::Payments::Kept) {
                p.received = period_totals(*book).received;
                p.still_owed = period_still_owed(*book);
            }
        }
        out.push_back(p);
    }
    std::stable_sort(out.begin(), out.end(), [](const PastPeriod& a, const PastPeriod& b) {
        if (a.closed != b.closed) return a.closed > b.closed;
        return a.name > b.name;
    });
    return out;
}
