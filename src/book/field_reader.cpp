#include "book/field_reader.h"

namespace {

bool is_line_end(QChar c) {
    return c == u'\r' || c == u'\n';
}

} // namespace

void FieldReader::skip_blanks() {
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
}

bool FieldReader::at_end() {
    while (pos_ < text_.size() &&
           (text_[pos_] == u' ' || text_[pos_] == u'\t' || is_line_end(text_[pos_])))
        ++pos_;
    return pos_ >= text_.size();
}

// Consumes whatever follows a field up to and including its delimiter: a
// comma, or a line end (CR LF, CR or LF).
void FieldReader::close_field() {
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_++];
        if (c == u',') return;
        if (c == u'\r') {
            if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
            return;
        }
        if (c == u'\n') return;
    }
}

std::optional<QString> FieldReader::next() {
    skip_blanks();
    if (pos_ >= text_.size()) return std::nullopt;
    if (text_[pos_] == u'"') {
        // Quoted text runs to the next quote (or the end of the text);
        // anything between the closing quote and the delimiter is dropped.
        const qsizetype begin = pos_ + 1;
        qsizetype end = text_.indexOf(u'"', begin);
        if (end < 0) end = text_.size();
        QString field = text_.mid(begin, end - begin);
        pos_ = qMin(end + 1, text_.size());
        close_field();
        return field;
    }
    const qsizetype begin = pos_;
    while (pos_ < text_.size() && text_[pos_] != u',' && !is_line_end(text_[pos_])) ++pos_;
    qsizetype end = pos_;
    while (end > begin && (text_[end - 1] == u' ' || text_[end - 1] == u'\t')) --end;
    QString field = text_.mid(begin, end - begin);
    close_field();
    return field;
}
