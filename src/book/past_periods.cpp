#include "book/past_periods.h"

#include "book/data_files.h"
#include "book/file_checks.h"
#include "book/new_period.h"
#include "book/payments_file.h"
#include "book/print_rules.h"
#include "book/text_rules.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <memory>

PastPeriod::State read_past_book(const QString& folder, Book& book) {
    QByteArray bytes;
    const ReadResult read =
        read_checked(QDir(folder).filePath(QString::fromLatin1(kHrmFile)), bytes);
    if (read == ReadResult::Missing) return PastPeriod::State::Empty;
    if (read != ReadResult::Ok) return PastPeriod::State::Damaged;
    for (int k = 0; k < kItems; ++k) book.komoku_mode[k] = 1;
    if (parse_data_text(pair_swap(bytes), book) != ReadResult::Ok)
        return PastPeriod::State::Damaged;
    // Who had paid what, as the period was closed: the archive's 集金チェック
    // and unpaid list answer from it. A damaged payments file reads as far as
    // it can, as at start-up.
    payments_read(book, folder);
    print_syukei(book);
    return PastPeriod::State::Ok;
}

std::vector<PastPeriod> list_past_periods(const QString& working_folder) {
    std::vector<PastPeriod> out;
    const QDir kako(QDir(working_folder).filePath(QString::fromLatin1(kArchiveFolder)));
    const QStringList names = kako.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        auto book = std::make_unique<Book>(); // large: not on the stack
        PastPeriod p;
        p.name = name;
        p.folder = QString::fromLatin1(kArchiveFolder) + u'/' + name;
        const QString path = kako.filePath(name);
        p.state = read_past_book(path, *book);
        const QFileInfo data(QDir(path).filePath(QString::fromLatin1(kHrmFile)));
        p.closed = data.exists() ? data.lastModified() : QFileInfo(path).lastModified();
        if (p.state == PastPeriod::State::Ok) {
            p.period = trim_blanks(book->nengetu);
            for (int m = 0; m < kMembers; ++m) {
                if (book->print_total[m] != 0) ++p.members_charged;
                p.total += book->print_total[m];
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
