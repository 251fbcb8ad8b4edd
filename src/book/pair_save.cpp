#include "book/pair_save.h"
#include "book/data_files.h"
#include "book/payments_file.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>

namespace {

const QString kPay = QString::fromLatin1(kPayFile);
const QString kPayBak = QString::fromLatin1(kPayBakFile);

// What bears the name "allitem.pay" before a save replaces it.
struct PayPlace {
    QString target;       // where the new file goes (payments_target)
    bool keep = false;    // a file read whole: kept as "allitem.pay.bak"
    bool aside = false;   // anything else there: moved aside first
    bool through = false; // a link written through: its file is copied, not linked
    bool exists = false;  // anything of the name
};

PayPlace look_at_payments_file() {
    PayPlace place;
    place.target = payments_target(kPay);
    struct stat st;
    if (::lstat(QFile::encodeName(kPay).constData(), &st) != 0) return place;
    place.exists = true;
    place.through = place.target != kPay;
    QByteArray bytes;
    const ReadResult read = read_checked(kPay, bytes, nullptr, kMaxPayFileSize);
    if (read == ReadResult::Missing) return place; // a link to nothing yet
    place.keep = read == ReadResult::Ok && payments_text_whole(bytes);
    place.aside = !place.keep;
    return place;
}

QString unread_name_now(int n) {
    return unread_name(QDateTime::currentDateTime(), n);
}

// Moves what bears the name aside; a link written through keeps its file,
// whose bytes are copied aside instead.
bool move_aside(const PayPlace& place, QString& taken) {
    if (place.through) {
        QByteArray bytes;
        if (read_checked(place.target, bytes, nullptr, kMaxPayFileSize) == ReadResult::Ok)
            return is_written(write_new_file(unread_name_now, bytes, taken));
    }
    return move_entry_to_free_name(kPay, unread_name_now, taken);
}

bool keep_bak(const PayPlace& place) {
    if (!place.through) return is_written(keep_copy(kPay, kPayBak));
    // A hard link to the link would keep the link, not the record.
    QByteArray bytes;
    return read_checked(place.target, bytes, nullptr, kMaxPayFileSize) == ReadResult::Ok &&
           is_written(write_file_atomically(kPayBak, bytes));
}

// Steps 4 and 5 for the complete file `temp`.
PayCommit commit(const PayPlace& place, const QString& temp) {
    PayCommit done;
    if (place.aside) {
        if (!move_aside(place, done.moved_aside)) {
            done.aside_failed = true;
            done.written = WriteResult::Failed;
            return done;
        }
    } else if (place.keep && !keep_bak(place)) {
        done.bak = why_bak_not_kept(kPayBak);
    }
    if (::rename(QFile::encodeName(temp).constData(),
                 QFile::encodeName(place.target).constData()) != 0) {
        done.written = WriteResult::Failed;
        return done;
    }
    done.written = flush_folder_of(place.target) ? WriteResult::Ok : WriteResult::Unconfirmed;
    return done;
}

} // namespace

QString unread_name(const QDateTime& when, int n) {
    const QString base =
        kPay + QStringLiteral(".unread-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return n == 1 ? base : base + QStringLiteral("-%1").arg(n);
}

PairSave save_pair(const QByteArray& book_text, const QByteArray& payments_text,
                   const std::function<bool()>& may_replace) {
    PairSave saved;
    if (!is_written(write_file_atomically(QString::fromLatin1(kDatFile), book_text))) return saved;
    const PayPlace place = look_at_payments_file();
    QString temp;
    if (!payments_text.isEmpty()) {
        const QByteArray text = naming_book(payments_text, book_id_of(pair_swap(book_text)));
        if (!is_written(write_temporary(place.target, text, temp))) {
            delete_file(QString::fromLatin1(kDatFile));
            return saved;
        }
    }
    saved.book = dat_to_hrm_keeping_bak(may_replace);
    if (!is_written(saved.book.written)) {
        if (!temp.isEmpty()) delete_file(temp);
        return saved;
    }
    saved.outcome = PairSave::Outcome::Saved;
    if (temp.isEmpty()) return saved;
    saved.pay = commit(place, temp);
    if (!is_written(saved.pay.written)) saved.outcome = PairSave::Outcome::BookOnly;
    return saved;
}

PairSave save_book(const Book& book, const std::function<bool()>& may_replace) {
    // A record without payments is written only over a file that is there,
    // so that the file never holds payments of an older save.
    const bool payments = !book.payments.empty() || entry_exists(kPay);
    return save_pair(data_text(book), payments ? payments_text(book) : QByteArray(), may_replace);
}

bool settle_interrupted_save(PayCommit& done) {
    const BookId id = book_id_of(stamp_file(QString::fromLatin1(kHrmFile)));
    if (!id.valid()) return false;
    const PayCandidate found = find_payments_of(QString(), id);
    if (found.origin != PayOrigin::Temporary) return false;
    done = commit(look_at_payments_file(), found.path);
    return true;
}
