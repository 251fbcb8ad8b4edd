// The current-layout text of the book, as the writers put it on disk.

#include "book/cp932.h"
#include "book/data_files.h"
#include "book/text_rules.h"

namespace {

// A text field cannot hold a double quote or a line end (nothing is
// escaped), so they are written as the full-width quote and a blank; other
// control characters become blanks too (a zero byte would be dropped by the
// pair swap). Characters the code page cannot hold are written as "？".
QByteArray text_field_bytes(const QString& text) {
    QString clean = text;
    for (QChar& c : clean) {
        if (c == u'"')
            c = QChar(0xFF02);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return cp932::encode(clean).bytes;
}

void append_text_field(QByteArray& out, const QString& text) {
    out.append('"');
    out.append(text_field_bytes(text));
    out.append('"');
}

// The decimal form of n, padded with blanks to `width` characters on the
// right (left_aligned) or on the left; longer forms are written whole.
void append_padded(QByteArray& out, qint32 n, int width, bool left_aligned) {
    const QByteArray digits = QByteArray::number(n);
    const qsizetype pad = qMax<qsizetype>(0, width - digits.size());
    if (!left_aligned) out.append(pad, ' ');
    out.append(digits);
    if (left_aligned) out.append(pad, ' ');
}

void append_item_line(QByteArray& out, const Book& book, int k, bool blank_head_counts) {
    const bool split = book.komoku_mode[k] == 1;
    out.append(split ? "1," : "0,");
    append_text_field(out, book.komoku_name[k]);
    out.append(",\"");
    append_padded(out, book.komoku_kingaku[k], 6, true);
    out.append("\",\"");
    if (blank_head_counts)
        out.append(' ');
    else
        append_padded(out, book.komoku_nin[k], 3, true);
    out.append("\",\"");
    for (int m = 0; m < kMembers; ++m) {
        if (split)
            out.append(book.mark[m][k] == 1 ? '1' : '0');
        else
            append_padded(out, book.member_kingaku[m][k], 6, false);
    }
    out.append("\"\r\n");
}

} // namespace

QByteArray data_text(const Book& book, bool blank_head_counts) {
    QByteArray out;
    out.reserve(2048 + kItems * 700);
    for (int m = 0; m < kMembers; ++m) {
        append_text_field(out, book.member_name[m]);
        out.append(',');
    }
    append_text_field(out, book.nengetu);
    out.append(',');
    append_text_field(out, book.motojime);
    out.append("\r\n");
    // Items stand from slot 0 without gaps: the first untitled slot after
    // slot 0 ends them. Slot 20 is never written.
    for (int k = 0; k < kItems; ++k) {
        if (k != 0 && is_blank(book.komoku_name[k])) break;
        append_item_line(out, book, k, blank_head_counts);
    }
    return out;
}

QString stored_text(const QString& text) {
    return cp932::from_bytes(text_field_bytes(text));
}
