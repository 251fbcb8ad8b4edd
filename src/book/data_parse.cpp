// Reading the text of a data file into the book. A fault (a field missing at
// the end, a number that does not fit its type, a total that does not fit, a
// 21st item line) ends the reading; every value stored before it stays in
// the book.

#include "book/cp932.h"
#include "book/data_files.h"
#include "book/field_reader.h"
#include "book/text_rules.h"

namespace {

constexpr int kCurrentHeaderNames = 96; // names in the current header line
constexpr int kOlderHeaderNames = 63;   // names in the older header line

// The numeric value of a one-character text, without building a string for
// the common case of a digit.
qint16 mark_value(QChar c) {
    if (c >= u'0' && c <= u'9') return qint16(c.unicode() - u'0');
    return qint16(read_number_view(QStringView(&c, 1))); // a single character reads 0..9
}

// Reads the header: `names` member names, then the period and the person in
// charge, each stored as it stands as soon as it is read.
bool read_header(FieldReader& reader, Book& book, int names) {
    for (int m = 0; m < names; ++m) {
        const auto field = reader.next();
        if (!field) return false;
        book.member_name[m] = *field;
    }
    const auto nengetu = reader.next();
    if (!nengetu) return false;
    book.nengetu = *nengetu;
    const auto motojime = reader.next();
    if (!motojime) return false;
    book.motojime = *motojime;
    return true;
}

bool read_fields(FieldReader& reader, QString* fields, int count) {
    for (int i = 0; i < count; ++i) {
        auto field = reader.next();
        if (!field) return false;
        fields[i] = std::move(*field);
    }
    return true;
}

// Stores the member data of item k member by member; an amount that does not
// fit ends the reading there, after the members stored before it.
bool store_member_data(const QString& field, bool split, int k, Book& book) {
    for (int m = 0; m < kMembers; ++m) {
        if (split) {
            book.mark[m][k] = m < field.size() ? mark_value(field[m]) : qint16(0);
            continue;
        }
        const auto amount = to_int32(read_number_view(QStringView(field).mid(qsizetype(m) * 6, 6)));
        if (!amount) return false;
        book.member_kingaku[m][k] = *amount;
    }
    return true;
}

// One item line of the current layout into slot k. The line's fields are
// read first, so a line cut short at the end of the file stores nothing;
// then the values are stored one after the other, and a value that does not
// fit ends the reading after what was stored before it.
bool read_item(FieldReader& reader, int k, Book& book) {
    QString f[5];
    if (!read_fields(reader, f, 5)) return false;
    book.komoku_name[k] = trim_blanks(f[1]);
    const auto mode = to_int16(read_number(f[0]));
    if (!mode) return false;
    const bool split = *mode == 1;
    book.komoku_mode[k] = split ? 1 : 0;
    if (split) {
        const auto kingaku = to_int32(read_number(f[2]));
        if (!kingaku) return false;
        book.komoku_kingaku[k] = *kingaku;
        const auto nin = to_int16(read_number(f[3]));
        if (!nin) return false;
        book.komoku_nin[k] = *nin;
        const qint64 total = qint64(*kingaku) * *nin;
        if (total < INT32_MIN || total > INT32_MAX) return false;
        book.komoku_sogaku[k] = qint32(total);
    }
    return store_member_data(f[4], split, k, book);
}

// One item line of the older layout (mode, title, amount, member data),
// stored in the same manner: mode, amount, title, then member by member.
bool read_older_item(FieldReader& reader, int k, Book& book) {
    QString f[4];
    if (!read_fields(reader, f, 4)) return false;
    const auto mode = to_int16(read_number(f[0]));
    if (!mode) return false;
    const bool split = *mode == 1;
    book.komoku_mode[k] = split ? 1 : 0;
    const auto kingaku = to_int32(read_number(f[2]));
    if (!kingaku) return false;
    book.komoku_kingaku[k] = *kingaku;
    book.komoku_name[k] = trim_blanks(f[1]);
    return store_member_data(f[3], split, k, book);
}

template <typename ReadItem>
ReadResult parse(const QByteArray& bytes, Book& book, int header_names, ReadItem read_item_line) {
    const QString text = cp932::from_bytes(bytes);
    FieldReader reader(text);
    if (reader.at_end()) return ReadResult::Ok;
    if (!read_header(reader, book, header_names)) return ReadResult::Damaged;
    for (int k = 0; !reader.at_end(); ++k) {
        // Slot 20 is a spare that must stay empty.
        if (k >= kItems) return ReadResult::Damaged;
        if (!read_item_line(reader, k, book)) return ReadResult::Damaged;
    }
    return ReadResult::Ok;
}

} // namespace

ReadResult parse_data_text(const QByteArray& text, Book& book) {
    return parse(text, book, kCurrentHeaderNames, read_item);
}

ReadResult parse_old_data_text(const QByteArray& text, Book& book) {
    return parse(text, book, kOlderHeaderNames, read_older_item);
}
