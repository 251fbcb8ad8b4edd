#include "book/previous_save.h"
#include "book/data_files.h"
#include "book/payments_file.h"
#include "book/payments_pair.h"

#include <QFileInfo>
#include <memory>

namespace {
const QByteArray kEmptyRecord = "tavu-payments 1\n";
} // namespace

PreviousSave look_at_previous_save() {
    PreviousSave previous;
    const QString bak = QString::fromLatin1(kBakFile);
    const ReadResult read = read_checked(bak, previous.book_bytes);
    if (read == ReadResult::Missing) return previous;
    auto book = std::make_unique<Book>();
    if (read != ReadResult::Ok ||
        parse_data_text(pair_swap(previous.book_bytes), *book) != ReadResult::Ok) {
        previous.state = PreviousSave::State::Unreadable;
        return previous;
    }
    previous.saved = QFileInfo(bak).lastModified();
    previous.payments_file = entry_exists(QString::fromLatin1(kPayFile));
    QByteArray pay;
    const ReadResult pay_read =
        read_checked(QString::fromLatin1(kPayBakFile), pay, nullptr, kMaxPayFileSize);
    if (pay_read == ReadResult::Ok) {
        const BookId named = named_book(pay);
        // A copy from before payments named their book goes with it too.
        if (named.valid() && named != book_id_of(previous.book_bytes)) {
            previous.state = PreviousSave::State::PaymentsApart;
            return previous;
        }
        previous.payments = pay;
    } else if (pay_read != ReadResult::Missing) {
        previous.state = PreviousSave::State::PaymentsApart;
        return previous;
    }
    // Without payments of its own, a record that is there is emptied, so
    // that it never stays beside a book it was not saved with.
    if (previous.payments.isEmpty() && previous.payments_file) previous.payments = kEmptyRecord;
    previous.state = PreviousSave::State::Ready;
    return previous;
}

PairSave put_back_previous_save(const PreviousSave& previous,
                                const std::function<bool()>& may_replace) {
    if (previous.state != PreviousSave::State::Ready) return {};
    return save_pair(pair_swap(previous.book_bytes), previous.payments, may_replace);
}
