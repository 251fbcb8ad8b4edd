// Reading the text of a data file into the book. A fault (a field missing at
// the end, a number that does not fit its type, a total that does not fit, a
// 21st item line) ends the reading; the header fields and the item lines
// read before it stay in the book, an item line is stored whole or not at all.

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

// Per-member values of an item line, decoded before anything is stored.
struct MemberData {
    std::array<qint16, kMembers> marks{};
    std::array<qint32, kMembers> amounts{};
};

std::optional<MemberData> read_member_data(const QString& field, bool split) {
    MemberData data;
    if (split) {
        for (int m = 0; m < kMembers; ++m)
            data.marks[m] = m < field.size() ? mark_value(field[m]) : qint16(0);
        return data;
    }
    for (int m = 0; m < kMembers; ++m) {
        const auto amount = to_int32(read_number_view(QStringView(field).mid(qsizetype(m) * 6, 6)));
        if (!amount) return std::nullopt;
        data.amounts[m] = *amount;
    }
    return data;
}

void store_member_data(const MemberData& data, bool split, int k, Book& book) {
    for (int m = 0; m < kMembers; ++m) {
        if (split)
            book.mark[m][k] = data.marks[m];
        else
            book.member_kingaku[m][k] = data.amounts[m];
    }
}

bool read_fields(FieldReader& reader, QString* fields, int count) {
    for (int i = 0; i < count; ++i) {
        auto field = reader.next();
        if (!field) return false;
        fields[i] = std::move(*field);
    }
    return true;
}

// One item line of the current layout into slot k.
bool read_item(FieldReader& reader, int k, Book& book) {
    QString f[5];
    if (!read_fields(reader, f, 5)) return false;
    const auto mode = to_int16(read_number(f[0]));
    if (!mode) return false;
    const bool split = *mode == 1;
    qint32 kingaku = 0;
    qint16 nin = 0;
    if (split) {
        const auto k32 = to_int32(read_number(f[2]));
        const auto n16 = to_int16(read_number(f[3]));
        if (!k32 || !n16) return false;
        const qint64 total = qint64(*k32) * *n16;
        if (total < INT32_MIN || total > INT32_MAX) return false;
        kingaku = *k32;
        nin = *n16;
    }
    const auto data = read_member_data(f[4], split);
    if (!data) return false;

    book.komoku_name[k] = trim_blanks(f[1]);
    book.komoku_mode[k] = split ? 1 : 0;
    if (split) {
        book.komoku_kingaku[k] = kingaku;
        book.komoku_nin[k] = nin;
        book.komoku_sogaku[k] = kingaku * qint32(nin);
    }
    store_member_data(*data, split, k, book);
    return true;
}

// One item line of the older layout (mode, title, amount, member data).
bool read_older_item(FieldReader& reader, int k, Book& book) {
    QString f[4];
    if (!read_fields(reader, f, 4)) return false;
    const auto mode = to_int16(read_number(f[0]));
    const auto kingaku = to_int32(read_number(f[2]));
    if (!mode || !kingaku) return false;
    const bool split = *mode == 1;
    const auto data = read_member_data(f[3], split);
    if (!data) return false;

    book.komoku_mode[k] = split ? 1 : 0;
    book.komoku_kingaku[k] = *kingaku;
    book.komoku_name[k] = trim_blanks(f[1]);
    store_member_data(*data, split, k, book);
    return true;
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
