#include "book/payments_file.h"
#include "book/file_checks.h"
#include "book/text_rules.h"

#include <QStringDecoder>

namespace {

const QByteArray kHeader = "tavu-payments 1";
constexpr qint64 kMaxAmount = 999'999'999'999;
constexpr qsizetype kMaxText = 200;

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool unescaped(QStringView text, QString& out) {
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i].unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u't':
            out += u'\t';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        default:
            return false;
        }
    }
    return out.size() <= kMaxText;
}

// "2026-12-08"; digits written directly, as a full record has 2000 dates.
void append_date(QByteArray& out, const QDate& date) {
    const int y = date.year(), m = date.month(), d = date.day();
    const char text[10] = {char('0' + y / 1000 % 10),
                           char('0' + y / 100 % 10),
                           char('0' + y / 10 % 10),
                           char('0' + y % 10),
                           '-',
                           char('0' + m / 10),
                           char('0' + m % 10),
                           '-',
                           char('0' + d / 10),
                           char('0' + d % 10)};
    out.append(text, 10);
}

// Name and title as written: escaped UTF-8.
void append_entry(QByteArray& out, char kind, int member, int item, qint64 received,
                  const QDate& date, const QByteArray& name, const QByteArray& title) {
    out += kind;
    out += '\t';
    out += QByteArray::number(member);
    out += '\t';
    out += QByteArray::number(item);
    out += '\t';
    out += QByteArray::number(received);
    out += '\t';
    append_date(out, date);
    out += '\t';
    out += name;
    out += '\t';
    out += title;
    out += '\n';
}

QByteArray written(const QString& text) {
    return escaped(text).toUtf8();
}

// "2026-12-08" and nothing else.
QDate read_date(QStringView text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9') return {};
            parts[p] = parts[p] * 10 + (c - u'0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

bool whole_number(QStringView text, qint64 low, qint64 high, qint64& value) {
    if (text.isEmpty() || text.size() > 13) return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text[i].isDigit() && text[i].unicode() < 128) && !(i == 0 && text[i] == u'-'))
            return false;
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= low && value <= high;
}

// One entry line; false when it is damaged.
bool read_entry(QStringView line, char& kind, PaymentEntry& e) {
    const QList<QStringView> f = line.split(u'\t');
    if (f.size() != 7 || f[0].size() != 1 || (f[0][0] != u'P' && f[0][0] != u'S')) return false;
    kind = char(f[0][0].unicode());
    qint64 member = 0, item = 0;
    if (!whole_number(f[1], 1, kMembers, member) || !whole_number(f[2], 1, kItems, item) ||
        !whole_number(f[3], -kMaxAmount, kMaxAmount, e.received) || e.received == 0)
        return false;
    e.member = int(member);
    e.item = int(item);
    e.date = read_date(f[4]);
    return e.date.isValid() && unescaped(f[5], e.name) && unescaped(f[6], e.title);
}

// The names and titles of the book as entries record them.
struct Owners {
    std::array<QString, kMembers> name;
    std::array<QString, kItems> title;
    explicit Owners(const Book& book) {
        for (int m = 0; m < kMembers; ++m) name[m] = trim_blanks(book.member_name[m]);
        for (int k = 0; k < kItems; ++k) title[k] = trim_blanks(book.komoku_name[k]);
    }
};

// The same name or title: as typed, or as the data file gives it back (a
// title typed with a wave dash or a double quote comes back from the data
// file in another form than the one the entry was recorded under).
bool same_owner(const QString& owner, const QString& recorded) {
    return owner == recorded ||
           trim_blanks(stored_text(owner)) == trim_blanks(stored_text(recorded));
}

// The entry goes into its cell when the slot still holds the member and the
// item it was recorded for and nothing is recorded there yet.
bool credit(Book& book, const Owners& owners, const PaymentEntry& e) {
    const int m = e.member - 1, k = e.item - 1;
    Payment& cell = book.payments.cell[m][k];
    if (cell.recorded() || !same_owner(owners.name[m], e.name) ||
        !same_owner(owners.title[k], e.title))
        return false;
    cell = {e.received, e.date};
    return true;
}

struct Scan {
    bool header_ok = false;
    int damaged_lines = 0;
};

// Reads the text line by line (LF, CR LF or CR ends a line); each line is
// decoded on its own, so one bad byte costs one line. `each` gets every
// entry read; comments and blank lines are passed over. A text whose first
// line is not the header (another encoding, a newer version) reads nothing.
template <typename F> Scan scan_lines(const QByteArray& text, F each) {
    Scan scan;
    qsizetype start = 0;
    const qsizetype n = text.size();
    bool first = true;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != '\n' && text[end] != '\r') ++end;
        const QByteArrayView bytes(text.constData() + start, end - start);
        start = end + 1;
        if (end < n && text[end] == '\r' && start < n && text[start] == '\n') ++start;
        if (first) {
            first = false;
            scan.header_ok = bytes == kHeader;
            if (!scan.header_ok) return scan;
            continue;
        }
        if (bytes.isEmpty() || bytes.startsWith('#')) continue;
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decode(bytes);
        char kind = 0;
        PaymentEntry entry;
        if (decode.hasError() || bytes.contains('\0') || !read_entry(line, kind, entry)) {
            ++scan.damaged_lines;
            continue;
        }
        each(kind, entry);
    }
    return scan;
}

} // namespace

QByteArray payments_text(const Book& book, const BookId& of) {
    QByteArray text = kHeader + '\n';
    text.reserve(128 * 1024);
    if (of.valid()) text = naming_book(text, of);
    const Owners owners(book);
    std::array<QByteArray, kItems> titles;
    for (int k = 0; k < kItems; ++k) titles[k] = written(owners.title[k]);
    for (int m = 0; m < kMembers; ++m) {
        QByteArray name;
        for (int k = 0; k < kItems; ++k) {
            const Payment& p = book.payments.cell[m][k];
            if (!p.recorded()) continue;
            if (name.isNull()) name = written(owners.name[m]);
            append_entry(text, 'P', m + 1, k + 1, p.received, p.date, name, titles[k]);
        }
    }
    for (const PaymentEntry& e : book.payments.set_aside)
        append_entry(text, 'S', e.member, e.item, e.received, e.date, written(e.name),
                     written(e.title));
    return text;
}

PayRead parse_payments_text(const QByteArray& text, Book& book) {
    book.payments = PaymentRecord{};
    PayRead read;
    const Owners owners(book);
    const Scan scan = scan_lines(text, [&](char kind, const PaymentEntry& entry) {
        if (kind == 'P' && credit(book, owners, entry)) return;
        if (kind == 'P') ++read.unmatched;
        book.payments.set_aside.push_back(entry);
        ++read.set_aside;
    });
    read.damaged_lines = scan.damaged_lines;
    read.unread_whole = !scan.header_ok;
    read.result = scan.header_ok && scan.damaged_lines == 0 ? ReadResult::Ok : ReadResult::Damaged;
    return read;
}

bool payments_text_whole(const QByteArray& text) {
    const Scan scan = scan_lines(text, [](char, const PaymentEntry&) {});
    return scan.header_ok && scan.damaged_lines == 0;
}

PayRead payments_read(Book& book, const QString& folder) {
    book.payments = PaymentRecord{};
    const QString hrm = QString::fromLatin1(kHrmFile);
    const BookId id = book_id_of(stamp_file(folder.isEmpty() ? hrm : folder + u'/' + hrm));
    const PayCandidate found = find_payments_of(folder, id);
    PayRead read;
    switch (found.origin) {
    case PayOrigin::Missing:
        return read;
    case PayOrigin::Refused:
        read.result = ReadResult::Damaged; // no regular file, too large, unreadable
        read.unread_whole = true;
        read.origin = found.origin;
        return read;
    default:
        break;
    }
    read = parse_payments_text(found.bytes, book);
    read.origin = found.origin;
    if (found.origin == PayOrigin::OtherBook) {
        // Saved with another book: nothing of it is credited on its own.
        for (int m = 0; m < kMembers; ++m) {
            for (int k = 0; k < kItems; ++k) {
                Payment& cell = book.payments.cell[m][k];
                if (!cell.recorded()) continue;
                book.payments.set_aside.push_back({m + 1, k + 1, cell.received, cell.date,
                                                   trim_blanks(book.member_name[m]),
                                                   trim_blanks(book.komoku_name[k])});
                cell = Payment{};
                ++read.set_aside;
                ++read.unmatched;
            }
        }
    }
    return read;
}

SavedFile payments_write(const Book& book) {
    const QString name = QString::fromLatin1(kPayFile);
    const QString bak = QString::fromLatin1(kPayBakFile);
    const bool there = file_exists(name);
    SavedFile saved;
    if (!there && book.payments.empty()) {
        saved.written = WriteResult::Ok;
        return saved;
    }
    saved.written = write_file_atomically(name, payments_text(book), [&] {
        if (there && !is_written(keep_copy(name, bak))) saved.bak = why_bak_not_kept(bak);
        return true;
    });
    if (!is_written(saved.written)) saved.bak = BakProblem::None;
    return saved;
}
