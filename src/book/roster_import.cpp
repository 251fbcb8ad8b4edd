#include "book/roster_import.h"
#include "book/csv_table.h"

#include "book/cp932.h"
#include "book/file_checks.h"
#include "book/text_rules.h"

#include <QSet>
#include <QStringDecoder>

namespace {

constexpr int kNameBytes = 12;

bool starts_with(const QByteArray& bytes, const char* prefix) {
    return bytes.startsWith(QByteArrayView(prefix));
}

QString decode(const QByteArray& bytes, RosterEncoding encoding) {
    switch (encoding) {
    case RosterEncoding::Utf8:
        return QString::fromUtf8(starts_with(bytes, "\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    case RosterEncoding::Utf16: {
        const bool big = starts_with(bytes, "\xFE\xFF");
        const bool bom = big || starts_with(bytes, "\xFF\xFE");
        QStringDecoder decoder(big ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                               QStringConverter::Flag::Stateless);
        return decoder.decode(bom ? bytes.mid(2) : bytes);
    }
    case RosterEncoding::Cp932:
        break;
    }
    return cp932::from_bytes(bytes);
}

// A cell of digits (half- or full-width) with an optional sign and decimals:
// a member number, a staff number, an amount.
bool is_number_cell(const QString& cell) {
    const QString t = cell.trimmed();
    if (t.isEmpty()) return false;
    int digits = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit()) {
            ++digits;
        } else if (!((i == 0 && (c == u'-' || c == u'+' || c == u'－' || c == u'＋')) ||
                     c == u'.' || c == u'．' || c == u',')) {
            return false;
        }
    }
    return digits > 0;
}

QString cell(const RosterRecord& record, int column) {
    return column < record.fields.size() ? record.fields[column] : QString();
}

bool is_header_word(const QString& cell) {
    const QString t = cell.trimmed();
    return t == u"名前" || t == u"氏名" || t == u"名";
}

// The names column and the header record (index into records, or -1).
void find_names_column(const std::vector<RosterRecord>& records, int& column, int& header) {
    column = 0;
    header = -1;
    size_t first = 0;
    while (first < records.size() && records[first].fields.join(QString()).trimmed().isEmpty())
        ++first;
    if (first == records.size()) return;
    const QStringList& top = records[first].fields;
    for (int c = 0; c < top.size(); ++c)
        if (is_header_word(top[c])) {
            column = c;
            header = int(first);
            return;
        }

    int width = 0;
    for (const RosterRecord& r : records) width = std::max(width, int(r.fields.size()));
    // What each column holds below the first record.
    std::vector<bool> has_text(size_t(width), false), has_number(size_t(width), false);
    // Only the cells a record has: a missing cell is empty, and a wide
    // record must not make every other one as wide.
    for (size_t r = first + 1; r < records.size(); ++r)
        for (int c = 0; c < records[r].fields.size(); ++c) {
            const QString& v = records[r].fields[c];
            if (is_number_cell(v))
                has_number[size_t(c)] = true;
            else if (!v.trimmed().isEmpty())
                has_text[size_t(c)] = true;
        }
    column = -1;
    for (int c = 0; c < width && column < 0; ++c)
        if (has_text[size_t(c)]) column = c;
    if (column < 0) {
        // One record, or numbers only below it: the first text of the top one.
        for (int c = 0; c < top.size() && column < 0; ++c)
            if (!top[c].trimmed().isEmpty() && !is_number_cell(top[c])) column = c;
        if (column < 0) column = 0;
        return;
    }
    // A word over a column of numbers ("No" over 1, 2, 3) makes the top
    // record a header.
    for (int c = 0; c < top.size(); ++c)
        if (has_number[size_t(c)] && !has_text[size_t(c)] && !top[c].trimmed().isEmpty() &&
            !is_number_cell(top[c]))
            header = int(first);
}

// A name holds no line breaks, tabs or other controls (a quoted cell can):
// each becomes a blank, and blanks at both ends go. A double quote becomes
// the full-width one the data file keeps, so that the name read back after a
// save is the name placed.
// A "'" before a formula's first character is how a table written for
// spreadsheets (TAVU's own roster export among them) keeps the name text.
QString clean_name(const QString& text) {
    QString out = text;
    if (out.size() > 1 && out.front() == u'\'' && kStartsFormula.contains(out[1])) out.remove(0, 1);
    for (QChar& c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
        else if (c == u'"')
            c = QChar(0xFF02);
    }
    return trim_blanks(out);
}

// The checks of every line on its own and against the lines before it.
std::vector<RosterLine> check_lines(const std::vector<RosterRecord>& records, int column,
                                    int header) {
    std::vector<RosterLine> lines;
    lines.reserve(records.size());
    QSet<QString> seen;
    for (size_t r = 0; r < records.size(); ++r) {
        if (int(r) == header) continue;
        RosterLine line;
        line.line = records[r].line;
        line.text = clean_name(cell(records[r], column));
        // A cut just after a blank leaves none at the end: names are
        // matched exactly, and the member would not be found again.
        line.name = trim_blanks(cp932::clip_bytes(line.text, kNameBytes));
        if (line.text.isEmpty()) line.flags |= kRosterBlank;
        if (cp932::byte_length(line.text) > kNameBytes) line.flags |= kRosterTooLong;
        line.unencodable = cp932::encode(line.text).unencodable;
        if (!line.unencodable.isEmpty()) line.flags |= kRosterUnencodable;
        if (line.taken()) {
            if (seen.contains(line.name))
                line.flags |= kRosterDuplicate;
            else
                seen.insert(line.name);
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

RosterEncoding detect_roster_encoding(const QByteArray& bytes) {
    if (starts_with(bytes, "\xEF\xBB\xBF")) return RosterEncoding::Utf8;
    if (starts_with(bytes, "\xFF\xFE") || starts_with(bytes, "\xFE\xFF"))
        return RosterEncoding::Utf16;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes); // converts only when taken as text
    return utf8.hasError() ? RosterEncoding::Cp932 : RosterEncoding::Utf8;
}

RosterFormat detect_roster_format(const QString& text) {
    if (text.contains(u'\t')) return RosterFormat::Tsv;
    if (text.contains(u',')) return RosterFormat::Csv;
    return RosterFormat::Lines;
}

std::vector<RosterRecord> split_roster_records(const QString& text, RosterFormat format) {
    std::vector<RosterRecord> records;
    const QChar separator = format == RosterFormat::Tsv ? u'\t' : u',';
    const bool quoting = format != RosterFormat::Lines;
    int line = 1;
    RosterRecord record{1, {}};
    QString field;
    bool quoted = false;
    auto end_record = [&] {
        record.fields << field;
        records.push_back(std::move(record));
        record = RosterRecord{line, {}};
        field.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool line_end = c == u'\n' || c == u'\r';
        if (line_end && c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += line_end ? QChar(u'\n') : c;
                if (line_end) ++line;
            }
        } else if (line_end) {
            ++line;
            end_record();
        } else if (quoting && c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (quoting && c == separator) {
            record.fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.fields.isEmpty() || quoted) end_record();
    // Empty lines at the end are the file's end, not blank names.
    while (!records.empty() && records.back().fields.join(QString()).trimmed().isEmpty())
        records.pop_back();
    return records;
}

RosterFile read_roster(const QByteArray& bytes, std::optional<RosterEncoding> encoding,
                       std::optional<RosterFormat> format, std::optional<int> column) {
    RosterFile file;
    file.encoding = encoding.value_or(detect_roster_encoding(bytes));
    file.bom = starts_with(bytes, "\xEF\xBB\xBF") || starts_with(bytes, "\xFF\xFE") ||
               starts_with(bytes, "\xFE\xFF");
    const QString text = decode(bytes, file.encoding);
    file.format = format.value_or(detect_roster_format(text));
    const std::vector<RosterRecord> records = split_roster_records(text, file.format);
    int header = -1;
    find_names_column(records, file.column, header);
    if (header >= 0) file.header_line = records[size_t(header)].line;
    for (const RosterRecord& r : records)
        for (qsizetype c = 0; c < r.fields.size(); ++c) {
            if (c == file.column_titles.size()) file.column_titles << QString();
            // The header, when there is one, is the first record with text.
            if (file.column_titles[c].isEmpty()) file.column_titles[c] = clean_name(r.fields[c]);
        }
    if (column && *column >= 0 && *column < file.column_titles.size()) file.column = *column;
    file.lines = check_lines(records, file.column, header);
    return file;
}

bool is_workbook(const QByteArray& bytes) {
    return starts_with(bytes, "PK\x03\x04") || starts_with(bytes, "\xD0\xCF\x11\xE0");
}

bool read_roster_bytes(const QString& path, QByteArray& bytes) {
    return read_checked(path, bytes, nullptr, kRosterFileLimit) == ReadResult::Ok;
}

std::vector<RosterLine> pasted_names(const QString& text) {
    const RosterFormat format = text.contains(u'\t') ? RosterFormat::Tsv : RosterFormat::Lines;
    const std::vector<RosterRecord> records = split_roster_records(text, format);
    int column = 0, header = -1;
    find_names_column(records, column, header);
    return check_lines(records, column, header);
}
