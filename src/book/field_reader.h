#pragma once
// Reads the comma-separated fields of a data file one after the other, as
// the data file layout has them: a comma or a line end closes a field, a
// text field is enclosed in double quotes (a comma or blank inside belongs to
// the text), and line ends carry no other meaning.

#include <QString>
#include <optional>

class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    // The next field without its quotes, or nothing at the end of the text
    // (a field missing).
    std::optional<QString> next();
    // True when only blanks and line ends are left.
    bool at_end();

private:
    void skip_blanks();
    void close_field();

    const QString& text_;
    qsizetype pos_ = 0;
};
